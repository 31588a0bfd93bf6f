#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "Fixtures.h"
#include "game/Checkerboard.h"

namespace {

// The small game's puzzle 0 in play on an 80 x 80 grid: the bar starts at
// (8, 48) for its place (8, 8), the L at (40, 56) for its place (32, 8).
struct Game : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(fixtures::startPlay(game, fixtures::writeSmallGame("control.gam"))); }
    std::int32_t counter(std::int32_t x, std::int32_t y) const
    {
        return game.gameData->checkerboard->positions.getAt(x, y);
    }
    ClGameControl game;
};

std::int32_t wallCells(const ClGameControl& game)
{
    std::int32_t wall = 0;
    game.gameData->checkerboard->isComplete(&wall);
    return wall;
}

} // namespace

TEST(Gamedata, ConversionHappensOnceAndOnlyOnFreshContent)
{
    ClGameData data;
    EXPECT_FALSE(data.rescaleToPlayUnits()); // nothing loaded
    ASSERT_TRUE(data.load(fixtures::writeSmallGame("convert.gam")));
    ASSERT_TRUE(data.rescaleToPlayUnits());
    EXPECT_FALSE(data.rescaleToPlayUnits());
    EXPECT_EQ(data.checkerboard->positions.width, 80);
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
    EXPECT_FALSE(game.selectPuzzle(-1));
    EXPECT_FALSE(game.selectPuzzle(3));
    EXPECT_EQ(game.puzzle.pieces[0].y, 48); // a refusal copies nothing
    EXPECT_TRUE(game.selectPuzzle(0));
    EXPECT_EQ(game.puzzle.pieces[1].startY, 56);

    EXPECT_TRUE(game.prevPuzzle()); // already first: same record again
    EXPECT_EQ(game.puzzle.pieces[0].x, 8);
    EXPECT_FALSE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_EQ(game.puzzle.puzzleWord1, 2);
}

TEST_F(Game, PickingSwapsTheHitPieceToTheFront)
{
    // A third piece, an L whose first brick lies on the bar's middle brick.
    ClPuzzle& puzzle = game.puzzle;
    ClPiece third = puzzle.pieces[1];
    third.x = 16;
    third.y = 48;
    puzzle.pieces.push_back(third);
    EXPECT_EQ(game.pickPiece(16, 48), &puzzle.pieces[0]); // the earlier of the two
    EXPECT_EQ(puzzle.pieces[0].shapeIndex, 0);
    // Picking the third of A, B, C gives C, B, A.
    ASSERT_EQ(game.pickPiece(20, 52), &puzzle.pieces[0]);
    EXPECT_EQ(puzzle.pieces[0].x, 16);
    EXPECT_EQ(puzzle.pieces[1].x, 40);
    EXPECT_EQ(puzzle.pieces[2].shapeIndex, 0);
    EXPECT_EQ(game.selectedPiece, &puzzle.pieces[0]);
    // The pieces keep their place in the file: the keys choose by it.
    EXPECT_EQ(game.pieceInFileOrder(0)->shapeIndex, 0);
    EXPECT_EQ(game.pickInFileOrder(1), &puzzle.pieces[0]);
    EXPECT_EQ(puzzle.pieces[0].x, 40);
    EXPECT_EQ(game.pickInFileOrder(3), nullptr);
    EXPECT_EQ(game.selectedPiece, nullptr);

    // Stepping replaces the pieces, so the selection must not survive it.
    game.nextPuzzle();
    EXPECT_EQ(game.selectedPiece, nullptr);
}

TEST_F(Game, MovesStayInsideTheFieldAndKeepTheGridInStep)
{
    ClPiece* bar = game.pickPiece(8, 48);
    ASSERT_NE(bar, nullptr);
    // The bar spans columns 8..23 of the grid; rows stop a brick short.
    EXPECT_FALSE(game.canMoveTo(bar, -1, 10));
    EXPECT_FALSE(game.canMoveTo(bar, 10, 76));
    EXPECT_TRUE(game.canMoveTo(bar, 10, 75));
    EXPECT_TRUE(game.canMoveTo(bar, 63, 10));
    EXPECT_FALSE(game.canMoveTo(bar, 64, 10));

    game.movePiece(bar, 8, 8);
    EXPECT_EQ(counter(8, 8), 1);
    EXPECT_EQ(counter(24, 8), 1);
    game.rotatePiece(bar, 180);
    EXPECT_EQ(counter(8, 8), 1);
    game.movePiece(bar, 8, 48);
    EXPECT_EQ(counter(8, 8), 0);
}

// Every operation says what it did and whether the wall is complete: only
// the one that covers its last cell says so.
TEST_F(Game, DropsSnapOntoFreeWallCellsAndTheLastMoveCompletesTheWall)
{
    ClPiece* bar = game.pickPiece(8, 48);
    // 4k+1 goes down, 4k+2 and 4k+3 go up, rows alike; where the bond lies
    // beside the wall the piece stays where it was dropped.
    const std::tuple<ClPoint, ClPoint, PieceChange> drops[] = {{{9, 9}, {8, 8}, PieceChange::Snapped},
                                                               {{6, 7}, {8, 8}, PieceChange::Snapped},
                                                               {{10, 9}, {10, 9}, PieceChange::Moved}};
    for (const auto& [dropped, landed, change] : drops) {
        const PlayOutcome outcome = game.snapPiece(bar, dropped.x, dropped.y);
        EXPECT_EQ((ClPoint{bar->x, bar->y}), landed) << dropped.x << ", " << dropped.y;
        EXPECT_EQ(outcome.change, change);
        EXPECT_FALSE(outcome.complete);
    }

    // With the bar lying unsnapped over the L's place, the L cannot snap there.
    EXPECT_FALSE(game.movePiece(bar, 32, 8).complete);
    ClPiece* ell = game.pickPiece(40, 56);
    ASSERT_NE(ell, nullptr);
    EXPECT_EQ(game.snapPiece(ell, 33, 9).change, PieceChange::Moved);
    EXPECT_EQ(ell->x, 33);
    EXPECT_FALSE(game.movePiece(&game.puzzle.pieces[1], 8, 8).complete);
    const PlayOutcome last = game.snapPiece(ell, 33, 9);
    EXPECT_EQ((ClPoint{ell->x, ell->y}), (ClPoint{32, 8}));
    EXPECT_TRUE(last.complete);
    EXPECT_EQ(last.change, PieceChange::Snapped);
    EXPECT_TRUE(game.letGo().complete);
    EXPECT_EQ(game.selectedPiece, nullptr);

    // The bar a brick too far left, turned about its last brick, lands in its place.
    bar = game.pickPiece(8, 8);
    EXPECT_FALSE(game.movePiece(bar, -8, 8).complete);
    EXPECT_TRUE(game.turnPiece(bar, 8 + 7, 8 + 3).complete);
    EXPECT_EQ(bar->x, 8);
}

// A right click anywhere on a brick, in either row, turns the piece about
// that brick; on no brick, about the first.
TEST_F(Game, TurnsKeepTheClickedBrickInPlace)
{
    ClPiece* ell = game.pickPiece(40, 56);
    ASSERT_NE(ell, nullptr);
    ell->shapeIndex = 2; // turns by the half turn, so twice is once round
    const ClPoints start = ell->cells();
    for (std::size_t k = 0; k < start.size(); ++k)
        for (const ClPoint corner : {ClPoint{0, 0}, ClPoint{7, 0}, ClPoint{0, 3}, ClPoint{7, 3}}) {
            const ClPoint at{start[k].x + corner.x, start[k].y + corner.y};
            EXPECT_EQ(game.turnPiece(ell, at.x, at.y).change, PieceChange::Turned);
            EXPECT_EQ(ell->cells()[k], start[k]) << "brick " << k << " clicked at " << at.x << ", " << at.y;
            EXPECT_NE(ell->cells(), start);
            game.turnPiece(ell, at.x, at.y);
            ASSERT_EQ(ell->cells(), start);
        }

    ell->shapeIndex = 4; // the shape that turns through every angle, then mirrors
    game.turnPiece(ell, 0, 0);
    EXPECT_EQ(std::pair(ell->angle, ell->flipped), std::pair(180, 0));
    game.turnPiece(ell, 0, 0);
    EXPECT_EQ(std::pair(ell->angle, ell->flipped), std::pair(0, 1));
    EXPECT_EQ(ell->cells()[0], start[0]); // no brick there: the first brick stays

    ell->shapeIndex = 1;
    const ClPoints unchanged = ell->cells();
    EXPECT_EQ(game.turnPiece(ell, 45, 62).change, PieceChange::None);
    EXPECT_EQ(ell->cells(), unchanged);
}

TEST(DamagedGroup, PiecesWithoutUsableShapesOrPlacesPlayWithoutHarm)
{
    ClGameFile file;
    const std::string path = fixtures::tempPath("damaged.gam");
    ASSERT_TRUE(fixtures::damagedGroup(file).save(path));
    ClGameControl game;
    ASSERT_TRUE(fixtures::startPlay(game, path));
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

    EXPECT_EQ(game.pickPiece(32, 48), nullptr); // where the shapeless pieces start
    ClPiece* far = game.pickPiece(INT32_MAX, INT32_MAX);
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(game.canMoveTo(far, 10, 10)); // it can be brought back
    EXPECT_FALSE(game.canMoveTo(far, INT32_MAX, 10));
    game.movePiece(far, 40, 40);
    EXPECT_EQ(far->cells(), (ClPoints{{40, 40}, {48, 40}, {56, 40}}));
    EXPECT_EQ(game.turnPiece(far, INT32_MAX, INT32_MIN).change, PieceChange::Turned);
    game.snapPiece(far, INT32_MAX, INT32_MIN);
    EXPECT_EQ(far->x, INT32_MAX); // no wall at the bond there: it stays where dropped
    EXPECT_EQ(far->y, INT32_MIN);
    game.flipPiece(far);
    game.rotatePiece(far, INT32_MIN);

    // The playable pieces still finish the wall.
    const std::pair<ClPoint, ClPoint> homes[] = {{{8, 48}, {8, 8}}, {{48, 64}, {48, 24}}, {{64, 64}, {64, 24}}};
    PlayOutcome last;
    for (const auto& [start, home] : homes) {
        ClPiece* piece = game.pickPiece(start.x, start.y);
        ASSERT_NE(piece, nullptr) << start.x;
        last = game.snapPiece(piece, home.x, home.y);
        EXPECT_EQ(piece->x, home.x);
    }
    EXPECT_TRUE(last.complete);
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
        ASSERT_TRUE(fixtures::startPlay(game, path));
        // Nothing to fill: an empty wall counts as complete from the start.
        EXPECT_EQ(wallCells(game), 0);
        EXPECT_TRUE(game.gameData->checkerboard->isComplete());
        ClPiece* bar = game.pickPiece(8, 48);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(game.canMoveTo(bar, 0, 0));
        EXPECT_FALSE(game.canMoveTo(bar, 8, 8));
        game.snapPiece(bar, 9, 9); // no free wall cell: it stays where dropped
        EXPECT_EQ(bar->x, 9);
        EXPECT_EQ(game.turnPiece(bar, 9, 9).change, PieceChange::Turned);
    }
}

namespace {

// The grid as play should have it: the wall of the puzzle's solution, then
// every piece counted where it lies now.
bool gridIsRebuiltFromScratch(const ClGameControl& game)
{
    const ClPositions& grid = game.gameData->checkerboard->positions;
    ClCheckerboard rebuilt(grid.width, grid.height);
    ClPuzzle solution = game.gameData->puzzles[std::size_t(game.puzzleIndex)];
    for (auto& piece : solution.pieces) {
        piece.x *= kBrickScale;
        piece.y *= kBrickScale;
    }
    rebuilt.resetFromPuzzle(solution);
    for (const auto& piece : game.puzzle.pieces)
        rebuilt.applyCells(piece.cells(), +1);
    for (std::int32_t x = 0; x < grid.width; ++x)
        for (std::int32_t y = 0; y < grid.height; ++y)
            if (grid.getAt(x, y) != rebuilt.positions.getAt(x, y))
                return false;
    return true;
}

std::vector<ClPoints> cellsOf(const ClGameControl& game)
{
    std::vector<ClPoints> cells;
    for (std::size_t k = 0; k < game.puzzle.pieces.size(); ++k)
        cells.push_back(const_cast<ClGameControl&>(game).pieceInFileOrder(k)->cells());
    return cells;
}

} // namespace

// Each gesture, ended by letting go, is one step back: a whole drag, a snap,
// a turn. Undo and redo move the pieces as play does, so the grid always
// equals one counted afresh.
TEST_F(Game, UndoAndRedoTakeBackWholeGesturesAndKeepTheGridInStep)
{
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(game.undo().change, PieceChange::None);
    std::vector<std::vector<ClPoints>> seen{cellsOf(game)};
    // A drag: many moves, then the snap.
    ClPiece* bar = game.pickPiece(8, 48);
    for (std::int32_t y = 47; y > 9; --y)
        game.movePiece(bar, 9, y);
    EXPECT_TRUE(game.canUndo()); // a change not let go yet
    game.snapPiece(bar, 9, 9);
    game.letGo();
    seen.push_back(cellsOf(game));
    // A turn, then a move that is no snap.
    bar = game.pickPiece(8, 8);
    EXPECT_EQ(game.turnPiece(bar, 8, 8).change, PieceChange::Turned);
    game.letGo();
    seen.push_back(cellsOf(game));
    ClPiece* ell = game.pickPiece(40, 56);
    game.snapPiece(ell, 45, 30);
    game.letGo();
    seen.push_back(cellsOf(game));
    game.pickPiece(8, 8); // picking alone changes nothing
    game.letGo();

    for (std::size_t back = seen.size() - 1; back > 0; --back) {
        const PlayOutcome undone = game.undo();
        EXPECT_EQ(undone.change, PieceChange::Moved);
        EXPECT_FALSE(undone.complete);
        EXPECT_EQ(cellsOf(game), seen[back - 1]) << back;
        EXPECT_TRUE(gridIsRebuiltFromScratch(game));
    }
    EXPECT_FALSE(game.canUndo()); // back at the start
    EXPECT_EQ(game.redo().change, PieceChange::Moved);
    EXPECT_EQ(game.redo().change, PieceChange::Moved);
    EXPECT_EQ(cellsOf(game), seen[2]);
    EXPECT_TRUE(gridIsRebuiltFromScratch(game));
    EXPECT_TRUE(game.canRedo());

    // A new change drops what was undone; so does one still held.
    game.undo();
    ell = game.pickPiece(40, 56);
    ASSERT_NE(ell, nullptr);
    game.movePiece(ell, 44, 56);
    EXPECT_EQ(game.redo().change, PieceChange::None);
    EXPECT_FALSE(game.canRedo());
    EXPECT_EQ(game.undo().change, PieceChange::Moved); // the held move, as a step
    EXPECT_EQ(cellsOf(game), seen[1]);
    EXPECT_TRUE(gridIsRebuiltFromScratch(game));
}

// A solved wall ends the history; restarting or stepping starts afresh.
TEST_F(Game, SolvingRestartingAndSteppingEndTheHistory)
{
    ClPiece* bar = game.pickPiece(8, 48);
    game.snapPiece(bar, 8, 8);
    game.letGo();
    game.restart();
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(game.undo().change, PieceChange::None);
    EXPECT_EQ(game.puzzle.pieces[0].y, 48);

    bar = game.pickPiece(8, 48);
    game.snapPiece(bar, 8, 8);
    game.letGo();
    game.nextPuzzle();
    EXPECT_FALSE(game.canUndo());
    game.restart();

    bar = game.pickPiece(8, 48);
    game.snapPiece(bar, 8, 12);
    game.letGo();
    ClPiece* ell = game.pickPiece(40, 56);
    game.snapPiece(ell, 32, 12);
    EXPECT_TRUE(game.letGo().complete);
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(game.undo().change, PieceChange::None);
    EXPECT_TRUE(game.wallComplete());
}

// The keys step by file units inside the field canMoveTo allows; a piece a
// turn left reaching out of it comes back in with the first step, whichever way.
TEST_F(Game, KeyStepsStayInTheFieldAndBringAStrayPieceBack)
{
    ClPiece* bar = game.pickPiece(8, 48);
    EXPECT_EQ(game.stepInField(bar, 1, 0), (ClPoint{12, 48}));
    EXPECT_EQ(game.stepInField(bar, 0, -1), (ClPoint{8, 44}));
    game.movePiece(bar, 0, 75); // the last row the field allows
    EXPECT_EQ(game.stepInField(bar, 0, 1), std::nullopt);
    EXPECT_EQ(game.stepInField(bar, -1, 0), std::nullopt);
    game.movePiece(bar, 63, 8); // its last brick at the grid's right edge
    EXPECT_EQ(game.stepInField(bar, 1, 0), std::nullopt);

    game.movePiece(bar, -10, 78);
    EXPECT_EQ(game.stepInField(bar, 1, 0), (ClPoint{2, 74}));
    EXPECT_EQ(game.stepInField(bar, 0, -1), (ClPoint{2, 74}));
    game.movePiece(bar, 70, 8);
    EXPECT_EQ(game.stepInField(bar, 0, 1), (ClPoint{62, 12}));
}
