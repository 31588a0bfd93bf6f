#include "Orientations.h"

#include <algorithm>

#include "Gamecontrol.h"
#include "Regions.h"

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
