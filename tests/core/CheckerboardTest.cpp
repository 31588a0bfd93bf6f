#include <gtest/gtest.h>

#include "Fixtures.h"
#include "game/Checkerboard.h"

namespace {
ClPuzzle puzzleOf(const ClShape& shape, std::vector<ClPiece> pieces)
{
    ClPuzzle puzzle;
    for (auto& p : pieces)
        p.shape = &shape;
    puzzle.pieces = std::move(pieces);
    puzzle.pieceCount = std::int32_t(puzzle.pieces.size());
    return puzzle;
}
} // namespace

TEST(Checkerboard, WallIsTheSolutionAndCompletionCountsCoverOnce)
{
    const ClShape bar = fixtures::barShape();
    const ClPuzzle puzzle = puzzleOf(bar, {fixtures::piece(0, 0, 0, 0, 0), fixtures::piece(0, 1, 1, 0, 0)});
    ClCheckerboard board(8, 4);
    board.resetFromPuzzle(puzzle);
    std::int32_t wall = -1, covered = -1;
    EXPECT_FALSE(board.isComplete(&wall, &covered));
    EXPECT_EQ(wall, 6);
    EXPECT_EQ(covered, 0);
    EXPECT_EQ(board.positions.getAt(1, 1), 0);
    EXPECT_EQ(board.positions.getAt(1, 0), -1);

    // Two pieces on one cell: the counter says 2, the cell counts once.
    const ClPoints first = puzzle.pieces[0].cells();
    board.applyCells(first, +1);
    board.applyCells({{0, 0}, {1, 1}, {3, 1}, {5, 1}}, +1);
    EXPECT_EQ(board.positions.getAt(0, 0), 2);
    EXPECT_TRUE(board.isComplete(&wall, &covered));
    EXPECT_EQ(covered, 6);
    EXPECT_TRUE(board.isComplete()); // no counts asked for

    // Taking away what was added restores every counter; an uncovered wall
    // cell stays in the wall.
    board.applyCells(first, -1);
    board.applyCells(first, -1);
    board.applyCells(first, -1);
    EXPECT_EQ(board.positions.getAt(0, 0), 0);
    EXPECT_EQ(board.positions.getAt(2, 0), 0);
    board.applyCells(first, 2); // not a delta the grid knows
    EXPECT_EQ(board.positions.getAt(2, 0), 0);
}

TEST(Checkerboard, PointsOffTheWallOrGridLeaveNoTrace)
{
    const ClShape bar = fixtures::barShape();
    ClCheckerboard board(6, 3);
    // The second piece reaches past the right and bottom edges.
    board.resetFromPuzzle(puzzleOf(bar, {fixtures::piece(0, 0, 0, 0, 0), fixtures::piece(0, 4, 2, 0, 0)}));
    std::int32_t wall = 0;
    board.isComplete(&wall);
    EXPECT_EQ(wall, 4); // (0,0), (2,0), (4,0), (4,2)
    board.applyCells({{-1, 0}, {6, 0}, {0, 3}, {1, 1}, {4, 2}}, +1);
    EXPECT_EQ(board.positions.getAt(4, 2), 1);
    EXPECT_EQ(board.positions.getAt(1, 1), -1);
    EXPECT_EQ(board.positions.getAt(6, 0), -1); // outside reads as no wall
}

TEST(Checkerboard, DamagedSizesStayBounded)
{
    ClCheckerboard negative(-5, 10);
    EXPECT_EQ(negative.positions.width, 0);
    EXPECT_TRUE(negative.isComplete());
    ClCheckerboard huge(1 << 30, 1 << 30);
    EXPECT_EQ(huge.positions.width, ClPositions::kMaxSide);
    EXPECT_EQ(huge.positions.height, ClPositions::kMaxSide);
}
