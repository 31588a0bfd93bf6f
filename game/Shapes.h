#pragma once
// The shipped shape table and the symmetries its shapes must have.
#include <cstdint>
#include <vector>

#include "game/Orientations.h"
#include "model/Gamefile.h"

// Whether the shape's anchors, turned by `angle` and mirrored when `flipped`,
// are the same set up to a shift.
bool looksTheSame(const ClShape& shape, std::int32_t angle, std::int32_t flipped);

// A shape with its centre and mirror axis in the middle of its anchors, moved
// by half a unit where needed so that turning and mirroring keep the bond.
ClShape centredShape(ClPoints anchors);

// The five shapes every group uses; each index has the symmetry its turn rule needs.
std::vector<ClShape> brickShapes();
