#include "game/Orientations.h"

#include <algorithm>

#include "game/Regions.h"
#include "game/Turnrule.h"

std::vector<Orientation> reachableOrientations(const ClPiece& piece, std::int32_t rotateStep)
{
    // The piece stands at (0, 0) so the cells read straight off the shape.
    std::optional<ClPiece> turning = piece;
    turning->x = 0;
    turning->y = 0;
    std::vector<Orientation> found;
    std::vector<std::pair<std::int32_t, std::int32_t>> states;
    for (int turn = 0; turn < kMostTurns && turning; ++turn) {
        const std::pair state{turning->angle, turning->flipped};
        if (std::find(states.begin(), states.end(), state) != states.end())
            break;
        states.push_back(state);
        const ClPoints raw = turning->cells();
        Orientation o{turning->angle, turning->flipped, cornerOf(raw), normalised(raw), turn};
        if (std::none_of(found.begin(), found.end(), [&](const Orientation& f) { return f.cells == o.cells; }))
            found.push_back(o);
        turning = turnedOnce(*turning, rotateStep);
    }
    return found;
}
