#include "Midiwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace midi {
namespace {

constexpr int kTicksPerBeat = 480;

struct Event {
    std::uint32_t tick;
    int order; // at one tick: setup, then note-offs, then note-ons, so repeated keys retrigger
    std::string bytes;
};

std::uint32_t ticks(double beats)
{
    return static_cast<std::uint32_t>(std::lround(beats * kTicksPerBeat));
}

void putBigEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putVariableLength(std::string& out, std::uint32_t value)
{
    std::string reversed(1, static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        reversed.push_back(static_cast<char>(0x80 | (value & 0x7F)));
    out.append(reversed.rbegin(), reversed.rend());
}

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int value : values)
        out.push_back(static_cast<char>(value));
    return out;
}

std::string meta(int type, const std::string& data)
{
    std::string out = bytes({0xFF, type});
    putVariableLength(out, static_cast<std::uint32_t>(data.size()));
    return out + data;
}

// Sorts the events, writes them as delta times and closes the track at `end`.
std::string track(std::vector<Event> events, std::uint32_t end)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    events.push_back({end, 3, meta(0x2F, "")});

    std::string body;
    std::uint32_t now = 0;
    for (const Event& event : events) {
        putVariableLength(body, event.tick - now);
        body += event.bytes;
        now = event.tick;
    }
    std::string out = "MTrk";
    putBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

std::string tempoTrack(const Song& song, std::uint32_t end)
{
    std::string tempo;
    putBigEndian(tempo, static_cast<std::uint32_t>(std::lround(60'000'000.0 / song.bpm)), 3);
    // Time signature: beats per bar, quarter-note beat, 24 clocks per click, 8 32nds per quarter.
    const std::string signature = bytes({song.beatsPerBar, 2, 24, 8});
    return track({{0, 0, meta(0x03, song.title)},
                  {0, 0, meta(0x51, tempo)},
                  {0, 0, meta(0x58, signature)}},
                 end);
}

std::string partTrack(const Part& part, std::uint32_t end)
{
    const int ch = part.channel;
    std::vector<Event> events = {
        {0, 0, meta(0x03, part.name)},
        {0, 0, bytes({0xC0 | ch, part.program})},
        {0, 0, bytes({0xB0 | ch, 7, part.volume})},
        {0, 0, bytes({0xB0 | ch, 10, part.pan})},
        {0, 0, bytes({0xB0 | ch, 91, part.reverb})},
    };
    for (const Note& note : part.notes) {
        const std::uint32_t on = ticks(note.beat);
        const std::uint32_t off = ticks(note.beat + note.length);
        if (off > end || off <= on)
            throw std::runtime_error(part.name + ": note outside the song");
        events.push_back({on, 2, bytes({0x90 | ch, note.key, note.velocity})});
        events.push_back({off, 1, bytes({0x80 | ch, note.key, 0})});
    }
    return track(std::move(events), end);
}

} // namespace

void write(const std::filesystem::path& path, const Song& song)
{
    const std::uint32_t end = ticks(song.length);
    std::string out = "MThd";
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2); // format 1
    putBigEndian(out, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
    putBigEndian(out, kTicksPerBeat, 2);
    out += tempoTrack(song, end);
    for (const Part& part : song.parts)
        out += partTrack(part, end);

    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace midi
