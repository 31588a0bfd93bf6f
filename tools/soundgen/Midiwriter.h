#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace midi {

// Times are in quarter-note beats.
struct Note {
    double beat = 0.0;
    double length = 1.0;
    int key = 60;
    int velocity = 80;
};

// One instrument: its own track and channel in the file.
struct Part {
    std::string name;
    int channel = 0;
    int program = 0; // General MIDI, 0-based
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<Note> notes;
};

struct Song {
    std::string title;
    double bpm = 120.0;
    int beatsPerBar = 4;
    double length = 0.0; // beats; every track ends here so the song loops on the bar
    std::vector<Part> parts;
};

// Writes a format 1 Standard MIDI File: a tempo track, then one track per part.
void write(const std::filesystem::path& path, const Song& song);

} // namespace midi
