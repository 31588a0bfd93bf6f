#pragma once

#include "Midiwriter.h"
#include "Synth.h"

#include <vector>

// The game's background music, composed here as note lists.
namespace tunes {

// "Mortar Waltz", "Building Up" and "Keystone", written out as MIDI files.
std::vector<midi::Song> songs();

// "Quiet Courtyard": a slow pad with a chiming arpeggio, 16 s, 22050 Hz mono,
// built to loop without a seam.
synth::Buffer quietCourtyard();

} // namespace tunes
