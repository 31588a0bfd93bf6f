// The file system as players' machines really have it: links, FIFOs,
// folders and devices where files should be, read-only files, full disks
// and names that are no UTF-8. Every case uses the real thing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <filesystem>

#include "Fixtures.h"
#include "game/Folderlisting.h"
#include "game/Settings.h"
#include "model/Fileaccess.h"
#include "model/Gamefile.h"

namespace fs = std::filesystem;

// Every open() of the core, with its flags (the test program links with
// --wrap=open), so that how a file is created can be seen.
namespace {
std::vector<std::pair<std::string, int>> opened;
}
extern "C" int __real_open(const char* path, int flags, ...);
extern "C" int __wrap_open(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & O_CREAT) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    opened.emplace_back(path, flags);
    return __real_open(path, flags, mode);
}

TEST(Fileaccess, ReadingRefusesWhatIsNoFileWithoutBlockingOrWhatIsTooLarge)
{
    const std::string dir = fixtures::freshFolder("read-kinds");
    ASSERT_EQ(::mkfifo((dir + "/fifo.gam").c_str(), 0644), 0); // no writer: a blocking open would hang
    fs::create_directories(dir + "/folder.gam");
    const struct {
        std::string path, why;
    } cases[] = {
        {dir + "/fifo.gam", "it is a FIFO, not a file"},
        {dir + "/folder.gam", "it is a folder, not a file"},
        {"/dev/null", "it is a device, not a file"},
        {dir + "/missing.gam", "it is missing"},
    };
    for (const auto& c : cases) {
        ClGameFile file;
        EXPECT_FALSE(file.load(c.path));
        EXPECT_EQ(file.loadError(), "cannot be opened: " + c.why) << c.path;
        ClSettings settings;
        std::string why;
        EXPECT_FALSE(settings.loadFrom(c.path, &why));
        EXPECT_EQ(why, c.why);
    }
    // An oversized group is refused unread.
    const std::string huge = dir + "/Brick0.gam";
    { std::ofstream(huge).seekp(std::streamoff(ClGameFile::kLargestFile)) << 'x'; } // sparse
    ClGameFile file;
    EXPECT_FALSE(file.load(huge));
    EXPECT_NE(file.loadError().find("larger than"), std::string::npos);
}

TEST(Fileaccess, WritingReplacesWholeAndLeavesNothingBehind)
{
    const std::string dir = fixtures::freshFolder("write-plain");
    const std::string path = dir + "/config.dat";
    std::string why;
    ASSERT_TRUE(fileaccess::writeFile(path, "first", why)) << why;
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(fileaccess::writeFile(path, "second", why)) << why;
    EXPECT_EQ(fixtures::contentOf(path), "second");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0640)); // kept
    EXPECT_EQ(fixtures::entriesIn(dir), 1u);
}

// A file or a link planted under the temporary name is never written through:
// the temporary file is always made afresh.
TEST(Fileaccess, TheTemporaryFileIsANewFileNeverALink)
{
    opened.clear();
    std::string why;
    ASSERT_TRUE(fileaccess::writeFile(fixtures::freshFolder("write-fresh") + "/config.dat", "new", why)) << why;
    const auto temporary = std::find_if(opened.begin(), opened.end(),
                                        [](const auto& open) { return open.first.ends_with(".tmp"); });
    ASSERT_NE(temporary, opened.end());
    EXPECT_EQ(temporary->second & (O_CREAT | O_EXCL | O_NOFOLLOW), O_CREAT | O_EXCL | O_NOFOLLOW);
}

TEST(Fileaccess, ALinkIsWrittenWhereItLeadsAndStaysALink)
{
    const std::string dir = fixtures::freshFolder("write-link");
    fs::create_directories(dir + "/elsewhere");
    fixtures::put(dir + "/elsewhere/real.dat", "old");
    fs::create_symlink("elsewhere/real.dat", dir + "/config.dat");
    std::string why;
    ASSERT_TRUE(fileaccess::writeFile(dir + "/config.dat", "new", why)) << why;
    EXPECT_TRUE(fs::is_symlink(dir + "/config.dat"));
    EXPECT_EQ(fixtures::contentOf(dir + "/elsewhere/real.dat"), "new");

    // A link to nothing would create a file wherever it points: refused.
    fs::create_symlink(dir + "/nowhere/x.dat", dir + "/dangling.dat");
    EXPECT_FALSE(fileaccess::writeFile(dir + "/dangling.dat", "new", why));
    EXPECT_EQ(why, "it is a link to a missing file");
    EXPECT_FALSE(fs::exists(dir + "/nowhere"));
}

TEST(Fileaccess, WhatMayNotBeReplacedIsLeftAsItWas)
{
    const std::string dir = fixtures::freshFolder("write-refused");
    fixtures::put(dir + "/readonly.dat", "mine");
    ::chmod((dir + "/readonly.dat").c_str(), 0444);
    fs::create_directories(dir + "/folder.dat");
    ASSERT_EQ(::mkfifo((dir + "/fifo.dat").c_str(), 0644), 0);
    const struct {
        std::string path, why;
    } cases[] = {
        {dir + "/readonly.dat", "it is read-only"}, // even for root
        {dir + "/folder.dat", "it is a folder, not a file"},
        {dir + "/fifo.dat", "it is a FIFO, not a file"},
        {"/dev/full", "it is a device, not a file"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(ClSettings().saveTo(c.path, &why)) << c.path;
        EXPECT_EQ(why, c.why);
    }
    EXPECT_EQ(fixtures::contentOf(dir + "/readonly.dat"), "mine");
    EXPECT_EQ(fixtures::entriesIn(dir), 3u);
}

// A real full file system: a tiny tmpfs, which only root may mount.
TEST(Fileaccess, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const std::string dir = fixtures::freshFolder("full-disk");
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string path = dir + "/Brick0.gam";
    ClGameFile small;
    fixtures::fillSmallGame(small);
    std::string why;
    ASSERT_TRUE(small.save(path, &why)) << why;
    const std::string before = fixtures::contentOf(path);
    ClGameFile big;
    fixtures::fillSmallGame(big);
    big.puzzles.resize(200, big.puzzles.front());
    big.header.puzzleCount = 200;
    EXPECT_FALSE(big.save(path, &why));
    EXPECT_EQ(why, "No space left on device");
    EXPECT_EQ(fixtures::contentOf(path), before);
    EXPECT_EQ(fixtures::entriesIn(dir), 1u);
    ::umount(dir.c_str());
}

TEST(Fileaccess, NamesAreBytesNotText)
{
    // Latin-1 "café", a newline and a leading dash: all plain bytes to the game.
    const std::string dir = fixtures::freshFolder("bytes") + "/caf\xe9 \n-x";
    fs::create_directories(dir + "/Picture");
    fixtures::put(dir + "/Picture/\xff.JPG", "");
    fixtures::put(dir + "/Picture/b.bmp", "");
    ClGameFile small;
    fixtures::fillSmallGame(small);
    ASSERT_TRUE(small.save(dir + "/Brick0.gam"));
    ClGameFile loaded;
    EXPECT_TRUE(loaded.load(dir + "/Brick0.gam")) << loaded.loadError();
    EXPECT_EQ(findMatchingFiles(dir + "/Picture", ".jpg"), std::vector<std::string>{dir + "/Picture/\xff.JPG"});
    EXPECT_EQ(findMatchingFiles(dir + "/Picture", ".bmp").size(), 1u);
}
