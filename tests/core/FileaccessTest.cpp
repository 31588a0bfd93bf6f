// The file system as players' machines really have it: links, FIFOs,
// folders and devices where files should be, read-only files and writes
// that fail. Every case but a failing read or flush uses the real thing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <tuple>

#include "Fixtures.h"
#include "game/Settings.h"
#include "model/Fileaccess.h"
#include "model/Gamefile.h"

namespace fs = std::filesystem;

// The core's open(), pread(), fsync() and rename() calls on their way to
// the system (the test program links with --wrap for each), so that how a
// file is read and written can be seen, and any but open() made to fail as
// a failing disk would. Never destroyed: the coverage build's runtime still
// opens its files after static objects are gone.
namespace {
std::string& calls = *new std::string;         // 'o', 'p', 'f' or 'r' for each call
std::string& temporaryName = *new std::string; // the last temporary file opened, and its flags
int temporaryFlags = 0;
char failing = 0; // the call that fails with an I/O error

bool noted(char call)
{
    calls += call;
    if (call == failing)
        errno = EIO;
    return call == failing;
}
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
    noted('o');
    if (std::string_view(path).ends_with(".tmp"))
        std::tie(temporaryName, temporaryFlags) = std::pair(path, flags);
    return __real_open(path, flags, mode);
}
extern "C" ssize_t __real_pread(int fd, void* buffer, size_t count, off_t offset);
extern "C" ssize_t __wrap_pread(int fd, void* buffer, size_t count, off_t offset)
{
    return noted('p') ? -1 : __real_pread(fd, buffer, count, offset);
}
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    return noted('f') ? -1 : __real_fsync(fd);
}
extern "C" int __real_rename(const char* from, const char* to);
extern "C" int __wrap_rename(const char* from, const char* to)
{
    return noted('r') ? -1 : __real_rename(from, to);
}

// What is no file: a folder, a FIFO (no writer: a blocking open would
// hang), a socket and, where the test may make one, a device of the test's own with
// the null device's numbers: no test goes near the machine's real devices.
std::vector<std::pair<std::string, std::string>> oddEntries(const std::string& dir, const std::string& ending)
{
    std::vector<std::pair<std::string, std::string>> cases = {{dir + "/folder" + ending, "it is a folder, not a file"},
                                                              {dir + "/fifo" + ending, "it is a FIFO, not a file"}};
    fs::create_directories(cases[0].first);
    EXPECT_EQ(::mkfifo(cases[1].first.c_str(), 0644), 0);
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    const std::string socketPath = dir + "/socket" + ending;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        cases.emplace_back(socketPath, "it is a socket, not a file");
    ::close(listener);
    if (::mknod((dir + "/device" + ending).c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        cases.emplace_back(dir + "/device" + ending, "it is a device, not a file");
    return cases;
}

TEST(Fileaccess, ReadingRefusesWhatIsNoFileWithoutBlockingOrWhatIsTooLarge)
{
    const std::string dir = fixtures::freshFolder("read-kinds");
    for (const auto& [path, why] : oddEntries(dir, ".gam")) {
        ClGameFile file;
        EXPECT_FALSE(file.load(path));
        EXPECT_EQ(file.loadFailure().kind, FailureKind::NotRegular) << path;
        EXPECT_EQ(file.loadFailure().why, "cannot be opened: " + why) << path;
    }

    // A file of exactly the limit is read; a game file one byte over it, or
    // a picture of 4 GB (sparse: it costs the disk nothing), is refused
    // before a byte of it is read. A file whose size says nothing, as those
    // of /proc, is refused once it is read past the limit.
    const std::string limitFile = dir + "/limit";
    fixtures::put(limitFile, "12345");
    std::string bytes;
    Failure failure;
    EXPECT_TRUE(fileaccess::readFile(limitFile, 5, bytes, failure)) << failure.why;
    const std::string huge = dir + "/Brick0.gam", picture = dir + "/huge.bmp";
    for (const auto& [sparse, size] : {std::pair{huge, ClGameFile::kLargestFile + 1}, {picture, 4ul << 30}}) {
        fixtures::put(sparse, "");
        fs::resize_file(sparse, size);
    }
    calls.clear();
    ClGameFile file;
    EXPECT_FALSE(file.load(huge));
    EXPECT_EQ(file.loadFailure().kind, FailureKind::TooLarge);
    EXPECT_FALSE(fileaccess::readFile(picture, std::size_t(64) << 20, bytes, failure));
    EXPECT_EQ(failure.kind, FailureKind::TooLarge);
    EXPECT_EQ(calls.find('p'), std::string::npos) << calls;
    EXPECT_FALSE(fileaccess::readFile("/proc/self/status", 5, bytes, failure));
    EXPECT_EQ(failure.kind, FailureKind::TooLarge);

    failing = 'p';
    EXPECT_FALSE(fileaccess::readFile(limitFile, 5, bytes, failure));
    failing = 0;
    EXPECT_EQ(failure.why, "input/output error");
}

// The temporary file is always made afresh, so a file or a link planted
// under its name is never written through; it reaches the disk before it
// takes the old file's place, whose permissions it keeps, and a write, a
// flush or a rename that fails keeps the old file; nothing is left behind
// either way. A link is written where it leads and stays a link.
TEST(Fileaccess, WritingMakesANewTemporaryFileFlushesItThenRenames)
{
    const std::string dir = fixtures::freshFolder("write-fresh");
    const std::string path = dir + "/config.dat";
    fixtures::put(path, "old");
    ::chmod(path.c_str(), 0640);
    calls.clear();
    Failure failure;
    ASSERT_TRUE(fileaccess::writeFile(path, "new", failure)) << failure.why;
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(temporaryFlags & (O_CREAT | O_EXCL | O_NOFOLLOW), O_CREAT | O_EXCL | O_NOFOLLOW);
    ASSERT_NE(calls.find('r'), std::string::npos);
    EXPECT_LT(calls.find('f'), calls.find('r')) << "the new content must be on disk before it replaces the old";

    for (const char call : {'f', 'r'}) {
        failing = call;
        EXPECT_FALSE(fileaccess::writeFile(path, "newer", failure));
        failing = 0;
        EXPECT_EQ(failure.kind, FailureKind::Io);
    }
    // A file size limit fails the write as a full disk would.
    rlimit usual{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &usual), 0);
    const rlimit small{16 << 10, usual.rlim_max};
    const auto onTooLarge = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_FALSE(fileaccess::writeFile(path, std::string(64 << 10, 'x'), failure));
    ::setrlimit(RLIMIT_FSIZE, &usual);
    ::signal(SIGXFSZ, onTooLarge);
    EXPECT_EQ(failure.why, "file too large");
    EXPECT_EQ(fixtures::contentOf(path), "new");
    EXPECT_EQ(fixtures::entriesIn(dir), 1u);

    fs::create_symlink("config.dat", dir + "/link.dat");
    ASSERT_TRUE(fileaccess::writeFile(dir + "/link.dat", "through", failure)) << failure.why;
    EXPECT_TRUE(fs::is_symlink(dir + "/link.dat"));
    EXPECT_EQ(fixtures::contentOf(path), "through");
}

// A link to nothing would make a file wherever it points, here a folder
// "nowhere" beside the others: refused like the rest.
TEST(Fileaccess, WhatMayNotBeReplacedIsLeftAsItWas)
{
    const std::string dir = fixtures::freshFolder("write-refused");
    fixtures::put(dir + "/readonly.dat", "mine");
    ::chmod((dir + "/readonly.dat").c_str(), 0444);
    fs::create_symlink(dir + "/nowhere/x.dat", dir + "/dangling.dat");
    fs::create_symlink("loop-b.dat", dir + "/loop-a.dat");
    fs::create_symlink("loop-a.dat", dir + "/loop-b.dat");
    auto cases = oddEntries(dir, ".dat");
    cases.emplace_back(dir + "/readonly.dat", "it is read-only"); // even for root
    cases.emplace_back(dir + "/dangling.dat", "it is a link to a missing file");
    cases.emplace_back(dir + "/loop-a.dat", "it is a link that leads round in circles");
    cases.emplace_back(dir + "/readonly.dat/x.dat", "not a directory");
    cases.emplace_back(dir + "/nowhere/config.dat", "no file can be made beside it (it is missing)");
    cases.emplace_back("/proc/self/cwd", "it is a folder, not a file"); // a link that states no length
    const std::size_t entries = fixtures::entriesIn(dir);
    for (const auto& [path, why] : cases) {
        Failure failure;
        EXPECT_FALSE(ClSettings().saveTo(path, &failure)) << path;
        EXPECT_EQ(failure.why, why);
    }
    EXPECT_EQ(fixtures::contentOf(dir + "/readonly.dat"), "mine");
    EXPECT_EQ(fixtures::entriesIn(dir), entries);
}

// What a killed writer leaves: removed once it is old, by its exact name
// pattern only, and never through a link.
TEST(Fileaccess, LeftoversOfKilledWritesAreRemovedWhenOld)
{
    const std::string dir = fixtures::freshFolder("leftovers");
    const std::string stale = dir + "/.config.dat.123-4-56789.tmp";
    const std::string young = dir + "/.config.dat.123-5-56789.tmp";
    const std::string other = dir + "/.config.dat.backup.tmp";
    const std::string linked = dir + "/.config.dat.9-9-9.tmp";
    for (const std::string& path : {stale, young, other, dir + "/kept"})
        fixtures::put(path, "x");
    fs::create_symlink("kept", linked);
    const timespec hourAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    for (const std::string& path : {stale, other, linked, dir + "/kept"})
        ::utimensat(AT_FDCWD, path.c_str(), hourAgo, AT_SYMLINK_NOFOLLOW);
    EXPECT_EQ(fileaccess::removeLeftovers(dir, "config.dat", 60), 1);
    EXPECT_FALSE(fs::exists(stale));

    // The writer's own names are what the pattern knows: three runs of
    // digits after the target's name, nothing else.
    const std::pair<std::string, bool> names[] = {
        {".config.dat.1-22-333.tmp", true}, {".config.dat.1-2.tmp", false},    {".config.dat.1-2-3-4.tmp", false},
        {".config.dat.-1-2.tmp", false},    {".config.dat.1--2.tmp", false},   {".config.dat.1-2-.tmp", false},
        {".config.dat.1-2a-3.tmp", false},  {".config.dat..tmp", false},       {".config.dat.1-2-3.tm", false},
        {"config.dat.1-2-3.tmp", false},    {".config.data.1-2-3.tmp", false}, {".progress.dat.1-2-3.tmp", false},
    };
    for (const auto& [name, known] : names)
        EXPECT_EQ(fileaccess::isTemporaryNameFor(name, "config.dat"), known) << name;
    Failure failure;
    ASSERT_TRUE(fileaccess::writeFile(dir + "/progress.dat", "x", failure));
    EXPECT_TRUE(fileaccess::isTemporaryNameFor(fs::path(temporaryName).filename(), "progress.dat")) << temporaryName;
}

// Folders the game makes are made whole, never through a file. (Someone
// else's and the system's folders are refused in SettingsplaceTest, odd lock
// files in SharedfolderTest.) What is missing is said so, and nothing made.
TEST(Fileaccess, FoldersAreMadeWholeAndWhatIsMissingIsSaid)
{
    const std::string dir = fixtures::freshFolder("own-folders");
    Failure failure;
    EXPECT_TRUE(fileaccess::makeOwnFolders(dir + "/a/b/c", failure)) << failure.why;
    EXPECT_TRUE(fs::is_directory(dir + "/a/b/c"));
    fixtures::put(dir + "/file", "");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0644), 0);
    const std::tuple<std::string, FailureKind, std::string> notFolders[] = {
        {dir + "/file/x", FailureKind::NotRegular, "a file stands where a folder above it should be"},
        {dir + "/file", FailureKind::NotRegular, "it is a file, not a folder"},
        {dir + "/fifo", FailureKind::NotRegular, "it is a FIFO, not a folder"},
        {dir + "/" + std::string(300, 'n'), FailureKind::Io, "file name too long"},
    };
    for (const auto& [path, kind, why] : notFolders) {
        EXPECT_FALSE(fileaccess::makeOwnFolders(path, failure));
        EXPECT_EQ(failure.kind, kind);
        EXPECT_EQ(failure.why, why);
    }
    const std::string none = dir + "/none";
    EXPECT_TRUE(fileaccess::listFolder(none).empty());
    EXPECT_EQ(fileaccess::resolved(none), "");
    EXPECT_FALSE(fileaccess::canCreateFileIn(none, failure));
    EXPECT_EQ(fileaccess::FolderLock(none).failure().kind, FailureKind::Missing);
    std::string asideAs;
    EXPECT_FALSE(fileaccess::setAside(none, ".damaged", asideAs, failure));
    EXPECT_EQ(failure.why, "it is missing");
    // Every name to set a file aside under taken: said, and the file kept.
    fixtures::put(none, "");
    for (int taken = 1; taken <= 100; ++taken)
        fixtures::put(none + ".damaged" + (taken == 1 ? "" : "-" + std::to_string(taken)), "");
    EXPECT_FALSE(fileaccess::setAside(none, ".damaged", asideAs, failure));
    EXPECT_EQ(failure.why, "no free name to set it aside under");
    EXPECT_TRUE(fs::exists(none));
}

// Paths are put together and taken apart at their last separator; the home
// folder comes from $HOME, else from the user database.
TEST(Fileaccess, PathsAreJoinedAndSplitAtTheirLastSeparator)
{
    using fileaccess::fileNameOf, fileaccess::folderOf, fileaccess::joinPath;
    // A path, its folder and its name.
    const std::tuple<std::string, std::string, std::string> paths[] = {
        {"a/b/c.dat", "a/b", "c.dat"}, {"/c.dat", "/", "c.dat"}, {"c.dat", ".", "c.dat"}, {"/a/", "/a", ""}};
    for (const auto& [path, folder, name] : paths) {
        EXPECT_EQ(folderOf(path), folder) << path;
        EXPECT_EQ(fileNameOf(path), name) << path;
    }
    EXPECT_EQ(joinPath("a", "b"), "a/b");
    EXPECT_EQ(joinPath("a/", "b"), "a/b");
    EXPECT_EQ(joinPath("", "b"), "b");

    const char* set = std::getenv("HOME");
    const std::string saved = set ? set : "";
    const passwd* user = ::getpwuid(::geteuid());
    for (const bool relative : {true, false}) {
        relative ? ::setenv("HOME", "relative/home", 1) : ::unsetenv("HOME");
        EXPECT_EQ(fileaccess::homeFolder(), user && user->pw_dir ? user->pw_dir : "");
    }
    set ? ::setenv("HOME", saved.c_str(), 1) : ::unsetenv("HOME");
}
