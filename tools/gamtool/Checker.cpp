#include "tools/gamtool/Checker.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>

#include "game/Difficulty.h"
#include "game/Groups.h"
#include "game/Regions.h"
#include "game/Shapes.h"
#include "game/Solver.h"
#include "game/Gamecontrol.h"

namespace {

std::string pointText(ClPoint p)
{
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

bool onHalfUnits(float value)
{
    return std::isfinite(value) && std::fabs(value) < 1e6f && std::floor(2 * value) == 2 * value;
}

// Which of the two bonds an anchor is on.
std::int64_t bondOf(ClPoint p)
{
    return (std::int64_t(p.x) + p.y) & 1;
}

class FileChecker {
public:
    FileChecker(const std::string& fileName, std::ostream& out)
        : fileName(fileName)
        , out(out)
    {
    }

    bool run()
    {
        if (!file.load(fileName)) {
            out << fileName << ": " << file.loadFailure().why << '\n';
            return false;
        }
        rules = groupOfHeader(file.header);
        if (!rules) {
            out << fileName << ": the header names none of the four groups\n";
            return false;
        }
        checkHeader();
        if (failures == 0)
            checkShapes();
        if (failures == 0) {
            checkPuzzles();
            playPuzzles();
        }
        if (!scores.empty())
            printScores();
        out << fileName << ": group " << rules->index << " \"" << rules->caption << "\": " << file.puzzles.size()
            << " puzzles checked";
        if (failures > 0)
            out << ", " << failures << " failures";
        out << '\n';
        return failures == 0;
    }

private:
    void fail(const std::string& where, const std::string& why)
    {
        ++failures;
        out << fileName << ": group " << rules->index << " \"" << rules->caption << "\"" << where << ": " << why
            << '\n';
    }
    void failPuzzle(std::size_t p, const std::string& why) { fail(" puzzle " + std::to_string(p + 1), why); }
    void failPiece(std::size_t p, std::size_t i, const std::string& why)
    {
        fail(" puzzle " + std::to_string(p + 1) + " piece " + std::to_string(i + 1), why);
    }

    void checkHeader()
    {
        const ClGameHeader wanted = groupHeader(*rules, file.header.puzzleCount);
        const ClGameHeader& h = file.header;
        if (h.gridWidth != wanted.gridWidth || h.gridHeight != wanted.gridHeight || h.cellWidth != wanted.cellWidth
            || h.cellHeight != wanted.cellHeight || h.rotateStep != wanted.rotateStep)
            fail("", "the header's grid, cell size or turning step differ from the group's");
        if (h.puzzleCount < kMinPuzzles)
            fail("", "has " + std::to_string(h.puzzleCount) + " puzzles, fewer than " + std::to_string(kMinPuzzles));
        if (h.shapeCount != kShapeCount || file.shapes.size() != std::size_t(kShapeCount))
            fail("", "has " + std::to_string(file.shapes.size()) + " shapes, not " + std::to_string(kShapeCount));
    }

    void checkShapes()
    {
        for (std::size_t i = 0; i < file.shapes.size(); ++i) {
            const std::string why = shapeFault(file.shapes[i], int(i));
            if (!why.empty())
                fail(" shape " + std::to_string(i), why);
        }
    }

    static std::string shapeFault(const ClShape& shape, int index)
    {
        const ClPoints& points = shape.points;
        if (points.size() < 3 || points.size() > 5)
            return "has " + std::to_string(points.size()) + " bricks, not 3 to 5";
        const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                      [](ClPoint a, ClPoint b) { return a.x < b.x; });
        const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                      [](ClPoint a, ClPoint b) { return a.y < b.y; });
        if (minX->x != 0 || minY->y != 0)
            return "its smallest x and y are not 0";
        if (maxX->x > kFieldWidth || maxY->y > kFieldHeight)
            return "it spreads wider than the field";
        ClPoints sorted = normalised(points);
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            return "repeats an anchor";
        const auto bond = bondOf(points[0]);
        if (std::any_of(points.begin(), points.end(), [&](ClPoint p) { return bondOf(p) != bond; }))
            return "its anchors are not on one bond";
        if (!isConnected(points))
            return "its bricks are not connected";
        if (!onHalfUnits(shape.centerX) || !onHalfUnits(shape.centerY) || !onHalfUnits(shape.mirrorX)
            || std::fabs(shape.centerX - maxX->x / 2.0f) > 0.5f || std::fabs(shape.centerY - maxY->y / 2.0f) > 0.5f
            || std::fabs(shape.mirrorX - maxX->x / 2.0f) > 0.5f)
            return "its centre or mirror axis is not in its middle on whole or half units";
        for (std::int32_t angle : {0, 180})
            for (std::int32_t flipped : {0, 1}) {
                ClPiece turned;
                turned.shape = &shape;
                turned.angle = angle;
                turned.flipped = flipped;
                for (const auto& c : turned.cells())
                    if (bondOf(c) != bond)
                        return "turning or mirroring it leaves the bond";
            }
        const bool halfTurn = looksTheSame(shape, 180, 0);
        const bool mirror = looksTheSame(shape, 0, 1);
        const bool both = looksTheSame(shape, 180, 1);
        // The turn rule reaches some orientations; those it skips must look alike.
        switch (turnRuleOf(index)) {
        case TurnRule::Never:
            if (!halfTurn || !mirror)
                return "is never turned, so it must look the same turned and mirrored";
            break;
        case TurnRule::Turn:
            if (!mirror || halfTurn)
                return "is only turned, so it must look the same mirrored but not turned";
            break;
        case TurnRule::Mirror:
            if (!halfTurn || mirror)
                return "is only mirrored, so it must look the same turned but not mirrored";
            break;
        case TurnRule::TurnThenMirror:
        case TurnRule::Nothing:
            if (halfTurn || mirror || both)
                return "turns through four orientations, so none may look like another";
        }
        return {};
    }

    void checkPuzzles()
    {
        std::map<ClPoints, std::size_t, RowMajorOrder> gaps;
        double previousScore = 0;
        int turnable = 0, turned = 0;
        playable.assign(file.puzzles.size(), false);
        scores.assign(file.puzzles.size(), std::nullopt);
        for (std::size_t p = 0; p < file.puzzles.size(); ++p) {
            const ClPuzzle& puzzle = file.puzzles[p];
            const int before = failures;
            if (!checkPieceSet(p, puzzle))
                continue;
            PlaceSet gap;
            if (!gapOf(puzzle, gap)) {
                failPuzzle(p, "the solution's bricks leave the field's bond or overlap");
                continue;
            }
            checkGapShape(p, gap);
            checkStarts(p, puzzle, gap, turnable, turned);

            ClPoints gapCells;
            for (int i : gap.indices())
                gapCells.push_back(placeAt(i));
            const auto [same, isNew] = gaps.emplace(normalised(gapCells), p);
            if (!isNew)
                failPuzzle(p, "has the same gap as puzzle " + std::to_string(same->second + 1));
            const Difficulty difficulty = measureDifficulty(puzzle, file.header.rotateStep);
            if (!difficulty.solvable) {
                failPuzzle(p, "its pieces cannot fill the gap");
            } else {
                if (difficulty.clicks == 0)
                    failPuzzle(p, "it can be solved without turning a piece");
                // Puzzles climb from easy to hard.
                if (difficulty.score < previousScore)
                    failPuzzle(p, "is easier (difficulty " + scoreText(difficulty.score)
                                      + ") than the puzzle before it (" + scoreText(previousScore)
                                      + "), so it is out of order");
                previousScore = difficulty.score;
                scores[p] = difficulty.score;
            }
            playable[p] = failures == before;
        }
        if (2 * turned < turnable)
            fail("", "only " + std::to_string(turned) + " of " + std::to_string(turnable)
                         + " pieces that can turn start turned");
    }

    bool checkPieceSet(std::size_t p, const ClPuzzle& puzzle)
    {
        std::vector<int> uses(kShapeCount, 0);
        bool known = true;
        for (std::size_t i = 0; i < puzzle.pieces.size(); ++i) {
            const auto s = puzzle.pieces[i].shapeIndex;
            if (s < 0 || s >= kShapeCount) {
                failPiece(p, i, "names no shape of the table");
                known = false;
            } else {
                ++uses[std::size_t(s)];
            }
        }
        if (known && std::any_of(uses.begin(), uses.end(), [&](int n) { return n != rules->sets; })) {
            failPuzzle(p, "does not use each shape " + std::to_string(rules->sets) + " times");
            return false;
        }
        return known;
    }

    void checkGapShape(std::size_t p, const PlaceSet& gap)
    {
        ClPoints cells;
        for (int i : gap.indices())
            cells.push_back(placeAt(i));
        if (!isConnected(cells))
            failPuzzle(p, "its gap is not one connected region");
        const bool encloses = !enclosedPlaces(gap).empty();
        if (rules->withHole && !encloses)
            failPuzzle(p, "its gap encloses no wall");
        if (!rules->withHole && encloses)
            failPuzzle(p, "its gap encloses wall");
    }

    void checkStarts(std::size_t p, const ClPuzzle& puzzle, const PlaceSet& gap, int& turnable, int& turned)
    {
        PlaceSet taken;
        bool anyTurned = false;
        for (std::size_t i = 0; i < puzzle.pieces.size(); ++i) {
            const ClPiece& piece = puzzle.pieces[i];
            const ClPiece started = piece.atStart();
            const ClPoints cells = started.cells();
            for (const auto& c : cells) {
                if (!isBrickPlace(c)) {
                    failPiece(p, i, "start brick " + pointText(c) + " is no brick place of the field");
                    continue;
                }
                if (gap.contains(placeIndex(c)))
                    failPiece(p, i, "start brick " + pointText(c) + " lies on the gap");
                else if (taken.contains(placeIndex(c)))
                    failPiece(p, i, "start brick " + pointText(c) + " overlaps another piece's");
                taken.insert(placeIndex(c));
            }
            const ClPoints solvedCells = normalised(piece.cells());
            const auto reachable = reachableOrientations(started, file.header.rotateStep);
            if (std::none_of(reachable.begin(), reachable.end(),
                             [&](const Orientation& o) { return o.cells == solvedCells; }))
                failPiece(p, i, "its turn rule never reaches the solution's orientation");
            if (reachable.size() > 1) {
                ++turnable;
                if (normalised(cells) != solvedCells) {
                    ++turned;
                    anyTurned = true;
                }
            }
        }
        if (!anyTurned)
            failPuzzle(p, "no piece starts turned");
    }

    // Plays each sound puzzle with the board's operations: pick a piece at a
    // brick, turn it there until it matches, drag it next to its place, drop it.
    void playPuzzles()
    {
        ClGameControl game;
        if (!game.gameData->load(fileName) || !game.gameData->rescaleToPlayUnits()) {
            fail("", "the game cannot open it");
            return;
        }
        for (std::size_t p = 0; p < file.puzzles.size(); ++p)
            if (playable[p])
                play(game, p);
    }

    void play(ClGameControl& game, std::size_t p)
    {
        game.selectPuzzle(std::int32_t(p));
        const ClPuzzle solved = game.puzzle;
        game.restart();
        for (std::size_t i = 0; i < game.puzzle.pieces.size(); ++i) {
            const ClPiece& piece = game.puzzle.pieces[i];
            if (!game.canMoveTo(&piece, piece.x, piece.y))
                failPiece(p, i, "the board refuses its start position");
        }
        PlayOutcome dropped;
        for (std::size_t i = 0; i < solved.pieces.size(); ++i) {
            const ClPoint brick = solved.pieces[i].atStart().cells().at(0);
            const ClPoints target = solved.pieces[i].cells();
            // Picking reorders the pieces: only this pointer is ours until the next pick.
            ClPiece* piece = game.pickPiece(brick.x, brick.y);
            if (!piece) {
                failPiece(p, i, "cannot be picked up at its brick " + pointText(brick));
                return;
            }
            for (int turns = 0; turns < kMostTurns && normalised(piece->cells()) != normalised(target); ++turns)
                game.turnPiece(piece, brick.x, brick.y);
            const ClPoints now = piece->cells();
            if (normalised(now) != normalised(target)) {
                failPiece(p, i, "turning it never gives the solution's orientation");
                return;
            }
            const ClPoint from = *std::min_element(now.begin(), now.end(), RowMajorOrder{});
            const ClPoint to = *std::min_element(target.begin(), target.end(), RowMajorOrder{});
            const std::int32_t x = piece->x + to.x - from.x;
            const std::int32_t y = piece->y + to.y - from.y;
            if (!game.canMoveTo(piece, x + 1, y + 1)) {
                failPiece(p, i, "the board refuses to drag it next to its place");
                return;
            }
            game.movePiece(piece, x + 1, y + 1);
            dropped = game.snapPiece(piece, x + 1, y + 1);
            if (piece->x != x || piece->y != y) {
                failPiece(p, i, "does not snap into its place");
                return;
            }
        }
        if (!dropped.complete)
            failPuzzle(p, "the wall is not complete with every piece in place");
    }

    static std::string scoreText(double score)
    {
        std::ostringstream text;
        text << std::fixed << std::setprecision(1) << score;
        return text.str();
    }

    // One line: each puzzle's difficulty in order, "-" for one not measured.
    void printScores()
    {
        out << fileName << ": difficulty";
        for (const auto& score : scores)
            out << ' ' << (score ? scoreText(*score) : "-");
        out << '\n';
    }

    std::string fileName;
    std::ostream& out;
    ClGameFile file;
    const GroupRules* rules = nullptr;
    std::vector<bool> playable;
    std::vector<std::optional<double>> scores;
    int failures = 0;
};

} // namespace

bool checkGameFile(const std::string& fileName, std::ostream& out)
{
    return FileChecker(fileName, out).run();
}
