#pragma once
// How hard a puzzle is for a person, measured by a search that fills the gap
// the way a careful player does: always at the place fewest pieces fit.
#include <cstdint>
#include <string>

#include "model/Gamefile.h"

struct Difficulty {
    bool solvable = false;
    // Every tiling is counted, up to kTilingCountLimit; the figures below
    // cover the part of the search that ran.
    std::int64_t tilings = 0;
    // Pieces laid in the whole search, and until the first tiling was complete.
    std::int64_t nodes = 0;
    std::int64_t nodesToFirst = 0;
    // Pieces laid that no tiling could follow: the moves a player takes back.
    std::int64_t wrongMoves = 0;
    // The ways to lay one piece into the empty gap, and how many of them
    // belong to some tiling.
    std::int64_t starts = 0;
    std::int64_t startsThatLead = 0;
    // The fewest right clicks that turn the pieces from their start into the
    // orientations of one tiling.
    std::int64_t clicks = 0;
    // Rounded to tenths, so the order and the printed figure agree.
    double score = 0;
};

// An unsolvable puzzle, or one whose gap leaves the field, measures
// `solvable` false and score 0.
Difficulty measureDifficulty(const ClPuzzle& puzzle, std::int32_t rotateStep);
