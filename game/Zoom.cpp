#include "game/Zoom.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "model/Fileaccess.h"

namespace zoom {

namespace {
// "400 99999x99999 maximised\n" and a little room: a longer file is no zoom
// of the game's.
constexpr std::size_t kLargestFile = 40;
constexpr std::string_view kMaximised = " maximised";
// A window side of more digits is no size of a screen's.
constexpr std::size_t kSideDigits = 5;

bool isStep(int percent)
{
    return std::find(kSteps.begin(), kSteps.end(), percent) != kSteps.end();
}

// A number of 1 to `digits` decimal digits without a leading zero, at the
// front of text, taken off it; -1 when there is none.
int takeNumber(std::string_view& text, std::size_t digits)
{
    std::size_t length = 0;
    while (length < text.size() && length <= digits && text[length] >= '0' && text[length] <= '9')
        ++length;
    if (length == 0 || length > digits || (text[0] == '0' && length > 1))
        return -1;
    const int number = std::stoi(std::string(text.substr(0, length)));
    text.remove_prefix(length);
    return number;
}

bool takeSeparator(std::string_view& text, char separator)
{
    if (text.empty() || text.front() != separator)
        return false;
    text.remove_prefix(1);
    return true;
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

Kept load(const std::string& path)
{
    std::string bytes;
    Failure failure;
    if (!fileaccess::readFile(path, kLargestFile, bytes, failure))
        return {};
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r' || bytes.back() == ' '))
        bytes.pop_back();
    std::string_view text(bytes);
    Kept kept;
    kept.percent = takeNumber(text, 3);
    if (!isStep(kept.percent))
        return {};
    if (text.ends_with(kMaximised)) {
        kept.maximised = true;
        text.remove_suffix(kMaximised.size());
    }
    if (text.empty())
        return kept;
    if (!takeSeparator(text, ' ') || (kept.width = takeNumber(text, kSideDigits)) <= 0 || !takeSeparator(text, 'x')
        || (kept.height = takeNumber(text, kSideDigits)) <= 0 || !text.empty())
        return {};
    return kept;
}

bool save(const std::string& path, const Kept& kept, Failure& failure)
{
    std::string text = std::to_string(kept.percent);
    if (kept.width > 0 && kept.height > 0)
        text += " " + std::to_string(kept.width) + "x" + std::to_string(kept.height);
    if (kept.maximised)
        text += kMaximised;
    return fileaccess::underFolderLock(fileaccess::folderOf(path), failure,
                                       [&] { return fileaccess::writeFile(path, text + "\n", failure); });
}

} // namespace zoom
