#include <gtest/gtest.h>

#include "game/Solver.h"

namespace {

// Two rows of four bricks, the lower one half a brick to the right.
const ClPoints kLadder{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {1, 1}, {3, 1}, {5, 1}, {7, 1}};

// So many pieces of a shape, the shape index choosing their turn rule.
struct Kind {
    ClShape shape;
    std::int32_t shapeIndex;
    int count;
};

std::int64_t tilings(const std::vector<Kind>& kinds, const ClPoints& region, std::int64_t limit = 1000)
{
    ClPuzzle puzzle;
    for (const Kind& kind : kinds)
        for (int i = 0; i < kind.count; ++i)
            puzzle.pieces.push_back({.shapeIndex = kind.shapeIndex, .shape = &kind.shape});
    PlaceSet places;
    EXPECT_TRUE(addPlaces(region, places));
    return countTilings(places, pieceKinds(puzzle, 180), limit);
}

} // namespace

// Which orientations the search uses, by the turn rule, shows through the
// difficulty's tests: a start the rule cannot turn right makes no tiling.
TEST(Solver, CountsLadderTilingsOnceForInterchangeablePieces)
{
    // A rung joins a brick to the one below right; a bar joins two in a row.
    // Shape index 1 never turns, so each keeps its one orientation.
    const ClShape rung{.points = {{0, 0}, {1, 1}}};
    const ClShape bar{.centerX = 1, .mirrorX = 1, .points = {{0, 0}, {2, 0}}};
    EXPECT_EQ(tilings({{rung, 1, 4}}, kLadder), 1);
    // Like dominoes on a 2 x 4 board with two upright: ||=, |=|, =||.
    EXPECT_EQ(tilings({{rung, 1, 2}, {bar, 1, 2}}, kLadder), 3);
    EXPECT_EQ(tilings({{rung, 1, 2}, {bar, 1, 2}}, kLadder, 2), 2);
    EXPECT_EQ(tilings({{rung, 1, 2}, {bar, 1, 3}}, kLadder), 0); // one brick pair too many
}
