#pragma once
// A folder of a test's own: made afresh under TMPDIR and removed with all it
// holds, whatever bytes its names are, when it goes, so that two runs at once
// never meet.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fixtures {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "wallwright-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror(pattern.c_str());
            std::abort();
        }
        folder = pattern;
    }
    ~TemporaryFolder()
    {
        // A forked child that exits leaves its parent's folder alone.
        if (::getpid() != owner)
            return;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return folder; }

private:
    std::string folder;
    pid_t owner = ::getpid();
};

} // namespace fixtures
