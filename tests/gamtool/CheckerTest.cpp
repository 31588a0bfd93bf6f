#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "../core/Fixtures.h"
#include "Checker.h"
#include "game/Difficulty.h"
#include "game/Generator.h"
#include "game/Regions.h"
#include "game/Solver.h"

namespace {

std::string generated(int group, std::uint32_t seed, std::int32_t count, const std::string& name)
{
    ClGameFile file;
    std::string error;
    EXPECT_TRUE(generateGroup(*groupRules(group), seed, count, file, error)) << error;
    const std::string path = fixtures::tempPath(name);
    EXPECT_TRUE(file.save(path));
    return path;
}

// Whether the file holds, and the checker's report.
std::pair<bool, std::string> check(const std::string& path)
{
    std::ostringstream out;
    const bool holds = checkGameFile(path, out);
    return {holds, out.str()};
}

} // namespace

// The same arguments give the same bytes, another seed others. The
// difficulty's careful search, which fills the tightest open place, finds
// every tiling the plain counter finds filling the first one.
TEST(Generator, IsReproducibleAndClimbsEvenlyByADifficultyThatFindsEveryTiling)
{
    const std::string path = generated(1, 3, kMinPuzzles, "climb.gam");
    EXPECT_EQ(fixtures::contentOf(path), fixtures::contentOf(generated(1, 3, kMinPuzzles, "again.gam")));
    EXPECT_NE(fixtures::contentOf(path), fixtures::contentOf(generated(1, 4, kMinPuzzles, "other.gam")));
    ClGameFile file;
    ASSERT_TRUE(file.load(path));
    std::vector<Difficulty> measured;
    for (const auto& puzzle : file.puzzles) {
        measured.push_back(measureDifficulty(puzzle, 180));
        PlaceSet gap;
        ASSERT_TRUE(gapOf(puzzle, gap));
        EXPECT_EQ(measured.back().tilings, countTilings(gap, pieceKinds(puzzle, 180), kTilingCountLimit));
    }
    // The first puzzle teaches a turn rule without a search; the last is
    // several times as hard, and no step on the way is a leap.
    EXPECT_LE(measured.front().clicks, 2);
    EXPECT_LE(measured.front().wrongMoves, 1);
    EXPECT_GE(measured.back().score, 3 * measured.front().score);
    const double span = measured.back().score - measured.front().score;
    for (std::size_t p = 1; p < measured.size(); ++p)
        EXPECT_LE(measured[p].score - measured[p - 1].score, span / 8) << "puzzle " << p + 1;
}

// The sound file passes; each fault is named with its puzzle, piece or
// shape, and the file refused.
TEST(Checker, NamesEveryFaultOfABrokenFile)
{
    const std::string soundPath = generated(0, 7, kMinPuzzles, "sound.gam");
    const auto [soundHolds, soundReport] = check(soundPath);
    EXPECT_TRUE(soundHolds) << soundReport;
    // How the file is broken, and what the report then says.
    const std::pair<std::function<void(ClGameFile&)>, std::vector<std::string>> faults[] = {
        // The hook turns by half turns: from a quarter turn it never comes right.
        {[](ClGameFile& file) { file.puzzles[0].pieces[4].startAngle = 90; },
         {"puzzle 1 piece 5: its turn rule never reaches the solution's orientation"}},
        // Piece 3 moved so its first brick lies on piece 1's first brick.
        {[](ClGameFile& file) {
             ClPuzzle& puzzle = file.puzzles[0];
             const ClPoint onto = puzzle.pieces[0].atStart().cells()[0];
             const ClPoint from = puzzle.pieces[2].atStart().cells()[0];
             puzzle.pieces[2].startX += onto.x - from.x;
             puzzle.pieces[2].startY += onto.y - from.y;
         },
         {"puzzle 1 piece 3: start brick", "overlaps another piece's"}},
        {[](ClGameFile& file) {
             ClPiece& piece = file.puzzles[0].pieces[1];
             piece.startX = piece.x;
             piece.startY = piece.y;
         },
         {"puzzle 1 piece 2: start brick", "lies on the gap"}},
        // A centre half a unit off puts the turned cup on the other bond.
        {[](ClGameFile& file) { file.shapes[0].centerY = 0.5f; },
         {"shape 0: turning or mirroring it leaves the bond"}},
        {[](ClGameFile& file) { putText(file.header.headerBlockA, "Wall with Hole (One Set)"); },
         {"puzzle 1: its gap encloses no wall"}},
        {[](ClGameFile& file) { putText(file.header.headerBlockA, "Solid Wall (Two Sets)"); },
         {"puzzle 1: does not use each shape 2 times"}},
        // Shifted one brick right, it is still the same gap.
        {[](ClGameFile& file) {
             file.puzzles[3] = file.puzzles[2];
             for (auto& piece : file.puzzles[3].pieces)
                 piece.x += 2;
         },
         {"puzzle 4: has the same gap as puzzle 3"}},
        {[](ClGameFile& file) { std::swap(file.puzzles[0], file.puzzles[kMinPuzzles - 1]); },
         {"puzzle " + std::to_string(kMinPuzzles) + ": is easier (difficulty "}},
        // Damage no generator makes: the file is reported, not trusted.
        {[](ClGameFile& file) { file.header.headerBlockA.fill(0); }, {"names none of the four groups"}},
        {[](ClGameFile& file) { file.shapes[4].points[3] = {0, 1000000}; },
         {"shape 4: it spreads wider than the field"}},
        {[](ClGameFile& file) { file.header.rotateStep = 90; },
         {"the header's grid, cell size or turning step differ from the group's"}},
        {[](ClGameFile& file) { file.puzzles.resize(std::size_t(file.header.puzzleCount = kMinPuzzles - 1)); },
         {": has " + std::to_string(kMinPuzzles - 1) + " puzzles, fewer than " + std::to_string(kMinPuzzles)}},
        {[](ClGameFile& file) { file.shapes[2].points.resize(2); }, {"shape 2: has 2 bricks, not 3 to 5"}},
        {[](ClGameFile& file) { file.shapes[2].points = {{2, 0}, {4, 0}, {3, 1}}; },
         {"shape 2: its smallest x and y are not 0"}},
        {[](ClGameFile& file) { file.shapes[2].points = {{0, 0}, {0, 0}, {1, 1}}; }, {"shape 2: repeats an anchor"}},
        {[](ClGameFile& file) { file.shapes[2].points = {{0, 0}, {2, 0}, {1, 0}}; },
         {"shape 2: its anchors are not on one bond"}},
        {[](ClGameFile& file) { file.shapes[3].points[3] = {9, 1}; }, {"shape 3: its bricks are not connected"}},
        {[](ClGameFile& file) { file.shapes[2].centerX += 1; },
         {"shape 2: its centre or mirror axis is not in its middle on whole or half units"}},
        // The cup would only turn, the diamond never.
        {[](ClGameFile& file) { std::swap(file.shapes[0], file.shapes[1]); },
         {"shape 0: is only turned, so it must look the same mirrored but not turned",
          "shape 1: is never turned, so it must look the same turned and mirrored"}},
        {[](ClGameFile& file) { file.puzzles[0].pieces[0].shapeIndex = kShapeCount; },
         {"puzzle 1 piece 1: names no shape of the table"}},
        {[](ClGameFile& file) { file.puzzles[0].pieces[0].x += 1; },
         {"puzzle 1: the solution's bricks leave the field's bond or overlap"}},
        {[](ClGameFile& file) { file.puzzles[0].pieces[0].startX = -100; },
         {"puzzle 1 piece 1: start brick (-100", "is no brick place of the field"}},
        // Every piece starts as it lies in the solution.
        {[](ClGameFile& file) {
             for (auto& puzzle : file.puzzles)
                 for (auto& piece : puzzle.pieces) {
                     piece.startAngle = piece.angle;
                     piece.startFlipped = piece.flipped;
                 }
         },
         {"puzzle 1: no piece starts turned", "puzzle 1: it can be solved without turning a piece",
          ": only 0 of "}},
        {[](ClGameFile& file) { file.puzzles[0].pieces[0].x = file.puzzles[0].pieces[0].y = 0; },
         {"puzzle 1: its gap is not one connected region"}},
        {[](ClGameFile& file) {
             ASSERT_TRUE(file.load(std::string(PUZZLE_DIR) + "/Brick1.gam"));
             putText(file.header.headerBlockA, "Solid Wall (One Set)");
         },
         {"puzzle 1: its gap encloses wall"}},
    };
    const std::string brokenPath = fixtures::tempPath("broken.gam");
    for (const auto& [breakIt, saids] : faults) {
        ClGameFile broken;
        ASSERT_TRUE(broken.load(soundPath));
        breakIt(broken);
        ASSERT_TRUE(broken.save(brokenPath));
        const auto [holds, report] = check(brokenPath);
        EXPECT_FALSE(holds) << saids[0];
        for (const auto& said : saids)
            EXPECT_NE(report.find(said), std::string::npos) << said << " in\n" << report;
    }
}
