// Hints on every shipped puzzle: pressing only Hint finishes the wall, from
// the start and after wrong moves, and only through the turn rule.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "Fixtures.h"
#include "game/Hint.h"
#include "game/Orientations.h"
#include "game/Regions.h"

namespace {

// Presses Hint until a hint says it completed the wall; the number of
// presses, or -1.
int hintsToFinish(ClGameControl& game, int most)
{
    for (int pressed = 1; pressed <= most; ++pressed) {
        const HintResult hint = giveHint(game);
        if (hint.outcome != HintOutcome::Placed && hint.outcome != HintOutcome::TookBack)
            return -1;
        // Symmetric shapes look alike in several states; what counts is the cells.
        const ClPoints cells = normalised(hint.piece->cells());
        bool reachable = false;
        for (const auto& o : reachableOrientations(hint.piece->atStart(), game.gameData->header.rotateStep))
            reachable = reachable || o.cells == cells;
        EXPECT_TRUE(reachable) << "a hint used an orientation the turn rule cannot reach";
        if (hint.complete)
            return pressed;
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
    for (std::int32_t p = 0; p < std::int32_t(game.gameData->puzzles.size()); ++p) {
        ASSERT_TRUE(game.selectPuzzle(p));
        game.restart();
        const int pieces = int(game.puzzle.pieces.size());
        EXPECT_EQ(hintsToFinish(game, pieces), pieces) << "puzzle " << p + 1 << " from the start";

        game.restart();
        fixtures::makeWrongMoves(game);
        EXPECT_GE(hintsToFinish(game, 2 * pieces), 0) << "puzzle " << p + 1 << " after wrong moves";
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, ShippedHints, testing::Range(0, 4));

// Which piece a hint moves, and where: a piece is placed where the first
// solution has it; a piece in the gap that blocks every solution goes back to
// its start, never a piece that belongs where it lies; and when the search
// runs out nothing moves at all.
TEST(Hint, MovesTheRightPieceToTheRightPlace)
{
    // Two bars and an L whose gap is one row of bricks from file place (2, 2)
    // to (16, 2) and one below at (15, 3): the bars fill (2, 2) to (12, 2) in
    // one way only, the L the rest.
    const std::string path = fixtures::writeSmallGame("two-bars.gam", [](ClGameFile& file) {
        file.puzzles[0].pieces = {fixtures::piece(0, 2, 2, 2, 12), fixtures::piece(0, 8, 2, 2, 14),
                                  fixtures::piece(1, 14, 2, 10, 14)};
        file.puzzles[0].pieceCount = 3;
    });
    constexpr int kStart = -1;
    // What is played; where each piece lies in file units (x kStart: at its
    // start); the search's steps; the outcome; the piece moved (kStart: none)
    // and where its bricks' corner lands, in play units.
    const std::tuple<const char*, std::array<ClPoint, 3>, std::int64_t, HintOutcome, int, ClPoint> cases[] = {
        {"from the start", {{{kStart}, {kStart}, {kStart}}}, kHintSearchSteps, HintOutcome::Placed, 0, {8, 8}},
        {"a wrong bar after a right one", {{{2, 2}, {10, 2}, {kStart}}}, kHintSearchSteps, HintOutcome::TookBack, 1, {8, 56}},
        {"a wrong bar before a right one", {{{10, 2}, {2, 2}, {kStart}}}, kHintSearchSteps, HintOutcome::TookBack, 0, {8, 48}},
        {"a bar half in the gap", {{{kStart}, {0, 2}, {kStart}}}, kHintSearchSteps, HintOutcome::TookBack, 1, {8, 56}},
        {"a search that runs out", {{{2, 2}, {10, 2}, {kStart}}}, 1, HintOutcome::NotFound, kStart, {}},
    };
    for (const auto& [what, at, steps, outcome, moved, corner] : cases) {
        SCOPED_TRACE(what);
        ClGameControl game;
        ASSERT_TRUE(fixtures::startPlay(game, path));
        auto& pieces = game.puzzle.pieces;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (at[i].x != kStart) {
                game.selectedPiece = &pieces[i];
                game.movePiece(&pieces[i], at[i].x * kBrickScale, at[i].y * kBrickScale);
            }
        game.selectedPiece = nullptr;
        const ClPuzzle before = game.puzzle;

        const HintResult hint = giveHint(game, steps);
        EXPECT_EQ(hint.outcome, outcome);
        EXPECT_EQ(hint.piece, moved == kStart ? nullptr : &pieces[std::size_t(moved)]);
        if (hint.piece) {
            EXPECT_EQ(cornerOf(hint.piece->cells()), corner);
        }
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (int(i) != moved) {
                EXPECT_EQ(pieces[i].cells(), before.pieces[i].cells()) << "piece " << i << " moved";
            }
    }
}
