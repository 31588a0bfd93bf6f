// A puzzle group loaded from the fuzzer's bytes, converted to play units and
// played by a script from the same bytes: steps, restarts, picks, moves,
// turns, flips, snaps, move tests and completion tests at any points. After
// a restart the wall grid must always count exactly the bricks on it.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Playscript.h"
#include "game/Checkerboard.h"
#include "game/Gamecontrol.h"

using namespace playscript;

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& puzzlePath()
{
    static const std::string path = [] {
        const std::filesystem::path shm("/dev/shm");
        const auto dir = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        return (dir / ("wallwright-fuzz-" + std::to_string(getpid()) + ".gam")).string();
    }();
    return path;
}

// Every wall cell holds the number of piece bricks on it; nothing else is wall.
void checkGridCounts(const ClGameControl& game, const ClPositions& grid, const ClPoints& wall)
{
    if (std::int64_t(grid.width) * grid.height > (1 << 16))
        return; // too slow to recount on every call
    std::vector<std::int32_t> expected(std::size_t(grid.width) * std::size_t(grid.height), -1);
    auto at = [&](const ClPoint& p) -> std::int32_t* {
        return grid.contains(p.x, p.y) ? &expected[std::size_t(p.x) * std::size_t(grid.height) + std::size_t(p.y)]
                                       : nullptr;
    };
    for (const auto& p : wall)
        if (auto* cell = at(p))
            *cell = 0;
    for (const auto& piece : game.puzzle.pieces)
        for (const auto& p : piece.cells())
            if (auto* cell = at(p); cell && *cell >= 0)
                ++*cell;
    std::int32_t wallCells = 0, covered = 0;
    for (std::int32_t x = 0; x < grid.width; ++x)
        for (std::int32_t y = 0; y < grid.height; ++y) {
            const std::int32_t count = expected[std::size_t(x) * std::size_t(grid.height) + std::size_t(y)];
            check(grid.getAt(x, y) == count);
            wallCells += count >= 0;
            covered += count >= 1;
        }
    std::int32_t reportedWall = -1, reportedCovered = -1;
    const bool complete = game.gameData->checkerboard->isComplete(&reportedWall, &reportedCovered);
    check(reportedWall == wallCells && reportedCovered == covered && complete == (wallCells == covered));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::size_t scriptSize = std::size_t(data[size - 2]) | std::size_t(data[size - 1]) << 8;
    if (scriptSize > size - 2)
        scriptSize = size - 2;
    const std::size_t fileSize = size - 2 - scriptSize;
    const std::uint8_t* script = data + fileSize;
    {
        std::ofstream out(puzzlePath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(fileSize));
    }

    ClGameControl game;
    if (!game.gameData->load(puzzlePath())) {
        check(game.isValid() == nullptr);
        check(!game.gameData->rescaleToPlayUnits());
        return 0;
    }
    check(game.gameData->rescaleToPlayUnits());
    // The grid is bounded at 2048 a side; grids that large only slow the
    // search down here, and the grid tests cover them.
    const auto& grid = game.gameData->checkerboard->positions;
    if (std::int64_t(grid.width) * grid.height > 256 * 256)
        return 0;
    game.selectPuzzle(0);
    game.restart();

    // The wall of the latest restart, to recount the grid against.
    bool counted = game.isValid() != nullptr;
    ClPoints wall;
    auto rememberWall = [&] {
        wall.clear();
        counted = game.isValid() != nullptr;
        if (!counted)
            return;
        ClPuzzle solved = game.gameData->puzzles[std::size_t(game.puzzleIndex)];
        for (auto& piece : solved.pieces) {
            piece.x = saturatingMul(piece.x, kBrickScale);
            piece.y = saturatingMul(piece.y, kBrickScale);
            for (const auto& p : piece.cells())
                wall.push_back(p);
        }
    };
    rememberWall();

    for (std::size_t at = 0; at + kMoveSize <= scriptSize; at += kMoveSize) {
        const std::uint8_t* move = script + at;
        const bool wide = (move[0] & kWide) != 0;
        const auto op = Op((move[0] & ~kWide) % OpCount);
        const auto a16 = std::int32_t(std::int16_t(move[1] | move[2] << 8));
        const auto b16 = std::int32_t(std::int16_t(move[3] | move[4] << 8));
        const auto wide32 = std::int32_t(std::uint32_t(move[1]) | std::uint32_t(move[2]) << 8
                                         | std::uint32_t(move[3]) << 16 | std::uint32_t(move[4]) << 24);
        const std::int32_t x = wide ? wide32 : a16;
        const std::int32_t y = wide ? wide32 : b16;
        ClPiece* held = game.selectedPiece;
        switch (op) {
        case Select:
            game.selectPuzzle(x);
            counted = false;
            break;
        case Restart:
            game.restart();
            rememberWall();
            break;
        case PickAt:
            game.pickPiece(x, y);
            break;
        case PickBrick:
            // The brick anchors themselves, so that scripts hit pieces often.
            if (!game.puzzle.pieces.empty()) {
                const auto& piece = game.puzzle.pieces[std::size_t(move[1]) % game.puzzle.pieces.size()];
                const ClPoints cells = piece.cells();
                if (!cells.empty()) {
                    const ClPoint p = cells[std::size_t(move[2]) % cells.size()];
                    check(game.pickPiece(p.x, p.y) != nullptr || !game.isValid());
                }
            }
            break;
        case Move:
            game.movePiece(held, x, y);
            break;
        case Turn:
            game.turnPiece(held, x, y);
            break;
        case Flip:
            game.flipPiece(held);
            break;
        case Rotate:
            game.rotatePiece(held, wide ? wide32 : a16);
            break;
        case Snap:
            game.snapPiece(held, x, y);
            break;
        case CanMove:
            game.canMoveTo(held, x, y);
            break;
        case Check:
            if (counted)
                checkGridCounts(game, game.gameData->checkerboard->positions, wall);
            else if (game.gameData->checkerboard)
                game.gameData->checkerboard->isComplete();
            break;
        case Step:
            (move[1] & 1) ? game.nextPuzzle() : game.prevPuzzle();
            counted = false;
            break;
        case SnapHome:
            // Drops the held piece where the finished wall has it.
            if (held && game.isValid()) {
                for (const auto& solved : game.gameData->puzzles[std::size_t(game.puzzleIndex)].pieces)
                    if (saturatingMul(solved.startX, kBrickScale) == held->startX
                        && saturatingMul(solved.startY, kBrickScale) == held->startY
                        && solved.shapeIndex == held->shapeIndex) {
                        game.snapPiece(held, saturatingMul(solved.x, kBrickScale), saturatingMul(solved.y, kBrickScale));
                        break;
                    }
            }
            break;
        default:
            break;
        }
        // The selection always names a piece of the puzzle in play.
        check(!game.selectedPiece || game.selectedPiece == &game.puzzle.pieces[0]);
    }
    if (counted)
        checkGridCounts(game, game.gameData->checkerboard->positions, wall);
    return 0;
}
