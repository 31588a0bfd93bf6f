// Hints on every shipped puzzle: pressing only Hint finishes the wall, from
// the start and after wrong moves, and only through the turn rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "Fixtures.h"
#include "game/Checkerboard.h"
#include "game/Hint.h"
#include "game/Orientations.h"
#include "game/Regions.h"

namespace {

// Presses Hint until the wall is complete; the number of presses, or -1.
// Pieces taken back out of the gap are counted in `tookBack`.
int hintsToFinish(ClGameControl& game, int most, int* tookBack = nullptr)
{
    for (int pressed = 0; pressed <= most; ++pressed) {
        if (game.gameData->checkerboard->isComplete())
            return pressed;
        const HintResult hint = giveHint(game);
        if (hint.outcome != HintOutcome::Placed && hint.outcome != HintOutcome::TookBack)
            return -1;
        if (tookBack && hint.outcome == HintOutcome::TookBack)
            ++*tookBack;
        // Symmetric shapes look alike in several states; what counts is the cells.
        const ClPoints cells = normalised(hint.piece->cells());
        bool reachable = false;
        for (const auto& o : reachableOrientations(hint.piece->atStart(), game.gameData->header.rotateStep))
            reachable = reachable || o.cells == cells;
        EXPECT_TRUE(reachable) << "a hint used an orientation the turn rule cannot reach";
    }
    return -1;
}

class ShippedHints : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ShippedHints, OnlyHintsFinishEveryPuzzle)
{
    ClGameControl game;
    const std::string file = std::string(PUZZLE_DIR) + "/Brick" + std::to_string(GetParam()) + ".gam";
    ASSERT_TRUE(game.gameData->load(file) && game.gameData->rescaleToPlayUnits());
    int tookBack = 0;
    for (std::int32_t p = 0; p < std::int32_t(game.gameData->puzzles.size()); ++p) {
        ASSERT_TRUE(game.selectPuzzle(p));
        game.restart();
        const int pieces = int(game.puzzle.pieces.size());
        EXPECT_EQ(hintsToFinish(game, pieces), pieces) << "puzzle " << p + 1 << " from the start";

        game.restart();
        fixtures::makeWrongMoves(game);
        EXPECT_GE(hintsToFinish(game, 2 * pieces, &tookBack), 0) << "puzzle " << p + 1 << " after wrong moves";
    }
    EXPECT_GT(tookBack, 0); // the wrong moves did block some solutions
}

INSTANTIATE_TEST_SUITE_P(Groups, ShippedHints, testing::Range(0, 4));

TEST(Hint, NothingToDoOnACompleteWallOrWithoutAPuzzle)
{
    ClGameControl empty;
    EXPECT_EQ(giveHint(empty).outcome, HintOutcome::Nothing);
    ClGameControl game;
    ASSERT_TRUE(game.gameData->load(std::string(PUZZLE_DIR) + "/Brick0.gam") && game.gameData->rescaleToPlayUnits());
    game.selectPuzzle(0); // the finished wall, before Play
    game.gameData->checkerboard->resetFromPuzzle(game.puzzle);
    for (auto& piece : game.puzzle.pieces)
        game.gameData->checkerboard->applyCells(piece.cells(), +1);
    EXPECT_EQ(giveHint(game).outcome, HintOutcome::Nothing);
}
