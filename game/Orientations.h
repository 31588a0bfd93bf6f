#pragma once
// The orientations a piece can take in play, worked out once through the
// game's own turn rule; the solver, the hint and gamtool all use them.
#include <cstdint>
#include <vector>

#include "model/Gamefile.h"

struct Orientation {
    std::int32_t angle = 0;
    std::int32_t flipped = 0;
    // The piece's cells at position (0, 0) start at `origin`; `cells` are them normalised.
    ClPoint origin;
    ClPoints cells;
    // Right clicks that turn the piece from its current orientation into this one.
    int clicks = 0;
};

// The distinct orientations (cells up to a shift) that the board's turn rule
// reaches from the piece's current one, that one first, in turning order.
std::vector<Orientation> reachableOrientations(const ClPiece& piece, std::int32_t rotateStep);
