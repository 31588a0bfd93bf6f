#pragma once

#include "Synth.h"

// The game's sound effects, 22050 Hz mono.
namespace effects {

synth::Buffer pick();  // a piece is picked up: a soft tick
synth::Buffer drop();  // a piece is put down: a low thock, a brick into mortar
synth::Buffer turn();  // a piece is turned or mirrored: a two-note blip over a swish
synth::Buffer solve(); // the wall is complete: a rising chime

} // namespace effects
