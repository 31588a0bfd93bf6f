// "config.dat" of any length and content: the record takes the bytes that are
// there over its former values, and a save reads back unchanged.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/Settings.h"

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& folder()
{
    static const std::string path = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("wallwright-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t used = std::min(size, ClSettings::kSize);

    ClSettings::Bytes full{};
    std::copy_n(data, used, full.begin());
    ClSettings direct;
    direct.fromBytes(full);
    check(direct.toBytes() == full);

    const std::string path = folder() + "/config.dat";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    ClSettings settings;
    const ClSettings::Bytes before = settings.toBytes();
    check(settings.loadFrom(path) == (size >= ClSettings::kSize));
    const ClSettings::Bytes loaded = settings.toBytes();
    check(std::equal(data, data + used, loaded.begin()));
    check(std::equal(loaded.begin() + std::ptrdiff_t(used), loaded.end(), before.begin() + std::ptrdiff_t(used)));

    check(settings.saveTo(path));
    check(std::filesystem::file_size(path) == ClSettings::kSize);
    ClSettings reread;
    check(reread.loadFrom(path));
    check(reread.toBytes() == loaded);
    return 0;
}
