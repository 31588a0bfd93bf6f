#include "game/Folderlisting.h"

#include <algorithm>

#include "model/Fileaccess.h"

namespace {
char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool endsWithIgnoringCase(const std::string& name, const std::string& ending)
{
    return name.size() >= ending.size()
           && std::equal(ending.rbegin(), ending.rend(), name.rbegin(),
                         [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::uint8_t(lowerAscii(x)) < std::uint8_t(lowerAscii(y));
    });
}
} // namespace

std::vector<std::string> findMatchingFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    for (const auto& entry : fileaccess::listFolder(folder))
        if (endsWithIgnoringCase(entry.name, extension) && (entry.isFile || entry.isFolder))
            names.push_back(entry.name);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    std::vector<std::string> paths;
    for (const auto& name : names)
        paths.push_back(fileaccess::joinPath(folder, name));
    return paths;
}
