#include "Shapes.h"

#include <algorithm>
#include <cmath>

#include "Regions.h"
#include "game/Gamecontrol.h"

std::vector<Orientation> reachableOrientations(const ClPiece& piece, std::int32_t rotateStep)
{
    // The board's own turn rule on a copy; the copy stands at (0, 0) so the
    // cells read straight off the shape.
    ClGameControl game;
    game.gameData->header.rotateStep = rotateStep;
    ClPiece turning = piece;
    std::vector<Orientation> found;
    std::vector<std::pair<std::int32_t, std::int32_t>> states;
    // The turn rule cycles through at most four states; a damaged angle may not, so stop anyway.
    for (int turn = 0; turn < 8; ++turn) {
        const std::pair state{turning.angle, turning.flipped};
        if (std::find(states.begin(), states.end(), state) != states.end())
            break;
        states.push_back(state);
        ClPiece atOrigin = turning;
        atOrigin.x = 0;
        atOrigin.y = 0;
        const ClPoints raw = atOrigin.cells();
        Orientation o{turning.angle, turning.flipped, {}, normalised(raw), turn};
        if (!raw.empty()) {
            o.origin = raw[0];
            for (const auto& c : raw)
                o.origin = {std::min(o.origin.x, c.x), std::min(o.origin.y, c.y)};
        }
        if (std::none_of(found.begin(), found.end(), [&](const Orientation& f) { return f.cells == o.cells; }))
            found.push_back(o);
        if (!game.turnPiece(&turning, 0, 0))
            break;
    }
    return found;
}

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
