#include "Zoom.h"

#include <algorithm>
#include <cstdint>

#include "../model/Fileaccess.h"

namespace zoom {

namespace {
// "400\n" and a little room: a longer file is no zoom of the game's.
constexpr std::size_t kLargestFile = 16;

bool isStep(int percent)
{
    return std::find(kSteps.begin(), kSteps.end(), percent) != kSteps.end();
}
} // namespace

int larger(int percent)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next != kSteps.end() ? *next : kSteps.back();
}

int smaller(int percent)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return next != kSteps.begin() ? *(next - 1) : kSteps.front();
}

int largestFitting(int width, int height, int areaWidth, int areaHeight)
{
    int fitting = kSteps.front();
    for (int step : kSteps)
        if (std::int64_t(width) * step <= std::int64_t(areaWidth) * 100
            && std::int64_t(height) * step <= std::int64_t(areaHeight) * 100)
            fitting = step;
    return fitting;
}

int load(const std::string& path)
{
    std::string bytes;
    Failure failure;
    if (!fileaccess::readFile(path, kLargestFile, bytes, failure))
        return kNormal;
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r' || bytes.back() == ' '))
        bytes.pop_back();
    if (bytes.empty() || bytes.size() > 3 || !std::all_of(bytes.begin(), bytes.end(), [](char c) {
            return c >= '0' && c <= '9';
        }))
        return kNormal;
    const int percent = std::stoi(bytes);
    return isStep(percent) ? percent : kNormal;
}

bool save(const std::string& path, int percent, Failure& failure)
{
    return fileaccess::underFolderLock(fileaccess::folderOf(path), failure, [&] {
        return fileaccess::writeFile(path, std::to_string(percent) + "\n", failure);
    });
}

} // namespace zoom
