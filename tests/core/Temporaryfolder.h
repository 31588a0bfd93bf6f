#pragma once
// A folder of a test's own: made afresh under TMPDIR and removed with all it
// holds, whatever bytes its names are, when it goes, so that two runs at once
// never meet.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace fixtures {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        if (!::mkdtemp(folder.data()))
            throw std::runtime_error("cannot make a test folder " + folder);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (::getpid() == owner) // a forked child that exits leaves its parent's folder alone
            std::filesystem::remove_all(folder, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return folder; }

private:
    // TMPDIR set but empty is no folder to the library: such a run uses /tmp.
    static std::string temporaryBase()
    {
        std::error_code unset;
        const std::filesystem::path base = std::filesystem::temp_directory_path(unset);
        return unset ? "/tmp" : base.string();
    }

    std::string folder = temporaryBase() + "/wallwright-test-XXXXXX";
    pid_t owner = ::getpid();
};

} // namespace fixtures
