#pragma once
// Small puzzle files built in code, so tests do not depend on shipped data,
// and folders of the test's own to keep them in.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>

#include "Temporaryfolder.h"
#include "game/Gamecontrol.h"
#include "game/Progress.h"
#include "model/Fileaccess.h"
#include "model/Gamefile.h"

namespace fixtures {

// A straight bar of three bricks in one row, centre and axis in its middle.
inline ClShape barShape()
{
    return {.centerX = 2, .centerY = 0, .mirrorX = 2, .points = {{0, 0}, {2, 0}, {4, 0}}};
}

inline ClPiece piece(std::int32_t shapeIndex, std::int32_t x, std::int32_t y, std::int32_t startX, std::int32_t startY)
{
    return {.x = x, .y = y, .shapeIndex = shapeIndex, .startX = startX, .startY = startY};
}

// Three puzzles of two pieces each on a 20 x 20 grid whose bricks draw at
// 64 x 20 pixels: a bar and an L (two bricks in a row and one below, half a
// brick in) side by side in the wall, starting further down the field.
inline void fillSmallGame(ClGameFile& file)
{
    file.header = {.puzzleCount = 3,
                   .shapeCount = 2,
                   .gridWidth = 20,
                   .gridHeight = 20,
                   .rotateStep = 180,
                   .cellWidth = 32,
                   .cellHeight = 20};
    file.shapes = {barShape(), {.centerX = 1, .centerY = 0.5f, .mirrorX = 1, .points = {{0, 0}, {2, 0}, {1, 1}}}};
    file.puzzles.clear();
    for (int i = 0; i < 3; ++i) {
        ClPuzzle puzzle;
        puzzle.pieces = {piece(0, 2, 2 + i, 2, 12), piece(1, 8, 2 + i, 10, 14)};
        puzzle.pieceCount = 2;
        puzzle.puzzleWord1 = i;
        file.puzzles.push_back(puzzle);
    }
}

// A path in the folder of this test run, made at its first use and removed
// as the run ends.
inline std::string tempPath(const std::string& name)
{
    static const TemporaryFolder run;
    return run.path() + "/" + name;
}

// A fresh, empty folder of the test's own.
inline std::string freshFolder(const std::string& name)
{
    const std::string dir = tempPath(name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void put(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// How many names a folder holds.
inline std::size_t entriesIn(const std::string& dir)
{
    using std::filesystem::directory_iterator;
    return std::size_t(std::distance(directory_iterator(dir), directory_iterator()));
}

// The small game, changed by `edit` first, saved under `name`: its path, or
// nothing when it could not be saved.
inline std::string writeSmallGame(const std::string& name, const std::function<void(ClGameFile&)>& edit = {})
{
    ClGameFile file;
    fillSmallGame(file);
    if (edit)
        edit(file);
    const std::string path = tempPath(name);
    return file.save(path) ? path : std::string();
}

// The group at `path` loaded in play units, its first puzzle laid out for play.
inline bool startPlay(ClGameControl& game, const std::string& path)
{
    if (!game.gameData->load(path) || !game.gameData->rescaleToPlayUnits() || !game.selectPuzzle(0))
        return false;
    game.restart();
    return true;
}

// Wrong moves on the puzzle in play: every other piece turned as its place
// wants and dropped one place right of it, where that snaps, so that some of
// them block every solution. The hint tests and the hint benchmark start here.
inline void makeWrongMoves(ClGameControl& game)
{
    const auto& solution = game.gameData->puzzles[std::size_t(game.puzzleIndex)].pieces;
    for (std::size_t i = 0; i < game.puzzle.pieces.size(); i += 2) {
        ClPiece& piece = game.puzzle.pieces[i];
        game.selectedPiece = &piece;
        game.rotatePiece(&piece, solution[i].angle - piece.angle);
        if ((piece.flipped != 0) != (solution[i].flipped != 0))
            game.flipPiece(&piece);
        game.snapPiece(&piece, (solution[i].x + 2) * kBrickScale, solution[i].y * kBrickScale);
    }
    game.selectedPiece = nullptr;
}

// A record of solved puzzles at its limit: puzzles of no group, then `last`
// solved with help.
inline std::string fullProgress(const ClPuzzle& last)
{
    ClProgress one;
    one.record(last, true);
    const std::string single = one.toBytes(); // a header, then the one entry
    std::string bytes = single.substr(0, ClProgress::kHeaderSize);
    const std::uint32_t count = ClProgress::kMostEntries;
    std::memcpy(bytes.data() + 12, &count, 4); // little-endian, as stored
    std::string entry = single.substr(ClProgress::kHeaderSize);
    bytes.reserve(ClProgress::kLargestFile);
    for (std::uint32_t i = 1; i < count; ++i) {
        std::memcpy(entry.data(), &i, 4); // distinct keys, none of them a group's
        bytes += entry;
    }
    return bytes + single.substr(ClProgress::kHeaderSize);
}

// Runs `work` in a child process of its own, as a second running game
// would, and returns its exit status: 0 when `work` returned true.
inline int exitStatusOf(pid_t child)
{
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

template <typename Work> int inChildProcess(Work work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);
    return exitStatusOf(child);
}

// A second running game, in a process of its own, that takes the folder's
// lock and is stopped while it holds it, as a suspended laptop or a debugger
// stops a game in the middle of its save. Continued, it runs `whileHeld`
// and lets go as it exits; killed if it never was.
class StoppedGame {
public:
    template <typename Work>
    StoppedGame(const std::string& folder, Work whileHeld)
        : child(::fork())
    {
        if (child == 0) {
            const fileaccess::FolderLock lock(folder);
            if (lock.held())
                ::raise(SIGSTOP);
            ::_exit(lock.held() && whileHeld() ? 0 : 1);
        }
        int status = 0;
        holding = child > 0 && ::waitpid(child, &status, WUNTRACED) == child && WIFSTOPPED(status);
    }
    ~StoppedGame()
    {
        if (holding && ::kill(child, SIGKILL) == 0)
            ::waitpid(child, nullptr, 0);
    }

    // Whether it stopped with the lock in hand.
    bool holdsTheLock() const { return holding; }
    // Lets it go on and waits for it to end; 0 when `whileHeld` did its work.
    int resume()
    {
        holding = false;
        ::kill(child, SIGCONT);
        return exitStatusOf(child);
    }

private:
    pid_t child;
    bool holding = false;
};

} // namespace fixtures
