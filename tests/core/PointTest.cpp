#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/Gamefile.h"

TEST(Point, RotationRoundsHalvesAwayFromZeroAndTurnsClockwise)
{
    ClPoints quarter = {{4, 0}, {0, 4}};
    rotatePoints(quarter, 90, 0, 0);
    EXPECT_EQ(quarter, (ClPoints{{0, 4}, {-4, 0}}));

    // Results of exactly 2.5 and -2.5 must go outwards.
    ClPoints half = {{-2, 0}, {3, 0}};
    rotatePoints(half, 180, 0.25f, 0);
    EXPECT_EQ(half, (ClPoints{{3, 0}, {-3, 0}}));

    ClPoints same = {{3, -7}, {0, 0}};
    rotatePoints(same, 0, 0.5f, 0.5f);
    EXPECT_EQ(same, (ClPoints{{3, -7}, {0, 0}}));

    ClPoints pair = {{0, 0}, {8, 0}};
    rotatePoints(pair, 180, 4, 0);
    EXPECT_EQ(pair, (ClPoints{{8, 0}, {0, 0}}));
}

TEST(Point, MirrorTruncatesTowardZero)
{
    ClPoints points = {{0, 1}, {8, 2}};
    mirrorPoints(points, 4.0f);
    EXPECT_EQ(points, (ClPoints{{8, 1}, {0, 2}}));

    ClPoints odd = {{1, 0}, {3, 5}};
    mirrorPoints(odd, 2.5f);
    EXPECT_EQ(odd, (ClPoints{{4, 0}, {2, 5}}));

    ClPoints negative = {{1, 0}}; // 2 * 0.25 - 1 = -0.5 truncates to 0, not -1
    mirrorPoints(negative, 0.25f);
    EXPECT_EQ(negative[0].x, 0);
}

TEST(Point, DamagedFloatsGiveDefinedPoints)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = 3e38f;
    ClPoints points = {{1, 1}};
    mirrorPoints(points, nan);
    EXPECT_EQ(points[0].x, 0);
    points = {{1, 1}};
    mirrorPoints(points, huge);
    EXPECT_EQ(points[0].x, std::numeric_limits<std::int32_t>::max());
    points = {{1, 1}};
    rotatePoints(points, 90, -huge, nan);
    EXPECT_EQ(points[0].y, 0);
    translatePoints(points, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(points[0].y, std::numeric_limits<std::int32_t>::min());
}

TEST(Piece, CellsFollowMirrorThenTurnThenMove)
{
    ClShape shape;
    shape.points = {{0, 0}, {8, 0}, {4, 4}};
    shape.centerX = 4;
    shape.centerY = 0;
    shape.mirrorX = 2;
    ClPiece piece;
    piece.shape = &shape;
    piece.x = 8;
    piece.y = 4;
    EXPECT_EQ(piece.cells(), (ClPoints{{8, 4}, {16, 4}, {12, 8}}));

    // Mirroring comes first, in the shape's own frame; the two orders differ.
    piece.flipped = 1;
    piece.angle = 90;
    const ClPoints mirroredThenTurned = piece.cells();
    EXPECT_EQ(mirroredThenTurned, (ClPoints{{12, 4}, {12, -4}, {8, 0}}));
    EXPECT_EQ(piece.cells(), mirroredThenTurned); // asking twice changes nothing

    piece.shape = nullptr; // a piece whose shape index named nothing
    EXPECT_TRUE(piece.cells().empty());
}

TEST(Piece, AngleKeepsTheSignOfTheSumAndFlipToggles)
{
    ClPiece piece;
    for (int i = 0; i < 4; ++i)
        piece.rotate(90);
    EXPECT_EQ(piece.angle, 0);
    piece.angle = 300;
    piece.rotate(180);
    EXPECT_EQ(piece.angle, 120);
    piece.angle = -90;
    piece.rotate(0);
    EXPECT_EQ(piece.angle, -90);
    piece.angle = std::numeric_limits<std::int32_t>::max();
    piece.rotate(std::numeric_limits<std::int32_t>::max());
    EXPECT_LT(piece.angle, 360);

    piece.flipped = 5;
    piece.flip();
    EXPECT_EQ(piece.flipped, 0);
    piece.flip();
    EXPECT_EQ(piece.flipped, 1);
}
