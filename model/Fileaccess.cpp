#include "model/Fileaccess.h"
#include "model/Words.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>

namespace fileaccess {
namespace {

// Links followed to reach the file a link names, as the kernel allows.
constexpr int kMaxLinkDepth = 40;
constexpr int kTemporaryNameTries = 100;
constexpr char kTemporaryEnding[] = ".tmp";

// The system's words as a clause, as every reason is: "permission denied".
std::string systemReason(int error)
{
    std::string reason = std::strerror(error);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z')
        reason[0] = char(reason[0] - 'A' + 'a');
    return reason;
}

Failure failed(FailureKind kind, std::string why)
{
    return {kind, std::move(why)};
}

// A failure of the system, sorted by what the player can do about it.
Failure systemFailure(int error)
{
    switch (error) {
    case ENOENT:
        return failed(FailureKind::Missing, words::say("Failure", "it is missing"));
    case EACCES:
    case EPERM:
    case EROFS:
        return failed(FailureKind::Refused, systemReason(error));
    default:
        return failed(FailureKind::Io, systemReason(error));
    }
}

std::string kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return words::say("Failure", "a file");
    if (S_ISDIR(mode))
        return words::say("Failure", "a folder");
    if (S_ISFIFO(mode))
        return words::say("Failure", "a FIFO");
    if (S_ISSOCK(mode))
        return words::say("Failure", "a socket");
    if (S_ISLNK(mode))
        return words::say("Failure", "a link");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return words::say("Failure", "a device");
    return words::say("Failure", "no file");
}

Failure notAFile(mode_t mode)
{
    return failed(FailureKind::NotRegular,
                  words::fill(words::say("Failure", "it is %1, not a file"), {kindOfMode(mode)}));
}

// Reads until `limit` bytes or the end; false on a read error.
bool readUpTo(int fd, std::size_t limit, std::string& bytes, Failure& failure)
{
    bytes.clear();
    char buffer[1 << 16];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        // From the start, wherever the descriptor stands: files are read whole.
        const ssize_t got = ::pread(fd, buffer, want, off_t(bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failure = systemFailure(errno);
            return false;
        }
        if (got == 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    return true;
}

Failure tooLarge(std::size_t limit)
{
    return failed(FailureKind::TooLarge,
                  words::fill(words::say("Failure", "it is larger than %1 bytes"), {std::to_string(limit)}));
}

// Reads a whole file of at most `limit` bytes. Its size is taken before
// anything is read, so that a huge file costs nothing; one byte more than
// allowed read tells a file that grew meanwhile.
bool readWhole(int fd, std::size_t limit, std::string& bytes, Failure& failure)
{
    struct stat info {};
    if (::fstat(fd, &info) == 0 && std::uintmax_t(info.st_size) > limit) {
        bytes.clear();
        failure = tooLarge(limit);
        return false;
    }
    if (!readUpTo(fd, limit + 1, bytes, failure))
        return false;
    if (bytes.size() <= limit)
        return true;
    bytes.clear();
    failure = tooLarge(limit);
    return false;
}

bool writeAll(int fd, std::string_view bytes, Failure& failure)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            failure = systemFailure(put < 0 ? errno : EIO);
            return false;
        }
        bytes.remove_prefix(std::size_t(put));
    }
    return true;
}

// The file a chain of links ends at; the path itself when it is no link.
bool followLinks(std::string path, std::string& target, Failure& failure)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                failure = systemFailure(errno);
                return false;
            }
            if (depth > 0) {
                failure = failed(FailureKind::Refused, words::say("Failure", "it is a link to a missing file"));
                return false;
            }
            target = path;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            target = path;
            return true;
        }
        std::string linked(std::size_t(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), linked.data(), linked.size());
        if (length < 0 || std::size_t(length) >= linked.size()) {
            failure = length < 0 ? systemFailure(errno)
                                 : failed(FailureKind::Io, words::say("Failure", "its link changed while it was read"));
            return false;
        }
        linked.resize(std::size_t(length));
        path = !linked.empty() && linked.front() == '/' ? linked : joinPath(folderOf(path), linked);
    }
    failure = failed(FailureKind::Refused, words::say("Failure", "it is a link that leads round in circles"));
    return false;
}

// A name in `folder` that nothing has, opened with O_EXCL so that neither a
// file nor a link planted under it is ever written through.
int createTemporary(const std::string& folder, const std::string& base, mode_t mode, std::string& name,
                    Failure& failure)
{
    static std::atomic<unsigned> serial{0};
    std::random_device entropy; // only names the file; nothing depends on its value
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = joinPath(folder, "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(++serial) + "-"
                                    + std::to_string(entropy() & 0xffffff) + kTemporaryEnding);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            failure = systemFailure(errno);
            return -1;
        }
    }
    failure = failed(FailureKind::Io, words::say("Failure", "no free temporary name beside it"));
    return -1;
}

} // namespace

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int openRegularFile(const std::string& path, Failure& failure)
{
    // Looked at first: opening some devices already does something.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        failure = systemFailure(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        failure = notAFile(info.st_mode);
        return -1;
    }
    // Non-blocking, in case a FIFO took the file's place in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failure = systemFailure(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        failure = notAFile(info.st_mode);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool readStart(const std::string& path, std::size_t limit, std::string& bytes, Failure& failure)
{
    const int fd = openRegularFile(path, failure);
    if (fd < 0)
        return false;
    const bool read = readUpTo(fd, limit, bytes, failure);
    ::close(fd);
    return read;
}

bool readFile(const std::string& path, std::size_t limit, std::string& bytes, Failure& failure)
{
    const int fd = openRegularFile(path, failure);
    if (fd < 0)
        return false;
    const bool read = readWhole(fd, limit, bytes, failure);
    ::close(fd);
    return read;
}

std::FILE* openRegularStream(const std::string& path, Failure& failure)
{
    const int fd = openRegularFile(path, failure);
    if (fd < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(fd, "rb");
    if (!stream) {
        failure = systemFailure(errno);
        ::close(fd);
    }
    return stream;
}

bool readOpenStart(std::FILE* stream, std::size_t limit, std::string& bytes, Failure& failure)
{
    return readUpTo(::fileno(stream), limit, bytes, failure);
}

bool readOpenFile(std::FILE* stream, std::size_t limit, std::string& bytes, Failure& failure)
{
    return readWhole(::fileno(stream), limit, bytes, failure);
}

bool canReplace(const std::string& path, std::string& target, Failure& failure)
{
    if (!followLinks(path, target, failure))
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return true;
    if (!S_ISREG(old.st_mode)) {
        failure = notAFile(old.st_mode);
        return false;
    }
    // The write bit, not access(): a file its owner made read-only stays so,
    // even for root.
    if ((old.st_mode & S_IWUSR) == 0) {
        failure = failed(FailureKind::Refused, words::say("Failure", "it is read-only"));
        return false;
    }
    return true;
}

bool setAside(const std::string& path, const std::string& suffix, std::string& asideAs, Failure& failure)
{
    for (int attempt = 1; attempt <= kTemporaryNameTries; ++attempt) {
        asideAs = path + suffix + (attempt == 1 ? std::string() : "-" + std::to_string(attempt));
        // RENAME_NOREPLACE: an earlier set-aside file is never overwritten.
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, asideAs.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EEXIST) {
            failure = systemFailure(errno);
            return false;
        }
    }
    failure = failed(FailureKind::Io, words::say("Failure", "no free name to set it aside under"));
    return false;
}

bool canCreateFileIn(const std::string& folder, Failure& failure)
{
    std::string probe;
    const int fd = createTemporary(folder, "wallwright-probe", 0600, probe, failure);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool isOwnFolder(const std::string& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

bool makeOwnFolders(const std::string& folder, Failure& failure)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) {
            failure = failed(FailureKind::NotRegular,
                             words::fill(words::say("Failure", "it is %1, not a folder"), {kindOfMode(info.st_mode)}));
            return false;
        }
        if (info.st_uid != ::geteuid()) {
            failure = failed(FailureKind::Refused, words::say("Failure", "it belongs to another user"));
            return false;
        }
        return true;
    }
    if (errno != ENOENT) {
        failure = systemFailure(errno);
        if (errno == ENOTDIR)
            failure = failed(FailureKind::NotRegular,
                             words::say("Failure", "a file stands where a folder above it should be"));
        return false;
    }
    const std::string parent = folderOf(folder);
    if (parent == folder || parent == "." || !makeOwnFolders(parent, failure))
        return false;
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        failure = systemFailure(errno);
        return false;
    }
    return true;
}

std::string resolved(const std::string& path)
{
    const std::unique_ptr<char, void (*)(void*)> real(::realpath(path.c_str(), nullptr), std::free);
    return real ? std::string(real.get()) : std::string();
}

std::vector<FolderEntry> listFolder(const std::string& folder)
{
    std::vector<FolderEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing)
        return entries;
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        const bool known = ::stat(joinPath(folder, name).c_str(), &info) == 0;
        entries.push_back({name, known && S_ISREG(info.st_mode), known && S_ISDIR(info.st_mode)});
    }
    return entries;
}

std::string programFile()
{
    std::string program(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || std::size_t(length) >= program.size())
        return {};
    program.resize(std::size_t(length));
    return program;
}

std::string homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return home;
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_dir && user->pw_dir[0] == '/' ? user->pw_dir : "";
}

bool isTemporaryNameFor(const std::string& entry, const std::string& targetName)
{
    const std::string start = "." + targetName + ".";
    if (entry.size() <= start.size() + std::strlen(kTemporaryEnding) || !entry.starts_with(start)
        || !entry.ends_with(kTemporaryEnding))
        return false;
    // <pid>-<serial>-<random>
    const std::string middle = entry.substr(start.size(), entry.size() - start.size() - std::strlen(kTemporaryEnding));
    int dashes = 0;
    bool digitBefore = false;
    for (char c : middle) {
        if (c == '-') {
            if (!digitBefore)
                return false;
            ++dashes;
            digitBefore = false;
        } else if (c >= '0' && c <= '9') {
            digitBefore = true;
        } else {
            return false;
        }
    }
    return dashes == 2 && digitBefore;
}

int removeLeftovers(const std::string& folder, const std::string& targetName, int olderThanSeconds)
{
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    for (const FolderEntry& entry : listFolder(folder)) {
        if (!isTemporaryNameFor(entry.name, targetName))
            continue;
        const std::string path = joinPath(folder, entry.name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || now - info.st_mtime <= olderThanSeconds)
            continue;
        removed += ::unlink(path.c_str()) == 0;
    }
    return removed;
}

FolderLock::FolderLock(const std::string& folder)
{
    const std::string path = joinPath(folder, kFileName);
    const auto noPlainFile = [](mode_t mode) {
        return failed(FailureKind::NotRegular,
                      words::fill(words::say("Failure", "its lock file \"%1\" is %2, not a file"),
                                  {kFileName, kindOfMode(mode)}));
    };
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        struct stat info {};
        // A link or a folder where the lock file should be, or a lock file the game may not open.
        whyNot = ::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) ? noPlainFile(info.st_mode)
                                                                             : systemFailure(error);
        return;
    }
    struct stat info {};
    int locked = -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        whyNot = noPlainFile(info.st_mode);
    else {
        do
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0)
            whyNot = errno == EWOULDBLOCK
                         ? failed(FailureKind::Busy, words::say("Failure", "another running game is writing there"))
                         : systemFailure(errno);
    }
    if (locked != 0) {
        ::close(fd);
        fd = -1;
    }
}

bool underFolderLock(const std::string& folder, Failure& failure, const std::function<bool()>& write)
{
    const FolderLock lock(folder);
    if (!lock.held()) {
        failure = lock.failure();
        return false;
    }
    return write();
}

FolderLock::~FolderLock()
{
    if (fd >= 0)
        ::close(fd); // releases the lock
}

bool writeFile(const std::string& path, std::string_view bytes, Failure& failure)
{
    std::string target;
    if (!canReplace(path, target, failure))
        return false;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    std::string temporary;
    // A new file gets the usual permissions less the umask, an old one its own.
    const int fd = createTemporary(folderOf(target), fileNameOf(target), exists ? (old.st_mode & 07777) : 0666,
                                   temporary, failure);
    if (fd < 0) {
        failure.why = words::fill(words::say("Failure", "no file can be made beside it (%1)"), {failure.why});
        return false;
    }
    bool written = writeAll(fd, bytes, failure);
    const auto check = [&](bool done) {
        if (written && !done) {
            failure = systemFailure(errno);
            written = false;
        }
    };
    if (written && exists)
        check(::fchmod(fd, old.st_mode & 07777) == 0);
    if (written)
        check(::fsync(fd) == 0);
    check(::close(fd) == 0);
    if (written)
        check(::rename(temporary.c_str(), target.c_str()) == 0);
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace fileaccess
