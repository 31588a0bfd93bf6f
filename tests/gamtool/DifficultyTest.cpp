#include <gtest/gtest.h>

#include "game/Difficulty.h"
#include "game/Shapes.h"

namespace {

// The hook turns through four orientations: angle 0, 180, then mirrored 0, 180.
constexpr std::int32_t kHook = 4;

ClPiece hookAt(const std::vector<ClShape>& shapes, ClPoint place, std::int32_t flipped)
{
    return {.x = place.x, .y = place.y, .flipped = flipped, .shapeIndex = kHook, .startX = place.x,
            .startY = place.y + 6, .shape = &shapes[kHook]};
}

} // namespace

TEST(Difficulty, CountsRightClicksByTheTurnRuleAndLetsLikePiecesSwap)
{
    const std::vector<ClShape> shapes = brickShapes();
    // A gap only one hook in one orientation fills: nothing to search, so the
    // score is the clicks alone.
    ClPuzzle single;
    single.pieces = {hookAt(shapes, {4, 4}, 0)};
    const std::pair<std::int32_t, std::int32_t> backwards[] = {{180, 1}, {0, 1}, {180, 0}};
    for (std::int64_t clicks = 1; clicks <= 3; ++clicks) {
        std::tie(single.pieces[0].startAngle, single.pieces[0].startFlipped) = backwards[clicks - 1];
        const Difficulty d = measureDifficulty(single, 180);
        ASSERT_TRUE(d.solvable);
        EXPECT_EQ(d.clicks, clicks);
        EXPECT_DOUBLE_EQ(d.score, 2.0 * double(clicks));
    }
    // A quarter turn, which its turn rule never undoes, cannot fill the flat
    // gap: nothing to measure.
    single.pieces[0].startAngle = 90;
    EXPECT_FALSE(measureDifficulty(single, 180).solvable);
    EXPECT_EQ(measureDifficulty(single, 180).score, 0);

    // Two hooks, the first starting the way the second's place needs, the
    // second one click from the first's plain place and three from its own
    // mirrored one: swapped it costs 1, where each to its own place costs 2 + 3.
    ClPuzzle pair;
    pair.pieces = {hookAt(shapes, {2, 2}, 0), hookAt(shapes, {10, 2}, 1)};
    pair.pieces[0].startFlipped = 1;
    pair.pieces[1].startX = 12;
    std::tie(pair.pieces[1].startAngle, pair.pieces[1].startFlipped) = std::pair{180, 1};
    EXPECT_EQ(measureDifficulty(pair, 180).clicks, 1);
}
