#pragma once
// The wall occupancy grid: one counter per play-unit point. -1 marks a point
// that is no brick place of the target wall, 0 an uncovered wall cell, n a
// wall cell covered by n pieces.
#include <cstdint>
#include <vector>

#include "model/Gamefile.h"

class ClPositions {
public:
    // Sides are kept within [0, kMaxSide] so a damaged header cannot ask for
    // unbounded memory.
    static constexpr std::int32_t kMaxSide = 2048;

    ClPositions(std::int32_t width, std::int32_t height);
    ClPositions(const ClPositions&) = delete;
    ClPositions& operator=(const ClPositions&) = delete;

    bool contains(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Points outside the grid read as -1 and are not written.
    std::int32_t getAt(std::int32_t x, std::int32_t y) const;
    void setAt(std::int32_t x, std::int32_t y, std::int32_t value);
    void fill(std::int32_t value);

    const std::int32_t width;
    const std::int32_t height;

private:
    std::vector<std::int32_t> cells; // column by column
};

class ClCheckerboard {
public:
    ClCheckerboard(std::int32_t width, std::int32_t height);
    virtual ~ClCheckerboard() = default;

    // Marks the bricks of every piece, at its current placement, as the wall.
    virtual bool resetFromPuzzle(const ClPuzzle& puzzle);
    // delta +1 covers, -1 uncovers the wall cells of the list; other points and
    // other deltas change nothing. An uncovered cell stays in the wall.
    virtual void applyCells(const ClPoints& cells, std::int32_t delta);
    bool isComplete(std::int32_t* wallCount = nullptr, std::int32_t* coveredCount = nullptr) const;

    ClPositions positions;
};
