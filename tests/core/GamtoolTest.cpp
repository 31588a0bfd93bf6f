#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "Fixtures.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs gamtool with standard error folded into the output, or with only
// standard error read when its standard output goes to `outputTo`.
ToolRun gamtool(const std::string& arguments, const std::string& outputTo = "")
{
    ToolRun run;
    const std::string redirect = outputTo.empty() ? " 2>&1" : " 2>&1 >" + outputTo;
    FILE* pipe = popen((std::string(GAMTOOL_PATH) + " " + arguments + redirect).c_str(), "r");
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), n);
    run.status = WEXITSTATUS(pclose(pipe));
    return run;
}

} // namespace

TEST(Gamtool, DumpShowsFieldsAndTheCellsPlaySees)
{
    const std::string path = fixtures::writeSmallGame("dump.gam");
    const ToolRun run = gamtool("dump " + path);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\"rotateStep\": 180"), std::string::npos);
    EXPECT_NE(run.output.find("\"headerBlockA\": \"0000"), std::string::npos);
    EXPECT_NE(run.output.find("\"centerY\": 0.5"), std::string::npos); // file units
    // The L of puzzle 0 stands at (8, 2) file units: play units times 4.
    EXPECT_NE(run.output.find("\"cells\": [[32, 8], [40, 8], [36, 12]]"), std::string::npos);
    EXPECT_NE(run.output.find("\"startCells\": [[40, 56], [48, 56], [44, 60]]"), std::string::npos);
}

TEST(Gamtool, CopyIsByteForByteAndFailuresSayWhy)
{
    const std::string path = fixtures::writeSmallGame("copy.gam");
    const std::string copy = fixtures::tempPath("copied.gam");
    EXPECT_EQ(gamtool("copy " + path + " " + copy).status, 0);
    EXPECT_EQ(fixtures::contentOf(path), fixtures::contentOf(copy));

    const std::string cut = fixtures::tempPath("cut-cli.gam");
    fixtures::put(cut, fixtures::contentOf(path).substr(0, 300));
    const ToolRun run = gamtool("copy " + cut + " " + copy);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cut-cli.gam: ends inside shape record 1"), std::string::npos) << run.output;
    EXPECT_NE(gamtool("dump " + fixtures::tempPath("absent.gam")).output.find("cannot be opened"), std::string::npos);
    EXPECT_EQ(gamtool("frobnicate").status, 2);
}

TEST(Gamtool, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string path = fixtures::writeSmallGame("full-output.gam");
    for (const std::string command : {"dump ", "solve ", "check "}) {
        const ToolRun run = gamtool(command + path, "/dev/full");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.output.find("the output cannot be written: No space left on device"), std::string::npos)
            << run.output;
    }
    const ToolRun copy = gamtool("copy " + path + " /dev/full");
    EXPECT_EQ(copy.status, 1);
    EXPECT_NE(copy.output.find("/dev/full: cannot be written: it is a device, not a file"), std::string::npos);
}

TEST(Gamtool, SolveStopsAtItsStepBoundAndNamesTheRealFault)
{
    const std::string path = fixtures::writeSmallGame("bounded.gam");
    const ToolRun bounded = gamtool("solve " + path + " --puzzle 1 --steps 1");
    EXPECT_EQ(bounded.status, 3);
    EXPECT_NE(bounded.output.find("puzzle 1: undecided after 1 search steps"), std::string::npos) << bounded.output;

    ClGameFile file;
    ASSERT_TRUE(file.load(path));
    auto& pieces = file.puzzles[0].pieces;
    pieces[1].x = pieces[0].x; // two solutions on one place, inside the field
    pieces[1].y = pieces[0].y;
    pieces[1].angle = pieces[0].angle;
    pieces[1].shapeIndex = pieces[0].shapeIndex;
    ASSERT_TRUE(file.save(path));
    const ToolRun overlap = gamtool("solve " + path + " --puzzle 1");
    EXPECT_EQ(overlap.status, 1);
    EXPECT_NE(overlap.output.find("puzzle 1: two bricks of its solution lie on one place"), std::string::npos)
        << overlap.output;
}

// Exit 3 when any puzzle, not only the last, stays undecided at the bound.
TEST(Gamtool, SolveSaysUndecidedWhenAnEarlierPuzzleRanOut)
{
    ClGameFile file;
    fixtures::fillSmallGame(file);
    file.header.puzzleCount = 2;
    file.puzzles.resize(2);
    file.puzzles[1] = file.puzzles[0];
    file.puzzles[1].pieces.resize(1); // the bar alone: decided at the first step
    file.puzzles[1].pieceCount = 1;
    const std::string path = fixtures::tempPath("last-decided.gam");
    ASSERT_TRUE(file.save(path));
    const ToolRun run = gamtool("solve " + path + " --limit 1 --steps 1");
    EXPECT_EQ(run.status, 3) << run.output;
    EXPECT_NE(run.output.find("puzzle 1: undecided"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("puzzle 2: at least 1 tiling"), std::string::npos) << run.output;
}
