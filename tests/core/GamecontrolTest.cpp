#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "Fixtures.h"
#include "game/Checkerboard.h"
#include "game/Gamecontrol.h"

namespace {

struct Game : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(game.gameData->load(fixtures::writeSmallGame("control.gam")));
        ASSERT_TRUE(game.gameData->rescaleToPlayUnits());
    }
    const ClPositions& grid() const { return game.gameData->checkerboard->positions; }
    ClGameControl game;
};

} // namespace

TEST(Gamedata, ConversionHappensOnceAndOnlyOnFreshContent)
{
    ClGameData data;
    EXPECT_FALSE(data.rescaleToPlayUnits()); // nothing loaded
    ASSERT_TRUE(data.load(fixtures::writeSmallGame("convert.gam")));
    EXPECT_EQ(data.checkerboard->positions.width, 20);
    ASSERT_TRUE(data.rescaleToPlayUnits());
    EXPECT_FALSE(data.rescaleToPlayUnits());
    EXPECT_EQ(data.checkerboard->positions.width, 80);
    EXPECT_EQ(data.header.cellWidth, 8);
    EXPECT_EQ(data.header.cellHeight, 5);
    EXPECT_EQ(data.shapes[1].points[2], (ClPoint{4, 4}));
    EXPECT_EQ(data.shapes[1].centerY, 2.0f);
    EXPECT_EQ(data.puzzles[0].pieces[1].x, 8); // pieces stay in file units

    // A failed load keeps the converted content and grid; a good one starts over.
    const ClCheckerboard* board = data.checkerboard.get();
    EXPECT_FALSE(data.load(fixtures::tempPath("missing.gam")));
    EXPECT_EQ(data.checkerboard.get(), board);
    EXPECT_FALSE(data.rescaleToPlayUnits());
    ASSERT_TRUE(data.load(fixtures::writeSmallGame("convert.gam")));
    EXPECT_TRUE(data.rescaleToPlayUnits());
}

TEST_F(Game, SteppingCopiesInPlayUnitsAndStaysInBounds)
{
    EXPECT_EQ(game.isValid(), &game);
    EXPECT_FALSE(game.selectPuzzle(-1));
    EXPECT_FALSE(game.selectPuzzle(3));
    EXPECT_TRUE(game.puzzle.pieces.empty()); // nothing copied by a refusal

    EXPECT_TRUE(game.selectPuzzle(0));
    EXPECT_EQ(game.puzzle.pieces[1].x, 32);
    EXPECT_EQ(game.puzzle.pieces[1].startY, 56);
    game.puzzle.pieces[0].x = 999;
    EXPECT_EQ(game.gameData->puzzles[0].pieces[0].x, 2); // the collection is untouched

    EXPECT_TRUE(game.prevPuzzle()); // already first: same record again
    EXPECT_EQ(game.puzzleIndex, 0);
    EXPECT_EQ(game.puzzle.pieces[0].x, 8);
    EXPECT_FALSE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_EQ(game.puzzleIndex, 2);
    EXPECT_EQ(game.puzzle.puzzleWord1, 2);

    ClGameControl empty;
    EXPECT_TRUE(empty.nextPuzzle());
    EXPECT_TRUE(empty.prevPuzzle());
    EXPECT_EQ(empty.puzzleIndex, 0);
    EXPECT_EQ(empty.isValid(), nullptr);
    EXPECT_EQ(empty.pickPiece(0, 0), nullptr);
    empty.restart(); // nothing to lay out
}

TEST_F(Game, RestartLaysOutTheWallAndPiecesAtTheirStarts)
{
    game.selectPuzzle(0);
    game.restart();
    EXPECT_EQ(game.puzzle.pieces[0].x, 8);
    EXPECT_EQ(game.puzzle.pieces[0].y, 48);
    std::int32_t wall = 0, covered = 0;
    EXPECT_FALSE(game.gameData->checkerboard->isComplete(&wall, &covered));
    EXPECT_EQ(wall, 6);
    EXPECT_EQ(covered, 0);
    EXPECT_EQ(grid().getAt(8, 8), 0);
}

TEST_F(Game, PickingSwapsTheHitPieceToTheFront)
{
    game.selectPuzzle(0);
    game.restart();
    ClPuzzle& puzzle = game.puzzle;
    // A third piece, an L whose first brick lies on the bar's middle brick.
    ClPiece third = puzzle.pieces[1];
    third.x = 16;
    third.y = 48;
    puzzle.pieces.push_back(third);

    EXPECT_EQ(game.pickPiece(0, 0), nullptr);
    EXPECT_EQ(game.selectedPiece, nullptr);
    EXPECT_EQ(game.pickPiece(16, 48), &puzzle.pieces[0]); // the earlier of the two
    EXPECT_EQ(puzzle.pieces[0].shapeIndex, 0);
    // Picking the third of A, B, C gives C, B, A.
    ClPiece* picked = game.pickPiece(20, 52);
    ASSERT_EQ(picked, &puzzle.pieces[0]);
    EXPECT_EQ(puzzle.pieces[0].x, 16);
    EXPECT_EQ(puzzle.pieces[1].x, 40);
    EXPECT_EQ(puzzle.pieces[2].shapeIndex, 0);
    EXPECT_EQ(game.selectedPiece, picked);

    // Stepping replaces the pieces, so the selection must not survive it.
    game.nextPuzzle();
    EXPECT_EQ(game.selectedPiece, nullptr);
}

TEST_F(Game, MovesStayInsideTheFieldAndKeepTheGridInStep)
{
    game.selectPuzzle(0);
    game.restart();
    ClPiece* bar = game.pickPiece(8, 48);
    ASSERT_NE(bar, nullptr);
    // The bar spans columns 8..23 of an 80 x 80 grid; rows stop 4 short.
    EXPECT_FALSE(game.canMoveTo(bar, -1, 10));
    EXPECT_FALSE(game.canMoveTo(bar, 10, 76));
    EXPECT_TRUE(game.canMoveTo(bar, 10, 75));
    EXPECT_TRUE(game.canMoveTo(bar, 63, 10));
    EXPECT_FALSE(game.canMoveTo(bar, 64, 10));

    game.movePiece(bar, 8, 8);
    EXPECT_EQ(grid().getAt(8, 8), 1);
    EXPECT_EQ(grid().getAt(24, 8), 1);
    for (int i = 0; i < 4; ++i)
        game.rotatePiece(bar, 90);
    EXPECT_EQ(bar->angle, 0);
    EXPECT_EQ(grid().getAt(16, 8), 1);
    game.flipPiece(bar);
    game.flipPiece(bar);
    EXPECT_EQ(grid().getAt(8, 8), 1);
    game.movePiece(bar, 8, 48);
    EXPECT_EQ(grid().getAt(8, 8), 0);
}

TEST_F(Game, SnapRoundsToTheBondOnlyOntoFreeWallCells)
{
    game.selectPuzzle(0);
    game.restart();
    ClPiece* bar = game.pickPiece(8, 48);
    // 4k+1 goes down, 4k+2 and 4k+3 go up, rows alike.
    game.snapPiece(bar, 9, 9);
    EXPECT_EQ(bar->x, 8);
    EXPECT_EQ(bar->y, 8);
    game.snapPiece(bar, 6, 7);
    EXPECT_EQ(bar->x, 8);
    EXPECT_EQ(bar->y, 8);
    game.snapPiece(bar, 10, 9); // the bond there lies beside the wall
    EXPECT_EQ(bar->x, 10);
    EXPECT_EQ(bar->y, 9);

    // With the bar lying unsnapped over the L's place, the L cannot snap there.
    game.movePiece(bar, 32, 8);
    ClPiece* ell = game.pickPiece(40, 56);
    ASSERT_NE(ell, nullptr);
    game.snapPiece(ell, 33, 9);
    EXPECT_EQ(ell->x, 33);
    EXPECT_EQ(ell->y, 9);
    game.movePiece(&game.puzzle.pieces[1], 8, 8);
    game.snapPiece(ell, 33, 9);
    EXPECT_EQ(ell->x, 32);
    EXPECT_EQ(ell->y, 8);
    EXPECT_TRUE(game.gameData->checkerboard->isComplete());
}

TEST_F(Game, TurnRuleKeepsTheBrickUnderTheMouse)
{
    game.selectPuzzle(0);
    game.restart();
    ClPiece* ell = game.pickPiece(40, 56);
    ASSERT_NE(ell, nullptr);
    const std::int32_t step = game.gameData->header.rotateStep;
    ell->shapeIndex = 4; // the shape that turns through every angle, then mirrors
    ell->angle = 360 - step;
    ClPoints before = ell->cells();
    ASSERT_EQ(before[1], (ClPoint{40, 60}));
    // Inside the second brick, 5 right of its anchor and 2 down.
    EXPECT_TRUE(game.turnPiece(ell, 45, 62));
    EXPECT_EQ(ell->angle, 0);
    EXPECT_EQ(ell->flipped, 1);
    EXPECT_EQ(ell->cells()[1], before[1]);

    ell->shapeIndex = 1;
    const ClPiece unchanged = *ell;
    EXPECT_FALSE(game.turnPiece(ell, 45, 62));
    EXPECT_EQ(ell->x, unchanged.x);
    EXPECT_EQ(ell->flipped, unchanged.flipped);

    ell->shapeIndex = 3;
    before = ell->cells();
    EXPECT_TRUE(game.turnPiece(ell, 0, 0)); // no brick there: the first brick stays
    EXPECT_EQ(ell->flipped, 0);
    EXPECT_EQ(ell->cells()[0], before[0]);

    ell->shapeIndex = 7; // unknown shapes do not change, but still answer
    EXPECT_TRUE(game.turnPiece(ell, 45, 62));
}

namespace {
std::int32_t wallCells(const ClGameControl& game)
{
    std::int32_t wall = 0;
    game.gameData->checkerboard->isComplete(&wall);
    return wall;
}
} // namespace

TEST(DamagedGroup, PiecesWithoutUsableShapesOrPlacesPlayWithoutHarm)
{
    ClGameFile file;
    const std::string path = fixtures::tempPath("damaged.gam");
    ASSERT_TRUE(fixtures::damagedGroup(file).save(path));
    ClGameControl game;
    ASSERT_TRUE(game.gameData->load(path));
    ASSERT_TRUE(game.gameData->rescaleToPlayUnits());
    ASSERT_TRUE(game.selectPuzzle(0));
    game.restart();
    const auto& pieces = game.puzzle.pieces;

    // No shape: no bricks, no wall, never picked.
    EXPECT_TRUE(pieces[1].cells().empty());
    EXPECT_TRUE(pieces[2].cells().empty());
    // A NaN or infinite centre puts every brick on the piece's origin.
    EXPECT_EQ(pieces[3].cells(), ClPoints(3, ClPoint{48, 64}));
    EXPECT_EQ(pieces[4].cells(), ClPoints(3, ClPoint{64, 64}));
    // Far outside: saturated at the int32 limit, where no wall can be.
    EXPECT_EQ(pieces[5].cells(), ClPoints(3, ClPoint{INT32_MAX, INT32_MAX}));
    // The bar's three bricks and the two origins of the collapsed pieces.
    EXPECT_EQ(wallCells(game), 5);
    EXPECT_FALSE(game.gameData->checkerboard->isComplete());

    EXPECT_EQ(game.pickPiece(32, 48), nullptr); // where the shapeless pieces start
    ClPiece* far = game.pickPiece(INT32_MAX, INT32_MAX);
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(game.canMoveTo(far, 10, 10)); // it can be brought back
    EXPECT_FALSE(game.canMoveTo(far, INT32_MAX, 10));
    game.movePiece(far, 40, 40);
    EXPECT_EQ(far->cells(), (ClPoints{{40, 40}, {48, 40}, {56, 40}}));
    EXPECT_TRUE(game.turnPiece(far, INT32_MAX, INT32_MIN));
    game.snapPiece(far, INT32_MAX, INT32_MIN);
    EXPECT_EQ(far->x, INT32_MAX); // no wall at the bond there: it stays where dropped
    EXPECT_EQ(far->y, INT32_MIN);
    game.flipPiece(far);
    game.rotatePiece(far, INT32_MIN);

    // The playable pieces still finish the wall.
    const std::pair<ClPoint, ClPoint> homes[] = {{{8, 48}, {8, 8}}, {{48, 64}, {48, 24}}, {{64, 64}, {64, 24}}};
    for (const auto& [start, home] : homes) {
        ClPiece* piece = game.pickPiece(start.x, start.y);
        ASSERT_NE(piece, nullptr) << start.x;
        game.snapPiece(piece, home.x, home.y);
        EXPECT_EQ(piece->x, home.x);
    }
    EXPECT_TRUE(game.gameData->checkerboard->isComplete());
}

TEST(DamagedGroup, ZeroAndNegativeGridsHaveNoWallAndRefuseEveryMove)
{
    for (const auto& [width, height] : {std::pair{0, 20}, std::pair{20, 0}, std::pair{-4, -4}}) {
        ClGameFile file;
        fixtures::fillSmallGame(file);
        file.header.gridWidth = width;
        file.header.gridHeight = height;
        const std::string path = fixtures::tempPath("zero-grid.gam");
        ASSERT_TRUE(file.save(path));
        ClGameControl game;
        ASSERT_TRUE(game.gameData->load(path));
        ASSERT_TRUE(game.gameData->rescaleToPlayUnits());
        ASSERT_TRUE(game.selectPuzzle(0));
        game.restart();
        EXPECT_EQ(wallCells(game), 0);
        // Nothing to fill: an empty wall counts as complete from the start.
        EXPECT_TRUE(game.gameData->checkerboard->isComplete());
        ClPiece* bar = game.pickPiece(8, 48);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(game.canMoveTo(bar, 0, 0));
        EXPECT_FALSE(game.canMoveTo(bar, 8, 8));
        game.snapPiece(bar, 9, 9); // no free wall cell: it stays where dropped
        EXPECT_EQ(bar->x, 9);
        EXPECT_TRUE(game.turnPiece(bar, 9, 9));
    }
}
