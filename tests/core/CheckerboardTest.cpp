#include <gtest/gtest.h>

#include "Fixtures.h"
#include "game/Checkerboard.h"

// The wall is the solution's cells inside the grid; a cell covered twice
// counts once, and taking away what was added restores every counter.
TEST(Checkerboard, WallIsTheSolutionAndCompletionCountsCoverOnce)
{
    const ClShape bar = fixtures::barShape();
    ClPuzzle puzzle;
    // The second piece reaches past the right edge: (6, 1) is no cell of a 6 x 4 grid.
    puzzle.pieces = {fixtures::piece(0, 0, 0, 0, 0), fixtures::piece(0, 2, 1, 0, 0)};
    for (auto& piece : puzzle.pieces)
        piece.shape = &bar;
    ClCheckerboard board(6, 4);
    board.resetFromPuzzle(puzzle);
    std::int32_t wall = -1, covered = -1;
    EXPECT_FALSE(board.isComplete(&wall, &covered));
    EXPECT_EQ(wall, 5);
    EXPECT_EQ(board.positions.getAt(1, 0), -1);

    const ClPoints first = puzzle.pieces[0].cells();
    board.applyCells(first, +1);
    board.applyCells({{0, 0}, {2, 1}, {4, 1}, {1, 2}, {-1, 0}, {6, 1}}, +1);
    EXPECT_EQ(board.positions.getAt(0, 0), 2);
    EXPECT_EQ(board.positions.getAt(1, 2), -1); // off the wall: no trace
    EXPECT_TRUE(board.isComplete(&wall, &covered));
    EXPECT_EQ(covered, 5);

    for (int i = 0; i < 3; ++i)
        board.applyCells(first, -1);
    EXPECT_EQ(board.positions.getAt(0, 0), 0); // an uncovered wall cell stays in the wall
}

// Negative sides are played in DamagedGroup; huge ones must not ask for unbounded memory.
TEST(Checkerboard, HugeSizesStayBounded)
{
    ClCheckerboard huge(1 << 30, 1 << 30);
    EXPECT_EQ(huge.positions.width, ClPositions::kMaxSide);
    EXPECT_EQ(huge.positions.height, ClPositions::kMaxSide);
}
