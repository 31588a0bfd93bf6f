// The file system as players' machines really have it: links, FIFOs,
// folders and devices where files should be, read-only files, full disks
// and names that are no UTF-8. Every case uses the real thing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <ctime>
#include <filesystem>

#include "Fixtures.h"
#include "game/Folderlisting.h"
#include "game/Settings.h"
#include "model/Fileaccess.h"
#include "model/Gamefile.h"

namespace fs = std::filesystem;

// The core's open(), fsync() and rename() calls on their way to the system
// (the test program links with --wrap for each), so that how a file is
// written can be seen, and a rename can be made to fail.
namespace {
struct Call {
    std::string what, path;
    int flags = 0;
};
std::vector<Call> calls;
bool failRename = false;
} // namespace
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
    calls.push_back({"open", path, flags});
    return __real_open(path, flags, mode);
}
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    calls.push_back({"fsync", "", fd});
    return __real_fsync(fd);
}
extern "C" int __real_rename(const char* from, const char* to);
extern "C" int __wrap_rename(const char* from, const char* to)
{
    calls.push_back({"rename", to, 0});
    if (failRename) {
        errno = EXDEV;
        return -1;
    }
    return __real_rename(from, to);
}

// A socket and, where the test may make one, a device of the test's own:
// no test goes near the machine's real devices.
void makeOddEntries(const std::string& dir, std::vector<std::pair<std::string, std::string>>& cases,
                    const std::string& ending)
{
    const std::string socketPath = dir + "/socket" + ending;
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    if (sock >= 0 && socketPath.size() < sizeof address.sun_path
        && ::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        cases.emplace_back(socketPath, "it is a socket, not a file");
    ::close(sock);
    // The null device's numbers: harmless even if it were opened.
    if (::mknod((dir + "/device" + ending).c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        cases.emplace_back(dir + "/device" + ending, "it is a device, not a file");
}

TEST(Fileaccess, ReadingRefusesWhatIsNoFileWithoutBlockingOrWhatIsTooLarge)
{
    const std::string dir = fixtures::freshFolder("read-kinds");
    ASSERT_EQ(::mkfifo((dir + "/fifo.gam").c_str(), 0644), 0); // no writer: a blocking open would hang
    fs::create_directories(dir + "/folder.gam");
    std::vector<std::pair<std::string, std::string>> cases = {
        {dir + "/fifo.gam", "it is a FIFO, not a file"},
        {dir + "/folder.gam", "it is a folder, not a file"},
    };
    makeOddEntries(dir, cases, ".gam");
    for (const auto& [path, why] : cases) {
        ClGameFile file;
        EXPECT_FALSE(file.load(path));
        EXPECT_EQ(file.loadFailure().kind, FailureKind::NotRegular) << path;
        EXPECT_EQ(file.loadFailure().why, "cannot be opened: " + why) << path;
        ClSettings settings;
        Failure failure;
        EXPECT_FALSE(settings.loadFrom(path, &failure));
        EXPECT_EQ(failure.why, why);
    }
    Failure missing;
    EXPECT_FALSE(ClSettings().loadFrom(dir + "/missing.gam", &missing));
    EXPECT_EQ(missing.kind, FailureKind::Missing);

    // A file of exactly the limit is read; one byte more is refused unread.
    const std::string limitFile = dir + "/limit";
    fixtures::put(limitFile, "12345");
    std::string bytes;
    Failure failure;
    EXPECT_TRUE(fileaccess::readFile(limitFile, 5, bytes, failure)) << failure.why;
    EXPECT_EQ(bytes, "12345");
    EXPECT_FALSE(fileaccess::readFile(limitFile, 4, bytes, failure));
    EXPECT_EQ(failure.kind, FailureKind::TooLarge);
    const std::string huge = dir + "/Brick0.gam";
    { std::ofstream(huge).seekp(std::streamoff(ClGameFile::kLargestFile)) << 'x'; } // sparse
    ClGameFile file;
    EXPECT_FALSE(file.load(huge));
    EXPECT_EQ(file.loadFailure().kind, FailureKind::TooLarge);
}

TEST(Fileaccess, WritingReplacesWholeAndLeavesNothingBehind)
{
    const std::string dir = fixtures::freshFolder("write-plain");
    const std::string path = dir + "/config.dat";
    Failure failure;
    ASSERT_TRUE(fileaccess::writeFile(path, "first", failure)) << failure.why;
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(fileaccess::writeFile(path, "second", failure)) << failure.why;
    EXPECT_EQ(fixtures::contentOf(path), "second");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0640)); // kept
    EXPECT_EQ(fixtures::entriesIn(dir), 1u);
}

// The temporary file is always made afresh, so a file or a link planted
// under its name is never written through; it reaches the disk before it
// takes the old file's place, and a rename that fails keeps the old file.
TEST(Fileaccess, TheTemporaryFileIsNewFlushedThenRenamed)
{
    const std::string dir = fixtures::freshFolder("write-fresh");
    const std::string path = dir + "/config.dat";
    fixtures::put(path, "old");
    calls.clear();
    Failure failure;
    ASSERT_TRUE(fileaccess::writeFile(path, "new", failure)) << failure.why;
    const auto temporary = std::find_if(calls.begin(), calls.end(),
                                        [](const Call& call) { return call.path.ends_with(".tmp"); });
    ASSERT_NE(temporary, calls.end());
    EXPECT_EQ(temporary->flags & (O_CREAT | O_EXCL | O_NOFOLLOW), O_CREAT | O_EXCL | O_NOFOLLOW);
    std::vector<std::string> order;
    for (const Call& call : calls)
        order.push_back(call.what);
    const auto flush = std::find(order.begin(), order.end(), "fsync");
    const auto rename = std::find(order.begin(), order.end(), "rename");
    ASSERT_NE(rename, order.end());
    EXPECT_LT(flush, rename) << "the new content must be on disk before it replaces the old";

    failRename = true;
    EXPECT_FALSE(fileaccess::writeFile(path, "newer", failure));
    failRename = false;
    EXPECT_EQ(failure.kind, FailureKind::Io);
    EXPECT_EQ(fixtures::contentOf(path), "new");
    EXPECT_EQ(fixtures::entriesIn(dir), 1u);
}

TEST(Fileaccess, ALinkIsWrittenWhereItLeadsAndStaysALink)
{
    const std::string dir = fixtures::freshFolder("write-link");
    fs::create_directories(dir + "/elsewhere");
    fixtures::put(dir + "/elsewhere/real.dat", "old");
    fs::create_symlink("elsewhere/real.dat", dir + "/config.dat");
    Failure failure;
    ASSERT_TRUE(fileaccess::writeFile(dir + "/config.dat", "new", failure)) << failure.why;
    EXPECT_TRUE(fs::is_symlink(dir + "/config.dat"));
    EXPECT_EQ(fixtures::contentOf(dir + "/elsewhere/real.dat"), "new");

    // A link to nothing would create a file wherever it points: refused.
    fs::create_symlink(dir + "/nowhere/x.dat", dir + "/dangling.dat");
    EXPECT_FALSE(fileaccess::writeFile(dir + "/dangling.dat", "new", failure));
    EXPECT_EQ(failure.kind, FailureKind::Refused);
    EXPECT_EQ(failure.why, "it is a link to a missing file");
    EXPECT_FALSE(fs::exists(dir + "/nowhere"));
}

TEST(Fileaccess, WhatMayNotBeReplacedIsLeftAsItWas)
{
    const std::string dir = fixtures::freshFolder("write-refused");
    fixtures::put(dir + "/readonly.dat", "mine");
    ::chmod((dir + "/readonly.dat").c_str(), 0444);
    fs::create_directories(dir + "/folder.dat");
    ASSERT_EQ(::mkfifo((dir + "/fifo.dat").c_str(), 0644), 0);
    std::vector<std::pair<std::string, std::string>> cases = {
        {dir + "/readonly.dat", "it is read-only"}, // even for root
        {dir + "/folder.dat", "it is a folder, not a file"},
        {dir + "/fifo.dat", "it is a FIFO, not a file"},
    };
    makeOddEntries(dir, cases, ".dat");
    const std::size_t entries = fixtures::entriesIn(dir);
    for (const auto& [path, why] : cases) {
        Failure failure;
        EXPECT_FALSE(ClSettings().saveTo(path, &failure)) << path;
        EXPECT_EQ(failure.why, why);
        EXPECT_NE(failure.kind, FailureKind::None);
    }
    EXPECT_EQ(fixtures::contentOf(dir + "/readonly.dat"), "mine");
    EXPECT_EQ(fixtures::entriesIn(dir), entries);
}

// What a killed writer leaves: removed once it is old, by its exact name
// pattern only, and never through a link.
TEST(Fileaccess, LeftoversOfKilledWritesAreRemovedWhenOld)
{
    const std::string dir = fixtures::freshFolder("leftovers");
    const auto age = [](const std::string& path, int seconds) {
        const timespec old[2] = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), old, AT_SYMLINK_NOFOLLOW);
    };
    const std::string stale = dir + "/.config.dat.123-4-56789.tmp";
    const std::string young = dir + "/.config.dat.123-5-56789.tmp";
    const std::string other = dir + "/.config.dat.backup.tmp";
    const std::string linked = dir + "/.config.dat.9-9-9.tmp";
    for (const std::string& path : {stale, young, other, dir + "/kept"})
        fixtures::put(path, "x");
    fs::create_symlink("kept", linked);
    for (const std::string& path : {stale, other, linked, dir + "/kept"})
        age(path, 3600);
    EXPECT_EQ(fileaccess::removeLeftovers(dir, "config.dat", 60), 1);
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& path : {young, other, dir + "/kept"})
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::is_symlink(linked));

    // The writer's own names are what the pattern knows.
    Failure failure;
    calls.clear();
    ASSERT_TRUE(fileaccess::writeFile(dir + "/progress.dat", "x", failure));
    EXPECT_TRUE(fileaccess::isTemporaryNameFor(fs::path(calls.front().path).filename(), "progress.dat"))
        << calls.front().path;
}

// Folders the game makes are made only inside the player's own; the lock
// file is never made through a link.
TEST(Fileaccess, FoldersAndLocksStayInThePlayersOwnPlaces)
{
    const std::string dir = fixtures::freshFolder("own-folders");
    Failure failure;
    EXPECT_TRUE(fileaccess::makeOwnFolders(dir + "/a/b/c", failure)) << failure.why;
    EXPECT_TRUE(fs::is_directory(dir + "/a/b/c"));
    fixtures::put(dir + "/file", "");
    EXPECT_FALSE(fileaccess::makeOwnFolders(dir + "/file/x", failure));
    EXPECT_EQ(failure.kind, FailureKind::NotRegular);

    // Someone else's folder: as root one is made for the test, otherwise the
    // root folder serves.
    std::string foreign = "/";
    if (::geteuid() == 0) {
        foreign = dir + "/foreign";
        fs::create_directories(foreign);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    EXPECT_FALSE(fileaccess::makeOwnFolders(fileaccess::joinPath(foreign, "wallwright-test/x"), failure));
    EXPECT_EQ(failure.kind, FailureKind::Refused);
    EXPECT_FALSE(fs::exists(fileaccess::joinPath(foreign, "wallwright-test")));

    const std::string linkedLock = dir + "/linked";
    fs::create_directories(linkedLock);
    fs::create_symlink(dir + "/target", linkedLock + "/" + fileaccess::FolderLock::kFileName);
    EXPECT_FALSE(fileaccess::FolderLock(linkedLock).held());
    EXPECT_FALSE(fs::exists(dir + "/target"));
    EXPECT_TRUE(fileaccess::FolderLock(dir).held());
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
    Failure failure;
    ASSERT_TRUE(small.save(path, &failure)) << failure.why;
    const std::string before = fixtures::contentOf(path);
    ClGameFile big;
    fixtures::fillSmallGame(big);
    big.puzzles.resize(200, big.puzzles.front());
    big.header.puzzleCount = 200;
    EXPECT_FALSE(big.save(path, &failure));
    EXPECT_EQ(failure.kind, FailureKind::Io);
    EXPECT_EQ(failure.why, "No space left on device");
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
    ClGameFile small;
    fixtures::fillSmallGame(small);
    ASSERT_TRUE(small.save(dir + "/Brick0.gam"));
    ClGameFile loaded;
    EXPECT_TRUE(loaded.load(dir + "/Brick0.gam")) << loaded.loadFailure().why;
    EXPECT_EQ(findMatchingFiles(dir + "/Picture", ".jpg"), std::vector<std::string>{dir + "/Picture/\xff.JPG"});
}
