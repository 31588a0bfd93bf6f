#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "model/Midiscan.h"

namespace {

std::string bigEndian(std::uint32_t value, int bytes)
{
    std::string out;
    while (bytes-- > 0)
        out += char(value >> (8 * bytes) & 0xff);
    return out;
}

std::string quantity(std::uint32_t value)
{
    std::string out(1, char(value & 0x7f));
    while (value >>= 7)
        out.insert(out.begin(), char(0x80 | (value & 0x7f)));
    return out;
}

std::string header(std::uint32_t tracks, std::uint32_t division)
{
    return "MThd" + bigEndian(6, 4) + bigEndian(1, 2) + bigEndian(tracks, 2) + bigEndian(division, 2);
}

std::string track(const std::string& events)
{
    return "MTrk" + bigEndian(std::uint32_t(events.size()), 4) + events;
}

// `count` notes started together, `delta` ticks after the event before.
std::string chord(int count, std::uint32_t delta = 0)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += quantity(i == 0 ? delta : 0) + "\x90" + char(i % 128) + "\x64";
    return out;
}

std::string tempo(std::uint32_t delta, std::uint32_t microsecondsPerQuarter)
{
    return quantity(delta) + "\xff\x51\x03" + bigEndian(microsecondsPerQuarter, 3);
}

std::string endOfTrack(std::uint32_t delta)
{
    return quantity(delta) + std::string("\xff\x2f\x00", 3);
}

std::string oneTrackTune(const std::string& events, std::uint32_t division = 480)
{
    return header(1, division) + track(events + endOfTrack(0));
}

} // namespace

// 1000 ticks a quarter at the default tempo: a tick is half a millisecond,
// the burst window 100 ticks.
TEST(Midiscan, BurstsUpToTheSynthesizersLimitWithinTheWindowPlay)
{
    // Two chords, `gap` ticks apart, and the most notes started within the window.
    const std::tuple<const char*, int, std::uint32_t, int, std::int64_t> cases[] = {
        {"the limit at one instant", int(kMostNotesAtOnce), 0, 0, kMostNotesAtOnce},
        {"one more 25 ms apart", 128, 50, int(kMostNotesAtOnce) - 127, kMostNotesAtOnce + 1},
        {"one more 100 ms apart", 128, 200, int(kMostNotesAtOnce) - 127, kMostNotesAtOnce - 127},
    };
    for (const auto& [name, first, gap, second, densest] : cases) {
        const MidiScan scan = scanMidi(oneTrackTune(chord(first) + chord(second, gap), 1000));
        EXPECT_EQ(scan.densestBurst, densest) << name;
        EXPECT_EQ(scan.notes, first + second) << name;
        EXPECT_EQ(bool(scan.problem), densest > kMostNotesAtOnce) << name;
        EXPECT_EQ(scan.problem.why.find("starts 257 notes at once") != std::string::npos, densest > kMostNotesAtOnce)
            << name << scan.problem.why;
    }
}

// Two quarters at the default half second, then a conductor track's tempo
// change to a quarter second, read across tracks; the tune lasts to the end
// of its longest track, past its last note.
TEST(Midiscan, TheLengthFollowsTheTempoMapToTheLastTracksEnd)
{
    const std::string conductor = tempo(960, 250000) + endOfTrack(0);
    const std::string notes = chord(1) + chord(1, 1920) + endOfTrack(480);
    MidiScan scan = scanMidi(header(2, 480) + track(conductor) + track(notes));
    EXPECT_FALSE(scan.problem) << scan.problem.why;
    EXPECT_EQ(scan.notes, 2);
    EXPECT_NEAR(scan.seconds, 1.0 + 0.5 + 0.25, 1e-9);

    // Frames of time: 25 a second of 40 ticks each, whatever the tempo says.
    scan = scanMidi(oneTrackTune(tempo(0, 1000000) + chord(1, 500) + endOfTrack(1000), 0xe728));
    EXPECT_FALSE(scan.problem) << scan.problem.why;
    EXPECT_NEAR(scan.seconds, 1.5, 1e-9);

    // Running status, a silent note-on (velocity 0), a system exclusive
    // message, a program change of one data byte, a chunk of another kind
    // before the track and a track without its end event are all fine.
    const std::string odd = std::string("\x00\x90\x3c\x64\x00\x40\x64\x00\x3c\x00\x00\xf0\x01\xf7\x00\xc0\x05", 17);
    scan = scanMidi(header(1, 480) + "XTRA" + bigEndian(2, 4) + "ab" + track(odd));
    EXPECT_FALSE(scan.problem) << scan.problem.why;
    EXPECT_EQ(scan.notes, 2);
}

TEST(Midiscan, DamagedFilesAreRefusedWithAReason)
{
    const std::string note = chord(1);
    // what, the file, a part of the problem
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"empty", "", "cut short"},
        {"no tracks", header(0, 480), "has no tracks"},
        {"a header too short", "MThd" + bigEndian(5, 4) + header(1, 480).substr(8), "cut short"},
        {"a track fewer than the header says", header(2, 480) + track(note), "cut short"},
        {"a meta event without its type", header(1, 480) + track(std::string("\x00\xff", 2)), "damaged"},
        {"more notes than can be played", oneTrackTune(chord(int(kMostEvents) + 1)), "too many notes"},
        {"no ticks a quarter", header(1, 0) + track(note), "damaged"},
        {"a track past the file's end", header(1, 480) + "MTrk" + bigEndian(100, 4) + note, "cut short"},
        {"an event cut short", header(1, 480) + track(note.substr(0, 3)), "damaged"},
        {"running status after a meta event", oneTrackTune(tempo(0, 500000) + std::string("\x00\x3c\x64", 3)),
         "damaged"},
        {"a time of five bytes", oneTrackTune("\x80\x80\x80\x80" + note), "damaged"},
        {"a time cut short", header(1, 480) + track("\x81"), "damaged"},
        {"a time and no event", header(1, 480) + track(std::string("\x00", 1)), "damaged"},
        {"a data byte with no status before", header(1, 480) + track(std::string("\x00\x3c\x64", 3)), "damaged"},
        {"a meta event past the track's end",
         header(1, 480)
             + track(std::string("\x00\xff\x01\x10"
                                 "ab",
                                 6)),
         "damaged"},
    };
    for (const auto& [name, file, problem] : cases) {
        const std::string why = scanMidi(file).problem.why;
        EXPECT_NE(why.find(problem), std::string::npos) << name << ": " << why;
    }
}
