#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <tuple>
#include <vector>

#include "../core/Fixtures.h"
#include "game/Puzzlecode.h"

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
    std::vector<char*> argv{const_cast<char*>(GAMTOOL_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int heard[2], unheard[2];
    if (::pipe(heard) != 0 || ::pipe(unheard) != 0)
        return {};
    ::close(unheard[0]);
    const pid_t child = ::fork();
    if (child == 0) {
        // Writes then fail with EPIPE instead of ending the tool unseen.
        ::signal(SIGPIPE, SIG_IGN);
        ::dup2(outputUnread ? unheard[1] : heard[1], STDOUT_FILENO);
        ::dup2(heard[1], STDERR_FILENO);
        ::execv(GAMTOOL_PATH, argv.data());
        ::_exit(127);
    }
    ::close(heard[1]);
    ::close(unheard[1]);
    ToolRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(heard[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, std::size_t(n));
    ::close(heard[0]);
    run.status = fixtures::exitStatusOf(child);
    return run;
}

} // namespace

// The dump shows the fields, and the cells play sees. A file the tool
// cannot use, or output lost on its way (a closed pipe here),
// fails with 1 and says why; a command line it does not understand fails with
// 2; exit 3 when any puzzle, not only the last, stays undecided at the step
// bound. What may not be written over is refused by the file access's own rule.
TEST(Gamtool, DumpAndCopyShowAndKeepTheBytesAndEveryOtherOutcomeHasItsExitStatus)
{
    const std::string path = fixtures::writeSmallGame("copy.gam");
    const ToolRun dump = gamtool({"dump", path});
    ASSERT_EQ(dump.status, 0) << dump.output;
    EXPECT_NE(dump.output.find("\"headerBlockA\": \"0000"), std::string::npos);
    EXPECT_NE(dump.output.find("\"centerY\": 0.5"), std::string::npos); // file units
    // The L of puzzle 0 stands at (8, 2) file units: play units times 4.
    EXPECT_NE(dump.output.find("\"cells\": [[32, 8], [40, 8], [36, 12]]"), std::string::npos);
    const std::string copy = fixtures::tempPath("copied.gam");
    EXPECT_EQ(gamtool({"copy", path, copy}).status, 0);
    EXPECT_EQ(fixtures::contentOf(path), fixtures::contentOf(copy));

    const std::string cut = fixtures::tempPath("cut-cli.gam");
    fixtures::put(cut, fixtures::contentOf(path).substr(0, 300));
    // Two solutions on one place, inside the field.
    const std::string overlap = fixtures::writeSmallGame(
        "overlap.gam", [](ClGameFile& file) { file.puzzles[0].pieces[1] = file.puzzles[0].pieces[0]; });
    const std::string lastDecided = fixtures::writeSmallGame("last-decided.gam", [](ClGameFile& file) {
        file.puzzles.resize(2);
        file.puzzles[1] = file.puzzles[0];
        file.puzzles[1].pieces.resize(1); // the bar alone: decided at the first step
    });
    // A fresh puzzle's code makes it again; a code on another puzzle is caught.
    const std::string code = codeText({kGeneratorVersion, 2, Challenge::Hard, 9});
    const std::string fresh = fixtures::tempPath("fresh.gam"), again = fixtures::tempPath("again.gam");
    const std::string misnamed = fixtures::writeSmallGame(
        "misnamed.gam", [&](ClGameFile& file) { putText(file.puzzles[1].puzzleBlock, code); });
    // The command line, the exit status and a part of what is said.
    const std::tuple<std::vector<std::string>, int, std::string> runs[] = {
        {{"dump", fixtures::tempPath("absent.gam")}, 1, "absent.gam: cannot be opened"},
        {{"copy", cut, copy}, 1, "cut-cli.gam: ends inside shape record 1"},
        {{"solve", overlap, "--puzzle", "1"}, 1, "puzzle 1: two bricks of its solution lie on one place"},
        // Puzzle 1 runs out of steps; puzzle 2, the last, is decided.
        {{"solve", lastDecided, "--limit", "1", "--steps", "1"}, 3, "puzzle 2: at least 1 tiling"},
        // The last puzzle can be named, one past it not.
        {{"solve", path, "--puzzle", "3"}, 0, "puzzle 3: "},
        {{"solve", path, "--puzzle", "3", "--stats"}, 0, " wrong of "},
        {{"solve", path, "--puzzle", "4"}, 1, "copy.gam: has no puzzle 4"},
        {{"solve", path, "--puzzle"}, 2, "usage:"},
        {{"generate", "--group", "0", "--seed", "1", "-o"}, 2, "usage:"},
        {{"frobnicate"}, 2, ""},
        {{"generate", "--group", "2", "--seed", "9", "--challenge", "hard", "-o", fresh}, 0, ""},
        {{"code", fresh}, 0, "puzzle 1: " + code + "\n"},
        {{"fromcode", code, "-o", again}, 0, ""},
        {{"code", misnamed}, 1, "puzzle 1: -\npuzzle 2: " + code + ", which makes another puzzle\n"},
        {{"fromcode", "3W0-U00-2DC", "-o", again}, 1, "'U' is in no code"},
        {{"generate", "--group", "0", "--seed", "1", "--challenge", "easiest", "-o", again}, 2, "challenge"},
        {{"generate", "--group", "0", "--seed", "1", "--count", "2", "--challenge", "easy", "-o", again}, 2, "usage"},
    };
    for (const auto& [arguments, status, said] : runs) {
        const ToolRun run = gamtool(arguments);
        EXPECT_EQ(run.status, status) << arguments[0];
        EXPECT_NE(run.output.find(said), std::string::npos) << run.output;
    }
    // Every command's output ends at the one check that sees it lost.
    const ToolRun unread = gamtool({"check", path}, true);
    EXPECT_EQ(unread.status, 1);
    EXPECT_NE(unread.output.find("the output cannot be written: Broken pipe"), std::string::npos) << unread.output;
    EXPECT_EQ(fixtures::contentOf(fresh), fixtures::contentOf(again));

    // Every file given is checked and reported, in order, a bad one in the
    // middle included, and any bad one fails the whole run.
    const std::string shipped = PUZZLE_DIR;
    const ToolRun checked = gamtool({"check", shipped + "/Brick0.gam", cut, shipped + "/Brick3.gam"});
    EXPECT_EQ(checked.status, 1);
    std::size_t at = 0;
    for (const char* said : {"Brick0.gam: group 0 \"Solid Wall (One Set)\": 60 puzzles checked\n",
                             "cut-cli.gam: ends inside shape record 1\n", "Brick3.gam: group 3 "}) {
        at = checked.output.find(said, at);
        EXPECT_NE(at, std::string::npos) << said << " in\n" << checked.output;
    }
}
