#include "game/Shapes.h"

#include <algorithm>
#include <cmath>

#include "game/Regions.h"

bool looksTheSame(const ClShape& shape, std::int32_t angle, std::int32_t flipped)
{
    ClPiece piece;
    piece.shape = &shape;
    const ClPoints plain = normalised(piece.cells());
    piece.angle = angle;
    piece.flipped = flipped;
    return normalised(piece.cells()) == plain;
}

ClShape centredShape(ClPoints anchors)
{
    ClShape shape;
    std::int32_t width = 0, height = 0;
    for (const auto& p : anchors) {
        width = std::max(width, p.x);
        height = std::max(height, p.y);
    }
    // A half turn maps x + y to 2 (cx + cy) - (x + y) and a mirror x to 2 m - x:
    // the bond survives when cx + cy and m are whole.
    shape.centerX = float(width) / 2;
    shape.centerY = float(height) / 2;
    if (std::fmod(shape.centerX + shape.centerY, 1.0f) != 0)
        shape.centerY -= 0.5f;
    shape.mirrorX = std::floor(shape.centerX);
    shape.points = std::move(anchors);
    return shape;
}

std::vector<ClShape> brickShapes()
{
    return {
        centredShape({{0, 0}, {4, 0}, {1, 1}, {3, 1}}),         // cup: mirrors onto itself
        centredShape({{1, 0}, {0, 1}, {2, 1}, {1, 2}}),         // diamond: every way the same
        centredShape({{0, 0}, {2, 0}, {1, 1}}),                 // triangle: mirrors onto itself
        centredShape({{0, 0}, {2, 0}, {3, 1}, {5, 1}}),         // step: a half turn onto itself
        centredShape({{0, 0}, {2, 0}, {4, 0}, {5, 1}}),         // hook: no symmetry at all
    };
}
