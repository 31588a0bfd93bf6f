#pragma once
// What a Standard MIDI File asks of the synthesizer, read before it is
// played: a file that is damaged, or that sounds more notes at once than can
// be rendered in real time, is refused instead of played.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Failure.h"

struct MidiScan {
    // None when the file may be played; otherwise why not: damaged, or
    // refused as more than can be played.
    Failure problem;
    double seconds = 0;          // length by its tempo map, to its last track's end
    std::int64_t notes = 0;      // notes started
    std::int64_t densestBurst = 0; // most notes started within kBurstSeconds
};

// The synthesizer keeps at most this many notes sounding; a burst beyond it
// only drops notes and floods its log.
inline constexpr std::int64_t kMostNotesAtOnce = 256;
inline constexpr double kBurstSeconds = 0.05;
// Events read at most: far more than a real tune has.
inline constexpr std::int64_t kMostEvents = 2'000'000;

MidiScan scanMidi(std::string_view file);
