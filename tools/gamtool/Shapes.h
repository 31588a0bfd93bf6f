#pragma once
// The shipped shape table and the orientations a piece can take in play.
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

// Whether the shape's anchors, turned by `angle` and mirrored when `flipped`,
// are the same set up to a shift.
bool looksTheSame(const ClShape& shape, std::int32_t angle, std::int32_t flipped);

// A shape with its centre and mirror axis in the middle of its anchors, moved
// by half a unit where needed so that turning and mirroring keep the bond.
ClShape centredShape(ClPoints anchors);

// The five shapes every group uses; each index has the symmetry its turn rule needs.
std::vector<ClShape> brickShapes();
