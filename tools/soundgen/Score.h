#pragma once

#include "Midiwriter.h"

#include <string_view>
#include <vector>

// A compact text notation, so the tunes read as music rather than as numbers.
namespace score {

// "C4" -> 60; sharps and flats as "F#3", "Bb2".
int key(std::string_view name);

struct Line {
    std::vector<midi::Note> notes;
    double length = 0.0; // beats, rests included
};

// "A4:1 C5:0.5 r:1.5 | F5:3" -- note or rest ("r"), a colon and the length in beats,
// laid end to end from `start`. Bar lines are only there for the reader.
Line melody(std::string_view text, double start, int velocity);

// The keys of a chord symbol ("F", "Dm", "C7", "Am7", "Fmaj7", "Gsus4") with its root
// in `octave`, lowest first.
std::vector<int> chord(std::string_view symbol, int octave);

// The n-th chord tone counting upwards through the octaves: with C E G, 3 is the next C.
int chordTone(const std::vector<int>& keys, int n);

// Splits on white space: "F C7 | Bb F" -> {"F", "C7", "Bb", "F"}; bar lines are skipped.
std::vector<std::string_view> words(std::string_view text);

} // namespace score
