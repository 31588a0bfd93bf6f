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
    ClGameControl game;
};

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

// Each piece's bricks, in the order of the puzzle file.
std::vector<ClPoints> cellsOf(ClGameControl& game)
{
    std::vector<ClPoints> cells;
    for (std::size_t k = 0; k < game.puzzle.pieces.size(); ++k)
        cells.push_back(game.pieceInFileOrder(k)->cells());
    return cells;
}

} // namespace

// Stepping copies the puzzle in play units and stays in bounds. Picking
// brings the piece to the front, as it is drawn on top; the keys still
// choose by the place in the file. Stepping drops the selection.
TEST_F(Game, SteppingStaysInBoundsAndPickingSwapsTheHitPieceToTheFront)
{
    // A third piece, an L whose first brick lies on the bar's middle brick.
    ClPuzzle& puzzle = game.puzzle;
    puzzle.pieces.push_back(puzzle.pieces[1]);
    puzzle.pieces[2].x = 16;
    puzzle.pieces[2].y = 48;
    EXPECT_EQ(game.pickPiece(16, 48)->shapeIndex, 0); // the earlier of the two
    // Picking the third of A, B, C gives C, B, A.
    ASSERT_EQ(game.pickPiece(20, 52), &puzzle.pieces[0]);
    EXPECT_EQ(puzzle.pieces[0].x, 16);
    EXPECT_EQ(puzzle.pieces[2].shapeIndex, 0);
    EXPECT_EQ(game.pieceInFileOrder(0)->shapeIndex, 0);

    EXPECT_TRUE(game.prevPuzzle()); // already first: same record again
    EXPECT_EQ(game.selectedPiece, nullptr);
    EXPECT_EQ(game.puzzle.pieces.size(), 2u);
    EXPECT_EQ(game.puzzle.pieces[1].startY, 56);
    EXPECT_FALSE(game.selectPuzzle(-1));
    EXPECT_FALSE(game.selectPuzzle(3));
    EXPECT_FALSE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_TRUE(game.nextPuzzle());
    EXPECT_EQ(game.puzzle.puzzleWord1, 2);
}

// The bar spans columns 8..23 of the grid; rows stop a brick short.
TEST_F(Game, MovesStayInsideTheFieldAndKeepTheGridInStep)
{
    ClPiece* bar = game.pickPiece(8, 48);
    ASSERT_NE(bar, nullptr);
    const std::tuple<std::int32_t, std::int32_t, bool> targets[] = {
        {-1, 10, false}, {10, 76, false}, {10, 75, true}, {63, 10, true}, {64, 10, false}};
    for (const auto& [x, y, allowed] : targets)
        EXPECT_EQ(game.canMoveTo(bar, x, y), allowed) << x << ", " << y;

    game.movePiece(bar, 8, 8);
    game.rotatePiece(bar, 90);
    game.flipPiece(bar);
    EXPECT_TRUE(gridIsRebuiltFromScratch(game));
    game.movePiece(bar, 8, 48);
    EXPECT_TRUE(gridIsRebuiltFromScratch(game));
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

    // The L into its place; then the bar a brick too far left, turned about
    // its last brick, lands in its own, and only that completes the wall.
    ClPiece* ell = game.pickPiece(40, 56);
    EXPECT_FALSE(game.snapPiece(ell, 33, 9).complete);
    EXPECT_EQ((ClPoint{ell->x, ell->y}), (ClPoint{32, 8}));
    game.letGo();
    bar = game.pickPiece(10, 9);
    EXPECT_FALSE(game.movePiece(bar, -8, 8).complete);
    EXPECT_TRUE(game.turnPiece(bar, 8 + 7, 8 + 3).complete);
    EXPECT_TRUE(game.letGo().complete);
}

// A right click anywhere on a brick, in either row, turns the piece about
// that brick; on no brick, about the first.
TEST_F(Game, TurnsKeepTheClickedBrickInPlace)
{
    ClPiece* ell = game.pickPiece(40, 56);
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

    // Shape 4 turns through every angle, then mirrors: on twice, then back
    // click by click round past the start. Shape 3 only mirrors, and back.
    // Clicked on no brick, the first brick stays.
    const std::tuple<std::int32_t, TurnWay, std::pair<int, int>> clicks[] = {
        {4, TurnWay::On, {180, 0}}, {4, TurnWay::On, {0, 1}},     {4, TurnWay::Back, {180, 0}},
        {4, TurnWay::Back, {0, 0}}, {4, TurnWay::Back, {180, 1}}, {3, TurnWay::Back, {180, 0}}};
    for (const auto& [shapeIndex, way, facing] : clicks) {
        ell->shapeIndex = shapeIndex;
        EXPECT_EQ(game.turnPiece(ell, 0, 0, way).change, PieceChange::Turned);
        EXPECT_EQ(std::pair(ell->angle, ell->flipped), facing);
        EXPECT_EQ(ell->cells()[0], start[0]);
    }
    ell->shapeIndex = 1;
    EXPECT_EQ(game.turnPiece(ell, 45, 62).change, PieceChange::None);
}

// Pieces naming no shape, shapes with NaN or huge centres and a piece far
// outside the field play without harm, and the rest still finish the wall.
TEST(DamagedGroup, PiecesWithoutUsableShapesOrPlacesPlayWithoutHarm)
{
    const std::string path = fixtures::writeSmallGame("damaged.gam", [](ClGameFile& file) {
        ClShape nan = fixtures::barShape();
        nan.centerX = nan.mirrorX = std::numeric_limits<float>::quiet_NaN();
        ClShape huge = fixtures::barShape();
        huge.centerY = 3e38f; // infinite once converted to play units
        huge.mirrorX = -3e38f;
        file.shapes.insert(file.shapes.end(), {nan, huge});
        file.header.shapeCount = 4;
        file.puzzles[0].pieces = {
            fixtures::piece(0, 2, 2, 2, 12),   fixtures::piece(-1, 8, 2, 8, 12),
            fixtures::piece(4, 8, 4, 8, 14),   fixtures::piece(2, 12, 6, 12, 16),
            fixtures::piece(3, 16, 6, 16, 16), fixtures::piece(0, 1 << 29, -(1 << 29), 1 << 30, 1 << 30)};
        file.puzzles[0].pieceCount = 6;
    });
    ClGameControl game;
    ASSERT_TRUE(fixtures::startPlay(game, path));
    const auto& pieces = game.puzzle.pieces;

    // No shape, before the table or one past it: no bricks, no wall, never
    // picked. A NaN or infinite centre puts every brick on the piece's
    // origin; far outside saturates.
    for (const std::size_t shapeless : {1, 2})
        EXPECT_TRUE(pieces[shapeless].shape == nullptr && pieces[shapeless].cells().empty()) << shapeless;
    EXPECT_EQ(pieces[3].cells(), ClPoints(3, ClPoint{48, 64}));
    EXPECT_EQ(pieces[4].cells(), ClPoints(3, ClPoint{64, 64}));
    EXPECT_EQ(pieces[5].cells(), ClPoints(3, ClPoint{INT32_MAX, INT32_MAX}));
    std::int32_t wall = 0;
    game.gameData->checkerboard->isComplete(&wall);
    EXPECT_EQ(wall, 5);                         // the bar's three bricks and the two origins
    EXPECT_EQ(game.pickPiece(32, 48), nullptr); // where the shapeless pieces start

    ClPiece* far = game.pickPiece(INT32_MAX, INT32_MAX);
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(game.canMoveTo(far, 10, 10)); // it can be brought back
    EXPECT_EQ(game.turnPiece(far, INT32_MAX, INT32_MIN).change, PieceChange::Turned);
    game.snapPiece(far, INT32_MAX, INT32_MIN);
    EXPECT_EQ(far->y, INT32_MIN); // no wall at the bond there: it stays where dropped
    game.rotatePiece(far, INT32_MIN);

    const std::pair<ClPoint, ClPoint> homes[] = {{{8, 48}, {8, 8}}, {{48, 64}, {48, 24}}, {{64, 64}, {64, 24}}};
    PlayOutcome last;
    for (const auto& [start, home] : homes)
        last = game.snapPiece(game.pickPiece(start.x, start.y), home.x, home.y);
    EXPECT_TRUE(last.complete);
}

// Before any group is open, or with one of no puzzles, every operation is
// refused with its empty result, and nothing is held.
TEST(DamagedGroup, WithoutAPuzzleEveryOperationIsRefused)
{
    const std::string path = fixtures::writeSmallGame("no-puzzles.gam", [](ClGameFile& file) {
        file.header.puzzleCount = 0;
        file.puzzles.clear();
    });
    for (const bool opened : {false, true}) {
        ClGameControl game;
        if (opened) {
            ASSERT_TRUE(game.gameData->load(path) && game.gameData->rescaleToPlayUnits());
        }
        game.restart();
        EXPECT_EQ(game.isValid(), nullptr);
        EXPECT_TRUE(game.nextPuzzle()); // already the last, and the first
        EXPECT_TRUE(game.prevPuzzle());
        EXPECT_FALSE(game.selectPuzzle(0));
        EXPECT_EQ(game.pickPiece(8, 48), nullptr);
        EXPECT_EQ(game.pickInFileOrder(0), nullptr);
        ClPiece stray = fixtures::piece(0, 0, 0, 0, 0);
        // With no field at all, there is no place for a piece either.
        EXPECT_EQ(game.stepInField(&stray, 1, 0).has_value(), opened);
        for (const PlayOutcome outcome : {game.movePiece(&stray, 4, 4), game.snapPiece(&stray, 4, 4),
                                          game.turnPiece(nullptr, 0, 0), game.undo(), game.redo()})
            EXPECT_EQ(outcome.change, PieceChange::None);
        EXPECT_FALSE(game.canUndo());
    }
}

TEST(DamagedGroup, ZeroAndNegativeGridsHaveNoWallAndRefuseEveryMove)
{
    for (const auto& [width, height] : {std::pair{0, 20}, std::pair{20, 0}, std::pair{-4, -4}}) {
        ClGameControl game;
        ASSERT_TRUE(fixtures::startPlay(game, fixtures::writeSmallGame("zero-grid.gam", [&](ClGameFile& file) {
                                            file.header.gridWidth = width;
                                            file.header.gridHeight = height;
                                        })));
        // Nothing to fill: an empty wall counts as complete from the start.
        EXPECT_TRUE(game.wallComplete());
        ClPiece* bar = game.pickPiece(8, 48);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(game.canMoveTo(bar, 8, 8));
    }
}

// Each gesture, ended by letting go, is one step back: a whole drag, a snap,
// a turn. Undo and redo move the pieces as play does, so the grid always
// equals one counted afresh; a new change drops what was undone, and a
// restart or a new puzzle drops them all.
TEST_F(Game, UndoAndRedoTakeBackWholeGesturesAndKeepTheGridInStep)
{
    std::vector<std::vector<ClPoints>> seen{cellsOf(game)};
    ClPiece* bar = game.pickPiece(8, 48);
    for (std::int32_t y = 47; y > 9; --y)
        game.movePiece(bar, 9, y);
    game.snapPiece(bar, 9, 9);
    game.letGo();
    seen.push_back(cellsOf(game));
    game.turnPiece(game.pickPiece(8, 8), 8, 8);
    game.letGo();
    seen.push_back(cellsOf(game));
    game.snapPiece(game.pickPiece(40, 56), 45, 30);
    game.letGo();
    seen.push_back(cellsOf(game));
    game.pickPiece(8, 8); // picking alone changes nothing
    game.letGo();

    for (std::size_t back = seen.size() - 1; back > 0; --back) {
        EXPECT_EQ(game.undo().change, PieceChange::Moved);
        EXPECT_EQ(cellsOf(game), seen[back - 1]) << back;
        EXPECT_TRUE(gridIsRebuiltFromScratch(game));
    }
    EXPECT_FALSE(game.canUndo()); // back at the start
    game.redo();
    EXPECT_EQ(game.redo().change, PieceChange::Moved);
    EXPECT_EQ(cellsOf(game), seen[2]);

    // A new change, even one still held, drops what was undone.
    game.undo();
    game.movePiece(game.pickPiece(40, 56), 44, 56);
    EXPECT_EQ(game.redo().change, PieceChange::None);

    // Restarting or stepping starts afresh: nothing of the puzzle before is
    // left to undo. (A solved wall ending the history is played in KeyplayTest.)
    game.restart();
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(cellsOf(game), seen[0]);
    game.snapPiece(game.pickPiece(8, 48), 8, 8);
    game.letGo();
    game.nextPuzzle();
    EXPECT_FALSE(game.canUndo());
}

// The keys step by file units inside the field canMoveTo allows, up to its
// last row and column exactly; a piece a turn left reaching out of it comes
// back in with the first step, whichever way. The bar's bricks reach 16 right
// of its position; rows stop a brick short of the grid's 80.
TEST_F(Game, KeyStepsStayInTheFieldAndBringAStrayPieceBack)
{
    ClPiece* bar = game.pickPiece(8, 48);
    // from, step, to
    const std::tuple<ClPoint, ClPoint, std::optional<ClPoint>> steps[] = {
        {{8, 48}, {1, 0}, ClPoint{12, 48}},   {{8, 48}, {0, -1}, ClPoint{8, 44}}, {{0, 71}, {0, 1}, ClPoint{0, 75}},
        {{0, 75}, {0, 1}, std::nullopt},                                       // the last row, and one past
        {{59, 8}, {1, 0}, ClPoint{63, 8}},    {{63, 8}, {1, 0}, std::nullopt}, // the last column, and one past
        {{4, 4}, {-1, -1}, ClPoint{0, 0}},    {{0, 0}, {-1, 0}, std::nullopt},    {{0, 0}, {0, -1}, std::nullopt},
        {{59, 71}, {1, 1}, ClPoint{63, 75}},  {{63, 75}, {1, 1}, std::nullopt},   {{-10, 78}, {1, 0}, ClPoint{2, 74}},
        {{-10, 78}, {0, -1}, ClPoint{2, 74}}, {{70, 8}, {0, 1}, ClPoint{62, 12}},
    };
    for (const auto& [from, step, to] : steps) {
        game.movePiece(bar, from.x, from.y);
        EXPECT_EQ(game.stepInField(bar, step.x, step.y), to)
            << from.x << ", " << from.y << " by " << step.x << ", " << step.y;
    }
}

// Undo takes back exactly one change: a turn, a mirroring or both come
// back to the very cells and position, whichever brick was clicked.
TEST_F(Game, UndoTakesBackExactlyOneChange)
{
    using State = std::tuple<ClPoints, std::int32_t, std::int32_t, std::int32_t, std::int32_t>;
    const auto stateOf = [](const ClPiece* piece) {
        return State{piece->cells(), piece->x, piece->y, piece->angle, piece->flipped};
    };
    // An L that mirrors into other cells: its third brick a half brick further out.
    game.gameData->shapes[1].points = {{0, 0}, {8, 0}, {12, 4}};
    for (const std::int32_t shapeIndex : {0, 3, 4}) // turns, mirrors, turns then mirrors
        for (std::size_t brick = 0; brick < 3; ++brick)
            for (int clicks = 1; clicks <= 2; ++clicks) {
                game.gameData->puzzles[0].pieces[1].shapeIndex = shapeIndex;
                game.restart();
                ClPiece* ell = game.pickInFileOrder(1);
                for (int click = 1; click < clicks; ++click)
                    game.turnPiece(ell, ell->cells()[brick].x + 1, ell->cells()[brick].y + 1);
                game.letGo();
                ell = game.pickInFileOrder(1);
                const State before = stateOf(ell);
                game.turnPiece(ell, ell->cells()[brick].x + 1, ell->cells()[brick].y + 1);
                game.letGo();
                const State after = stateOf(game.pieceInFileOrder(1));
                ASSERT_NE(after, before);
                game.undo();
                EXPECT_EQ(stateOf(game.pieceInFileOrder(1)), before) << shapeIndex << " at brick " << brick;
                EXPECT_TRUE(gridIsRebuiltFromScratch(game));
                game.redo();
                EXPECT_EQ(stateOf(game.pieceInFileOrder(1)), after) << shapeIndex << " at brick " << brick;
            }
}
