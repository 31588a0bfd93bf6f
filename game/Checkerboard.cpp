#include "game/Checkerboard.h"

#include <algorithm>

ClPositions::ClPositions(std::int32_t width, std::int32_t height)
    : width(std::clamp(width, 0, kMaxSide))
    , height(std::clamp(height, 0, kMaxSide))
    , cells(std::size_t(this->width) * std::size_t(this->height), -1)
{
}

std::int32_t ClPositions::getAt(std::int32_t x, std::int32_t y) const
{
    return contains(x, y) ? cells[std::size_t(x) * std::size_t(height) + std::size_t(y)] : -1;
}

void ClPositions::setAt(std::int32_t x, std::int32_t y, std::int32_t value)
{
    if (contains(x, y))
        cells[std::size_t(x) * std::size_t(height) + std::size_t(y)] = value;
}

void ClPositions::fill(std::int32_t value)
{
    std::fill(cells.begin(), cells.end(), value);
}

ClCheckerboard::ClCheckerboard(std::int32_t width, std::int32_t height)
    : positions(width, height)
{
}

bool ClCheckerboard::resetFromPuzzle(const ClPuzzle& puzzle)
{
    positions.fill(-1);
    ClPoints cells;
    for (const auto& piece : puzzle.pieces) {
        piece.getCells(cells);
        for (const auto& p : cells)
            positions.setAt(p.x, p.y, 0);
    }
    return true;
}

void ClCheckerboard::applyCells(const ClPoints& cells, std::int32_t delta)
{
    if (delta != 1 && delta != -1)
        return;
    for (const auto& p : cells) {
        const std::int32_t count = positions.getAt(p.x, p.y);
        if (count < 0)
            continue;
        positions.setAt(p.x, p.y, std::max(0, count + delta));
    }
}

bool ClCheckerboard::isComplete(std::int32_t* wallCount, std::int32_t* coveredCount) const
{
    std::int32_t wall = 0;
    std::int32_t covered = 0;
    for (std::int32_t x = 0; x < positions.width; ++x)
        for (std::int32_t y = 0; y < positions.height; ++y) {
            const std::int32_t count = positions.getAt(x, y);
            wall += count >= 0;
            covered += count >= 1;
        }
    if (wallCount)
        *wallCount = wall;
    if (coveredCount)
        *coveredCount = covered;
    return wall == covered;
}
