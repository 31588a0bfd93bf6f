#include "game/Gamecontrol.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "game/Checkerboard.h"

ClGameControl::ClGameControl()
    : gameData(std::make_unique<ClGameData>())
{
}

ClGameControl* ClGameControl::isValid()
{
    const bool inside = puzzleIndex >= 0 && std::size_t(puzzleIndex) < gameData->puzzles.size();
    return inside && gameData->checkerboard ? this : nullptr;
}

void ClGameControl::copyCurrentRecord()
{
    if (puzzleIndex < 0 || std::size_t(puzzleIndex) >= gameData->puzzles.size())
        return;
    // The held piece lives in the storage about to be replaced.
    selectedPiece = nullptr;
    puzzle = gameData->puzzles[std::size_t(puzzleIndex)];
    scalePositions();
    fileOrder.resize(puzzle.pieces.size());
    std::iota(fileOrder.begin(), fileOrder.end(), std::size_t(0));
    history.end();
}

void ClGameControl::scalePositions()
{
    for (auto& piece : puzzle.pieces) {
        piece.x = saturatingMul(piece.x, kBrickScale);
        piece.y = saturatingMul(piece.y, kBrickScale);
        piece.startX = saturatingMul(piece.startX, kBrickScale);
        piece.startY = saturatingMul(piece.startY, kBrickScale);
    }
}

void ClGameControl::applyPiece(const ClPiece* piece, std::int32_t delta)
{
    if (gameData->checkerboard)
        gameData->checkerboard->applyCells(piece->cells(), delta);
}

void ClGameControl::restart()
{
    if (!isValid())
        return;
    copyCurrentRecord();
    gameData->checkerboard->resetFromPuzzle(puzzle);
    for (auto& piece : puzzle.pieces) {
        piece = piece.atStart();
        applyPiece(&piece, +1);
    }
    history.start(placements());
}

bool ClGameControl::nextPuzzle()
{
    if (!hasPuzzles())
        return true;
    if (puzzleIndex < puzzleCount() - 1)
        ++puzzleIndex;
    copyCurrentRecord();
    return puzzleIndex == puzzleCount() - 1;
}

bool ClGameControl::prevPuzzle()
{
    if (!hasPuzzles())
        return true;
    if (puzzleIndex > 0)
        --puzzleIndex;
    copyCurrentRecord();
    return puzzleIndex == 0;
}

bool ClGameControl::selectPuzzle(std::int32_t index)
{
    if (index < 0 || index > puzzleCount() - 1 || std::size_t(index) >= gameData->puzzles.size())
        return false;
    puzzleIndex = index;
    copyCurrentRecord();
    return true;
}

ClPiece* ClGameControl::pickPiece(std::int32_t x, std::int32_t y)
{
    if (!isValid())
        return nullptr;
    selectedPiece = nullptr;
    ClPoints cells;
    for (std::size_t i = 0; i < puzzle.pieces.size(); ++i) {
        puzzle.pieces[i].getCells(cells);
        for (const auto& cell : cells)
            if (cell.x == x && cell.y == y)
                return select(i);
    }
    return nullptr;
}

ClPiece* ClGameControl::pickInFileOrder(std::size_t index)
{
    if (!isValid())
        return nullptr;
    selectedPiece = nullptr;
    return pieceInFileOrder(index) ? select(fileOrder[index]) : nullptr;
}

ClPiece* ClGameControl::pieceInFileOrder(std::size_t index)
{
    return const_cast<ClPiece*>(std::as_const(*this).pieceInFileOrder(index));
}

const ClPiece* ClGameControl::pieceInFileOrder(std::size_t index) const
{
    const bool known = index < fileOrder.size() && fileOrder[index] < puzzle.pieces.size();
    return known ? &puzzle.pieces[fileOrder[index]] : nullptr;
}

ClPiece* ClGameControl::select(std::size_t listIndex)
{
    std::swap(puzzle.pieces[listIndex], puzzle.pieces[0]);
    for (std::size_t& at : fileOrder)
        at = at == listIndex ? 0 : (at == 0 ? listIndex : at);
    selectedPiece = &puzzle.pieces[0];
    return selectedPiece;
}

void ClGameControl::placePiece(ClPiece* piece, std::int32_t x, std::int32_t y)
{
    applyPiece(piece, -1);
    piece->x = x;
    piece->y = y;
    applyPiece(piece, +1);
}

void ClGameControl::placePiece(ClPiece* piece, const Placement& placement)
{
    applyPiece(piece, -1);
    piece->x = placement.x;
    piece->y = placement.y;
    piece->angle = placement.angle;
    piece->flipped = placement.flipped;
    applyPiece(piece, +1);
}

PlayOutcome ClGameControl::movePiece(ClPiece* piece, std::int32_t x, std::int32_t y)
{
    if (!selectedPiece || !piece)
        return outcomeOf(PieceChange::None);
    placePiece(piece, x, y);
    return outcomeOf(PieceChange::Moved);
}

void ClGameControl::flipPiece(ClPiece* piece)
{
    if (!piece)
        return;
    applyPiece(piece, -1);
    piece->flip();
    applyPiece(piece, +1);
}

void ClGameControl::rotatePiece(ClPiece* piece, std::int32_t degrees)
{
    if (!piece)
        return;
    applyPiece(piece, -1);
    piece->rotate(degrees);
    applyPiece(piece, +1);
}

bool ClGameControl::canMoveTo(const ClPiece* piece, std::int32_t x, std::int32_t y) const
{
    if (!piece || !gameData->checkerboard)
        return false;
    const auto& grid = gameData->checkerboard->positions;
    if (x < 0 || y < 0 || y >= grid.height - kBrickScale)
        return false;
    const std::int64_t dx = std::int64_t(x) - piece->x;
    const std::int64_t dy = std::int64_t(y) - piece->y;
    for (const auto& cell : piece->cells())
        if (cell.x + dx >= grid.width || cell.y + dy >= grid.height)
            return false;
    return true;
}

namespace {
// The value moved by whole steps into [low, high] when it lies outside;
// as close to the range as it gets when the range falls between two steps.
std::int64_t intoRange(std::int64_t value, std::int64_t low, std::int64_t high, std::int64_t step)
{
    if (value < low)
        return value + (low - value + step - 1) / step * step;
    if (value > high)
        return value - (value - high + step - 1) / step * step;
    return value;
}
} // namespace

std::optional<ClPoint> ClGameControl::stepInField(const ClPiece* piece, std::int32_t columns, std::int32_t rows) const
{
    if (!piece || !gameData->checkerboard)
        return std::nullopt;
    // The positions canMoveTo allows form a box: the piece's bricks stay
    // left of the grid's width and above its height, its origin in the field.
    const auto& grid = gameData->checkerboard->positions;
    std::int64_t right = 0, below = 0;
    for (const auto& cell : piece->cells()) {
        right = std::max(right, std::int64_t(cell.x) - piece->x);
        below = std::max(below, std::int64_t(cell.y) - piece->y);
    }
    const std::int64_t highX = std::int64_t(grid.width) - 1 - right;
    const std::int64_t highY = std::min(std::int64_t(grid.height) - 1 - below, std::int64_t(grid.height) - 1 - kBrickScale);
    const std::int64_t x = intoRange(std::int64_t(piece->x) + std::int64_t(columns) * kBrickScale, 0, highX, kBrickScale);
    const std::int64_t y = intoRange(std::int64_t(piece->y) + std::int64_t(rows) * kBrickScale, 0, highY, kBrickScale);
    if (x != clampToInt32(x) || y != clampToInt32(y) || (x == piece->x && y == piece->y)
        || !canMoveTo(piece, std::int32_t(x), std::int32_t(y)))
        return std::nullopt;
    return ClPoint{std::int32_t(x), std::int32_t(y)};
}

PlayOutcome ClGameControl::turnPiece(ClPiece* piece, std::int32_t column, std::int32_t row, TurnWay way)
{
    const std::optional<ClPiece> turned = piece ? ::turned(*piece, gameData->header.rotateStep, way) : std::nullopt;
    if (!turned)
        return outcomeOf(PieceChange::None);
    const ClPoints before = piece->cells();
    const ClPoints after = turned->cells();
    // The brick under the point keeps its place; the first one when no brick is there.
    std::size_t k = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::int64_t dx = std::int64_t(column) - before[i].x;
        const std::int64_t dy = std::int64_t(row) - before[i].y;
        if (dx >= 0 && dx < 2 * kBrickScale && dy >= 0 && dy < kBrickScale) {
            k = i;
            break;
        }
    }
    applyPiece(piece, -1);
    piece->angle = turned->angle;
    piece->flipped = turned->flipped;
    if (k < before.size() && k < after.size()) {
        piece->x = clampToInt32(std::int64_t(piece->x) + before[k].x - after[k].x);
        piece->y = clampToInt32(std::int64_t(piece->y) + before[k].y - after[k].y);
    }
    applyPiece(piece, +1);
    return outcomeOf(PieceChange::Turned);
}

PlayOutcome ClGameControl::snapPiece(ClPiece* piece, std::int32_t column, std::int32_t row)
{
    if (!selectedPiece || !piece || !gameData->checkerboard)
        return outcomeOf(PieceChange::None);
    constexpr std::int32_t half = kBrickScale / 2;
    const std::int32_t snappedColumn = saturatingAdd(column, half) / kBrickScale * kBrickScale;
    const std::int32_t snappedRow = saturatingAdd(row, half) / kBrickScale * kBrickScale;
    placePiece(piece, snappedColumn, snappedRow);
    const auto& grid = gameData->checkerboard->positions;
    for (const auto& cell : piece->cells())
        if (grid.getAt(cell.x, cell.y) != 1) {
            placePiece(piece, column, row);
            return outcomeOf(PieceChange::Moved);
        }
    return outcomeOf(PieceChange::Snapped);
}

PlayOutcome ClGameControl::letGo()
{
    selectedPiece = nullptr;
    commit();
    return outcomeOf(PieceChange::None);
}

Placements ClGameControl::placements() const
{
    Placements pieces;
    for (std::size_t at : fileOrder)
        if (at < puzzle.pieces.size()) {
            const ClPiece& piece = puzzle.pieces[at];
            pieces.push_back({piece.x, piece.y, piece.angle, piece.flipped});
        }
    return pieces;
}

void ClGameControl::commit()
{
    history.record(placements());
    // A solved wall is finished: nothing of it is taken back.
    if (wallComplete())
        history.end();
}

PlayOutcome ClGameControl::undo()
{
    commit();
    return goTo(history.undo());
}

PlayOutcome ClGameControl::redo()
{
    // A change not let go yet is a new change: it leaves nothing to redo.
    commit();
    return goTo(history.redo());
}

LeftPlay ClGameControl::leavePlay()
{
    letGo();
    return {puzzleIndex, puzzle.pieces, fileOrder, history};
}

bool ClGameControl::resumePlay(const LeftPlay& left)
{
    const bool known = left.puzzleIndex >= 0 && std::size_t(left.puzzleIndex) < gameData->puzzles.size()
                       && gameData->puzzles[std::size_t(left.puzzleIndex)].pieces.size() == left.pieces.size()
                       && left.fileOrder.size() == left.pieces.size()
                       && std::all_of(left.fileOrder.begin(), left.fileOrder.end(),
                                      [&](std::size_t at) { return at < left.pieces.size(); });
    if (!known || !selectPuzzle(left.puzzleIndex) || !isValid())
        return false;
    gameData->checkerboard->resetFromPuzzle(puzzle);
    // The shapes are this collection's: the file's piece k lies at list place fileOrder[k].
    std::vector<ClPiece> pieces = left.pieces;
    for (std::size_t k = 0; k < left.fileOrder.size(); ++k)
        pieces[left.fileOrder[k]].shape = puzzle.pieces[k].shape;
    puzzle.pieces = std::move(pieces);
    fileOrder = left.fileOrder;
    for (const auto& piece : puzzle.pieces)
        applyPiece(&piece, +1);
    history = left.history;
    return true;
}

bool ClGameControl::canUndo() const
{
    return history.canUndo() || history.differs(placements());
}

PlayOutcome ClGameControl::goTo(const std::optional<Placements>& pieces)
{
    if (!pieces)
        return outcomeOf(PieceChange::None);
    selectedPiece = nullptr;
    for (std::size_t k = 0; k < pieces->size(); ++k)
        if (ClPiece* piece = pieceInFileOrder(k))
            placePiece(piece, (*pieces)[k]);
    commit();
    return outcomeOf(PieceChange::Moved);
}

bool ClGameControl::wallComplete() const
{
    return gameData->checkerboard && gameData->checkerboard->isComplete();
}
