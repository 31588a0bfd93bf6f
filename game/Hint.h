#pragma once
// A way forward for a stuck player: one more piece put in its place, turned
// by the game's own turn rule, keeping every piece already in the gap; or,
// when those pieces allow no solution, one of them taken back out.
#include <cstdint>

#include "game/Gamecontrol.h"

enum class HintOutcome {
    Placed,    // a piece now stands in its place of a solution
    TookBack,  // a piece in the gap blocked every solution: it is back at its start
    Nothing,   // the puzzle is complete already, or not in play
    NotFound,  // no solution within the search bound, or none at all
};

struct HintResult {
    HintOutcome outcome = HintOutcome::Nothing;
    ClPiece* piece = nullptr; // the piece moved
    bool complete = false;    // the move completed the wall
};

// Search steps a hint may take: far more than any shipped puzzle needs,
// few enough to answer at once on a damaged one.
inline constexpr std::int64_t kHintSearchSteps = 2'000'000;

HintResult giveHint(ClGameControl& game, std::int64_t maxSteps = kHintSearchSteps);
