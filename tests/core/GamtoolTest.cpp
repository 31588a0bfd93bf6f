#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "Fixtures.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs gamtool with standard error and standard output read together, or,
// with `outputUnread`, with standard output a pipe that nobody reads, into
// which every write fails.
ToolRun gamtool(const std::vector<std::string>& arguments, bool outputUnread = false)
{
    ToolRun run;
    int heard[2], unheard[2];
    if (::pipe(heard) != 0 || ::pipe(unheard) != 0)
        return run;
    ::close(unheard[0]);
    const pid_t child = ::fork();
    if (child == 0) {
        // Writes then fail with EPIPE instead of ending the tool unseen.
        ::signal(SIGPIPE, SIG_IGN);
        ::dup2(outputUnread ? unheard[1] : heard[1], STDOUT_FILENO);
        ::dup2(heard[1], STDERR_FILENO);
        ::close(heard[0]);
        ::close(heard[1]);
        ::close(unheard[1]);
        std::vector<char*> argv{const_cast<char*>(GAMTOOL_PATH)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(GAMTOOL_PATH, argv.data());
        ::_exit(127);
    }
    ::close(heard[1]);
    ::close(unheard[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(heard[0], buffer, sizeof buffer)) > 0)
        run.output.append(buffer, std::size_t(n));
    ::close(heard[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

} // namespace

TEST(Gamtool, DumpShowsFieldsAndTheCellsPlaySees)
{
    const std::string path = fixtures::writeSmallGame("dump.gam");
    const ToolRun run = gamtool({"dump", path});
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
    EXPECT_EQ(gamtool({"copy", path, copy}).status, 0);
    EXPECT_EQ(fixtures::contentOf(path), fixtures::contentOf(copy));

    const std::string cut = fixtures::tempPath("cut-cli.gam");
    fixtures::put(cut, fixtures::contentOf(path).substr(0, 300));
    const ToolRun run = gamtool({"copy", cut, copy});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cut-cli.gam: ends inside shape record 1"), std::string::npos) << run.output;
    EXPECT_NE(gamtool({"dump", fixtures::tempPath("absent.gam")}).output.find("cannot be opened"), std::string::npos);
    EXPECT_EQ(gamtool({"frobnicate"}).status, 2);
}

// Output lost on its way (a closed pipe here) fails the run whatever the
// command found; a copy is never written over a FIFO.
TEST(Gamtool, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string path = fixtures::writeSmallGame("lost-output.gam");
    for (const std::string command : {"dump", "solve", "check"}) {
        const ToolRun run = gamtool({command, path}, true);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_NE(run.output.find("the output cannot be written: Broken pipe"), std::string::npos) << run.output;
    }
    const std::string fifo = fixtures::freshFolder("fifo-output") + "/copy.gam";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ToolRun copy = gamtool({"copy", path, fifo});
    EXPECT_EQ(copy.status, 1);
    EXPECT_NE(copy.output.find("copy.gam: cannot be written: it is a FIFO, not a file"), std::string::npos)
        << copy.output;
    struct stat info {};
    EXPECT_TRUE(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

TEST(Gamtool, SolveStopsAtItsStepBoundAndNamesTheRealFault)
{
    const std::string path = fixtures::writeSmallGame("bounded.gam");
    const ToolRun bounded = gamtool({"solve", path, "--puzzle", "1", "--steps", "1"});
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
    const ToolRun overlap = gamtool({"solve", path, "--puzzle", "1"});
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
    const ToolRun run = gamtool({"solve", path, "--limit", "1", "--steps", "1"});
    EXPECT_EQ(run.status, 3) << run.output;
    EXPECT_NE(run.output.find("puzzle 1: undecided"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("puzzle 2: at least 1 tiling"), std::string::npos) << run.output;
}
