#include <gtest/gtest.h>

#include "game/Regions.h"
#include "game/Solver.h"

namespace {

ClShape shapeOf(ClPoints anchors)
{
    ClShape shape;
    std::int32_t width = 0;
    for (const auto& p : anchors)
        width = std::max(width, p.x);
    shape.centerX = shape.mirrorX = float(width / 2);
    shape.points = std::move(anchors);
    return shape;
}

PlaceSet placesOf(const ClPoints& cells)
{
    PlaceSet places;
    EXPECT_TRUE(addPlaces(cells, places));
    return places;
}

// Two rows of four bricks, the lower one half a brick to the right.
const ClPoints kLadder{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {1, 1}, {3, 1}, {5, 1}, {7, 1}};

struct Pieces {
    // Kept alive here: pieces point into them.
    std::vector<ClShape> shapes;
    ClPuzzle puzzle;

    void add(std::size_t shape, std::int32_t shapeIndex, int count)
    {
        for (int i = 0; i < count; ++i) {
            ClPiece piece;
            piece.shapeIndex = shapeIndex;
            piece.shape = &shapes[shape];
            puzzle.pieces.push_back(piece);
        }
    }
    std::int64_t tilings(const ClPoints& region, std::int64_t limit = 1000) const
    {
        return countTilings(placesOf(region), pieceKinds(puzzle, 180), limit);
    }
};

} // namespace

TEST(Solver, CountsLadderTilingsOnceForInterchangeablePieces)
{
    // A rung joins a brick to the one below right; a bar joins two in a row.
    // Shape index 1 never turns, so each keeps its one orientation.
    Pieces pieces{{shapeOf({{0, 0}, {1, 1}}), shapeOf({{0, 0}, {2, 0}})}, {}};
    pieces.add(0, 1, 4);
    EXPECT_EQ(pieces.tilings(kLadder), 1);

    // Like dominoes on a 2 x 4 board with two upright: ||=, |=|, =||.
    pieces.puzzle.pieces.clear();
    pieces.add(0, 1, 2);
    pieces.add(1, 1, 2);
    EXPECT_EQ(pieces.tilings(kLadder), 3);
    EXPECT_EQ(pieces.tilings(kLadder, 2), 2);

    pieces.add(1, 1, 1); // one brick pair too many
    EXPECT_EQ(pieces.tilings(kLadder), 0);
}

TEST(Solver, UsesExactlyTheOrientationsTheTurnRuleReaches)
{
    // Two rows of three fill only with one triangle point down and one point up.
    const ClPoints strip{{0, 0}, {2, 0}, {4, 0}, {1, 1}, {3, 1}, {5, 1}};
    ClShape pointDown = shapeOf({{0, 0}, {2, 0}, {1, 1}});
    pointDown.centerY = 0;
    Pieces fixed{{pointDown}, {}};
    fixed.add(0, 1, 2);
    EXPECT_EQ(fixed.tilings(strip), 0);

    Pieces turning{{pointDown}, {}};
    turning.add(0, 2, 2); // shape index 2 turns by the half turn
    EXPECT_EQ(turning.tilings(strip), 1);

    // A start the turn rule cannot leave: a quarter turn stays off the bond.
    turning.puzzle.pieces[1].startAngle = 90;
    EXPECT_EQ(turning.tilings(strip), 0);
}

TEST(Regions, EnclosedWallIsWhatTheGapSealsOffFromTheEdge)
{
    const ClPoints ring{{5, 5}, {7, 5}, {4, 6}, {8, 6}, {5, 7}, {7, 7}};
    const PlaceSet enclosed = enclosedPlaces(placesOf(ring));
    ASSERT_EQ(enclosed.count(), 1);
    EXPECT_EQ(placeAt(enclosed.first()), (ClPoint{6, 6}));
    EXPECT_TRUE(isConnected(ring));

    ClPoints open = ring;
    open.pop_back();
    EXPECT_TRUE(enclosedPlaces(placesOf(open)).empty());
    // Odd rows end in half bricks: wall beside one still reaches the edge.
    EXPECT_TRUE(enclosedPlaces(placesOf({{0, 0}, {2, 0}, {3, 1}, {0, 2}, {2, 2}})).empty());
    EXPECT_FALSE(isConnected({{0, 0}, {4, 0}}));
}
