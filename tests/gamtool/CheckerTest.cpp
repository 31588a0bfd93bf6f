#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "../core/Fixtures.h"
#include "Checker.h"
#include "Generator.h"

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string generated(int group, std::uint32_t seed, std::int32_t count, const std::string& name)
{
    ClGameFile file;
    std::string error;
    EXPECT_TRUE(generateGroup(*groupRules(group), seed, count, file, error)) << error;
    const std::string path = fixtures::tempPath(name);
    EXPECT_TRUE(file.save(path));
    return path;
}

struct CheckRun {
    bool holds;
    std::string report;
};

CheckRun check(const std::string& path)
{
    std::ostringstream out;
    const bool holds = checkGameFile(path, out);
    return {holds, out.str()};
}

ClPiece atStart(const ClPiece& piece)
{
    ClPiece started = piece;
    started.x = piece.startX;
    started.y = piece.startY;
    started.angle = piece.startAngle;
    started.flipped = piece.startFlipped;
    return started;
}

// A sound group file, then the same file with one fault put in by `breakIt`.
class BrokenFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { soundPath = generated(0, 7, kMinPuzzles, "sound.gam"); }

    template <typename Change>
    CheckRun checkWith(Change breakIt)
    {
        ClGameFile file;
        EXPECT_TRUE(file.load(soundPath));
        breakIt(file.puzzles[0]);
        const std::string path = fixtures::tempPath("broken.gam");
        EXPECT_TRUE(file.save(path));
        return check(path);
    }

    static inline std::string soundPath;
};

} // namespace

TEST(Generator, SameArgumentsGiveTheSameBytes)
{
    const std::string first = readAll(generated(3, 11, 3, "first.gam"));
    EXPECT_EQ(first, readAll(generated(3, 11, 3, "again.gam")));
    EXPECT_NE(first, readAll(generated(3, 12, 3, "other.gam")));
}

TEST_F(BrokenFile, SoundFilePasses)
{
    const CheckRun run = check(soundPath);
    EXPECT_TRUE(run.holds) << run.report;
    EXPECT_NE(run.report.find("\"Solid Wall (One Set)\": 30 puzzles checked\n"), std::string::npos) << run.report;
}

TEST_F(BrokenFile, PieceThatCannotTurnIntoItsPlace)
{
    // The hook turns by half turns: from a quarter turn it never comes right.
    const CheckRun run = checkWith([](ClPuzzle& puzzle) { puzzle.pieces[4].startAngle = 90; });
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("puzzle 1 piece 5: its turn rule never reaches the solution's orientation"),
              std::string::npos)
        << run.report;
}

TEST_F(BrokenFile, StartBricksOnAnotherPieceOrOnTheGap)
{
    CheckRun run = checkWith([](ClPuzzle& puzzle) {
        // Piece 3 moved so its first brick lies on piece 1's first brick.
        const ClPoint onto = atStart(puzzle.pieces[0]).cells()[0];
        const ClPoint from = atStart(puzzle.pieces[2]).cells()[0];
        puzzle.pieces[2].startX += onto.x - from.x;
        puzzle.pieces[2].startY += onto.y - from.y;
    });
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("puzzle 1 piece 3: start brick"), std::string::npos);
    EXPECT_NE(run.report.find("overlaps another piece's"), std::string::npos) << run.report;

    run = checkWith([](ClPuzzle& puzzle) {
        puzzle.pieces[1].startX = puzzle.pieces[1].x;
        puzzle.pieces[1].startY = puzzle.pieces[1].y;
    });
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("puzzle 1 piece 2: start brick"), std::string::npos);
    EXPECT_NE(run.report.find("lies on the gap"), std::string::npos) << run.report;
}

TEST_F(BrokenFile, DamagedFilesAreReportedNotTrusted)
{
    const std::string cut = fixtures::tempPath("cut.gam");
    std::ofstream(cut, std::ios::binary) << readAll(soundPath).substr(0, 1000);
    CheckRun run = check(cut);
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("cut.gam: ends inside"), std::string::npos) << run.report;

    ClGameFile file;
    ASSERT_TRUE(file.load(soundPath));
    file.header.headerBlockA.fill(0);
    file.shapes[4].points[3] = {0, 1000000};
    const std::string path = fixtures::tempPath("nameless.gam");
    ASSERT_TRUE(file.save(path));
    run = check(path);
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("names none of the four groups"), std::string::npos) << run.report;

    putText(file.header.headerBlockA, "Solid Wall (One Set)");
    ASSERT_TRUE(file.save(path));
    run = check(path);
    EXPECT_FALSE(run.holds);
    EXPECT_NE(run.report.find("shape 4: it spreads wider than the field"), std::string::npos) << run.report;
}
