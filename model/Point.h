#pragma once
// Grid points and the three transforms that place a shape's bricks.
#include <cstdint>
#include <vector>

template <typename T>
struct TClPoint {
    T x{};
    T y{};
    friend bool operator==(const TClPoint&, const TClPoint&) = default;
};

using ClPoint = TClPoint<std::int32_t>;
using ClPoints = std::vector<ClPoint>;

// Mirror about the vertical line x = axisX; the result is truncated toward zero.
void mirrorPoints(ClPoints& points, float axisX);
// Turn clockwise on screen (y grows downwards) by degrees about (centreX, centreY);
// results are rounded half away from zero.
void rotatePoints(ClPoints& points, std::int32_t degrees, float centreX, float centreY);
void translatePoints(ClPoints& points, std::int32_t dx, std::int32_t dy);
// The corner of the box around the points: the smallest x with the smallest
// y, which need not be a point of the list; (0, 0) for an empty list.
ClPoint cornerOf(const ClPoints& points);

// Float-to-grid conversions that stay defined for NaN and out-of-range values,
// which a damaged puzzle file can carry.
std::int32_t truncateToInt(double value);
std::int32_t roundHalfAwayToInt(double value);
// Sum and product that stop at the int32 limits instead of overflowing.
std::int32_t clampToInt32(std::int64_t value);
std::int32_t saturatingAdd(std::int32_t a, std::int32_t b);
std::int32_t saturatingMul(std::int32_t a, std::int32_t b);
