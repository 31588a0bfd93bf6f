#include "model/Point.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr double kIntMax = std::numeric_limits<std::int32_t>::max();

} // namespace

std::int32_t clampToInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= kIntMin)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= kIntMax)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t roundHalfAwayToInt(double value)
{
    return truncateToInt(value >= 0 ? value + 0.5 : value - 0.5);
}

std::int32_t saturatingAdd(std::int32_t a, std::int32_t b)
{
    return clampToInt32(std::int64_t(a) + b);
}

std::int32_t saturatingMul(std::int32_t a, std::int32_t b)
{
    return clampToInt32(std::int64_t(a) * b);
}

void mirrorPoints(ClPoints& points, float axisX)
{
    for (auto& p : points)
        p.x = truncateToInt(2.0 * double(axisX) - double(p.x));
}

void rotatePoints(ClPoints& points, std::int32_t degrees, float centreX, float centreY)
{
    const double theta = double(degrees) * kPi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    for (auto& p : points) {
        const double dx = double(p.x) - double(centreX);
        const double dy = double(p.y) - double(centreY);
        p.x = roundHalfAwayToInt(dx * c - dy * s + double(centreX));
        p.y = roundHalfAwayToInt(dx * s + dy * c + double(centreY));
    }
}

void translatePoints(ClPoints& points, std::int32_t dx, std::int32_t dy)
{
    for (auto& p : points) {
        p.x = saturatingAdd(p.x, dx);
        p.y = saturatingAdd(p.y, dy);
    }
}

ClPoint cornerOf(const ClPoints& points)
{
    if (points.empty())
        return {};
    ClPoint corner = points.front();
    for (const auto& p : points)
        corner = {std::min(corner.x, p.x), std::min(corner.y, p.y)};
    return corner;
}
