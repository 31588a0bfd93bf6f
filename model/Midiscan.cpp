#include "model/Midiscan.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "model/Words.h"

namespace {

constexpr std::uint32_t kDefaultTempo = 500000; // microseconds per quarter note

struct Reader {
    std::string_view bytes;
    std::size_t at = 0;

    bool has(std::size_t count) const { return count <= bytes.size() - at; }
    std::uint32_t byte() { return std::uint8_t(bytes[at++]); }
    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        while (count-- > 0)
            value = value << 8 | byte();
        return value;
    }
    // A variable-length quantity: at most four bytes.
    bool quantity(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (!has(1))
                return false;
            const std::uint32_t b = byte();
            value = value << 7 | (b & 0x7f);
            if ((b & 0x80) == 0)
                return true;
        }
        return false;
    }
};

// What matters of an event for timing: a tempo change or a note start.
struct Event {
    std::uint64_t tick;
    std::uint32_t tempo; // 0 for a note
};

// Reads one track's events into `events` and raises `endTick` to the track's
// last tick; false with `problem` when damaged.
bool readTrack(std::string_view track, std::vector<Event>& events, std::uint64_t& endTick, Failure& problem)
{
    Reader in{track};
    std::uint64_t tick = 0;
    std::uint32_t status = 0;
    while (in.has(1)) {
        std::uint32_t delta = 0;
        if (!in.quantity(delta) || !in.has(1))
            return problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, false;
        tick += delta;
        endTick = std::max(endTick, tick);
        std::uint32_t first = in.byte();
        if (first >= 0x80) {
            status = first;
        } else if (status >= 0x80 && status < 0xf0) {
            --in.at; // running status: this byte is data
        } else {
            return problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, false;
        }
        if (status == 0xff || status == 0xf0 || status == 0xf7) {
            std::uint32_t type = 0;
            if (status == 0xff) {
                if (!in.has(1))
                    return problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, false;
                type = in.byte();
            }
            std::uint32_t length = 0;
            if (!in.quantity(length) || !in.has(length))
                return problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, false;
            if (status == 0xff && type == 0x51 && length == 3)
                events.push_back({tick, std::max<std::uint32_t>(1, in.bigEndian(3))});
            else
                in.at += length;
            if (status == 0xff && type == 0x2f)
                break; // end of track
            status = 0;
            continue;
        }
        const std::uint32_t kind = status & 0xf0;
        const std::size_t dataBytes = kind == 0xc0 || kind == 0xd0 ? 1 : 2;
        if (!in.has(dataBytes))
            return problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, false;
        const std::uint32_t velocity = dataBytes == 2 ? std::uint8_t(in.bytes[in.at + 1]) : 0;
        in.at += dataBytes;
        if (kind == 0x90 && velocity > 0)
            events.push_back({tick, 0});
        if (std::int64_t(events.size()) > kMostEvents)
            return problem = {FailureKind::Refused, words::say("Failure", "it has too many notes to play")}, false;
    }
    return true;
}

} // namespace

MidiScan scanMidi(std::string_view file)
{
    MidiScan scan;
    Reader in{file};
    if (!in.has(14) || file.substr(0, 4) != "MThd")
        return scan.problem = {FailureKind::Damaged, words::say("Failure", "it is cut short")}, scan;
    in.at = 4;
    const std::uint32_t headerLength = in.bigEndian(4);
    if (headerLength < 6 || !in.has(headerLength))
        return scan.problem = {FailureKind::Damaged, words::say("Failure", "it is cut short")}, scan;
    in.bigEndian(2); // format
    const std::uint32_t tracks = in.bigEndian(2);
    const std::uint32_t division = in.bigEndian(2);
    in.at = 8 + std::size_t(headerLength);
    if (tracks == 0)
        return scan.problem = {FailureKind::Damaged, words::say("Failure", "it has no tracks")}, scan;
    if (division == 0)
        return scan.problem = {FailureKind::Damaged, words::say("Failure", "it is damaged")}, scan;

    std::vector<Event> events;
    std::uint64_t endTick = 0;
    for (std::uint32_t found = 0; found < tracks;) {
        if (!in.has(8))
            return scan.problem = {FailureKind::Damaged, words::say("Failure", "it is cut short")}, scan;
        const std::string_view id = file.substr(in.at, 4);
        in.at += 4;
        const std::uint32_t length = in.bigEndian(4);
        if (!in.has(length))
            return scan.problem = {FailureKind::Damaged, words::say("Failure", "it is cut short")}, scan;
        if (id == "MTrk") {
            ++found;
            if (!readTrack(file.substr(in.at, length), events, endTick, scan.problem))
                return scan;
        }
        in.at += length;
    }

    // Ticks to seconds: by the tempo map, or fixed frames for SMPTE timing.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
    const bool smpte = (division & 0x8000) != 0;
    const double smpteTick =
        smpte ? 1.0 / (double(256 - (division >> 8)) * double(std::max<std::uint32_t>(1, division & 0xff))) : 0;
    const double ticksPerQuarter = smpte ? 1 : double(division);
    double seconds = 0, secondsPerTick = smpte ? smpteTick : kDefaultTempo / 1e6 / ticksPerQuarter;
    std::uint64_t lastTick = 0;
    std::deque<double> recent; // note starts within the last kBurstSeconds
    for (const Event& event : events) {
        seconds += double(event.tick - lastTick) * secondsPerTick;
        lastTick = event.tick;
        if (event.tempo != 0) {
            if (!smpte)
                secondsPerTick = event.tempo / 1e6 / ticksPerQuarter;
            continue;
        }
        ++scan.notes;
        recent.push_back(seconds);
        while (recent.front() < seconds - kBurstSeconds)
            recent.pop_front();
        scan.densestBurst = std::max<std::int64_t>(scan.densestBurst, std::int64_t(recent.size()));
    }
    // The tune lasts until its last track ends, past its last note start.
    scan.seconds = seconds + double(endTick - lastTick) * secondsPerTick;
    if (scan.densestBurst > kMostNotesAtOnce)
        scan.problem = {
            FailureKind::Refused,
            words::fill(words::say("Failure", "it starts %1 notes at once, more than can be played in real time"),
                        {std::to_string(scan.densestBurst)})};
    return scan;
}
