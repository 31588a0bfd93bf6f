#include <gtest/gtest.h>

#include <limits>

#include "model/Gamefile.h"

namespace {
ClPoints turned(ClPoints points, std::int32_t degrees, float centreX, float centreY)
{
    rotatePoints(points, degrees, centreX, centreY);
    return points;
}

ClPoints mirrored(ClPoints points, float axisX)
{
    mirrorPoints(points, axisX);
    return points;
}
} // namespace

TEST(Point, RotationRoundsHalvesAwayFromZeroAndMirrorTruncatesTowardZero)
{
    EXPECT_EQ(turned({{4, 0}, {0, 4}}, 90, 0, 0), (ClPoints{{0, 4}, {-4, 0}})); // clockwise on the screen
    EXPECT_EQ(turned({{-2, 0}, {3, 0}}, 180, 0.25f, 0), (ClPoints{{3, 0}, {-3, 0}})); // 2.5 and -2.5 go outwards

    EXPECT_EQ(mirrored({{1, 0}, {3, 5}}, 2.5f), (ClPoints{{4, 0}, {2, 5}}));
    EXPECT_EQ(mirrored({{1, 0}}, 0.25f), (ClPoints{{0, 0}})); // 2 * 0.25 - 1 = -0.5 truncates to 0, not -1
    // A damaged file's huge or NaN axis stops at the limits, or at 0.
    EXPECT_EQ(mirrored({{1, 0}, {-1, 0}}, 3e38f), (ClPoints{{INT32_MAX, 0}, {INT32_MAX, 0}}));
    EXPECT_EQ(mirrored({{1, 0}}, -3e38f), (ClPoints{{INT32_MIN, 0}}));
    EXPECT_EQ(mirrored({{1, 0}}, std::numeric_limits<float>::quiet_NaN()), (ClPoints{{0, 0}}));

    // The corner of the box around the points, which need not be one of them.
    EXPECT_EQ(cornerOf({{4, 0}, {0, 4}, {2, 2}}), (ClPoint{0, 0}));
    EXPECT_EQ(cornerOf({{5, 7}}), (ClPoint{5, 7}));
    EXPECT_EQ(cornerOf({}), (ClPoint{0, 0}));
}

// Mirroring comes first, in the shape's own frame; the two orders differ.
TEST(Piece, CellsFollowMirrorThenTurnThenMoveAndTheAngleStaysInATurn)
{
    ClShape shape;
    shape.points = {{0, 0}, {8, 0}, {4, 4}};
    shape.centerX = 4;
    shape.mirrorX = 2;
    ClPiece piece;
    piece.shape = &shape;
    piece.x = 8;
    piece.y = 4;
    piece.flipped = 5; // any non-zero value is mirrored
    piece.angle = 300;
    piece.rotate(150);
    EXPECT_EQ(piece.angle, 90);
    EXPECT_EQ(piece.cells(), (ClPoints{{12, 4}, {12, -4}, {8, 0}}));
    piece.flip();
    EXPECT_EQ(piece.flipped, 0);
    piece.angle = -90; // the sum keeps its sign
    piece.rotate(0);
    EXPECT_EQ(piece.angle, -90);
    piece.angle = INT32_MAX;
    piece.rotate(INT32_MAX);
    EXPECT_LT(piece.angle, 360);
}
