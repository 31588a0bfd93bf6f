#include "Fileaccess.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

namespace fileaccess {
namespace {

// Links followed to reach the file a link names, as the kernel allows.
constexpr int kMaxLinkDepth = 40;
constexpr int kTemporaryNameTries = 100;

std::string systemReason(int error)
{
    return std::strerror(error);
}

std::string kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return "a file";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "no file";
}

std::string notAFile(mode_t mode)
{
    return "it is " + kindOfMode(mode) + ", not a file";
}

std::string missingOr(int error)
{
    return error == ENOENT ? std::string("it is missing") : systemReason(error);
}

// Reads until `limit` bytes or the end; false on a read error.
bool readUpTo(int fd, std::size_t limit, std::string& bytes, std::string& why)
{
    bytes.clear();
    char buffer[1 << 16];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t got = ::read(fd, buffer, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            why = systemReason(errno);
            return false;
        }
        if (got == 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    return true;
}

bool writeAll(int fd, std::string_view bytes, std::string& why)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            why = systemReason(put < 0 ? errno : EIO);
            return false;
        }
        bytes.remove_prefix(std::size_t(put));
    }
    return true;
}

// The file a chain of links ends at; the path itself when it is no link.
bool followLinks(std::string path, std::string& target, std::string& why)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                why = systemReason(errno);
                return false;
            }
            if (depth > 0) {
                why = "it is a link to a missing file";
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
            why = length < 0 ? systemReason(errno) : "its link changed while it was read";
            return false;
        }
        linked.resize(std::size_t(length));
        path = !linked.empty() && linked.front() == '/' ? linked : joinPath(folderOf(path), linked);
    }
    why = "it is a link that leads round in circles";
    return false;
}

// A name in `folder` that nothing has, opened with O_EXCL so that neither a
// file nor a link planted under it is ever written through.
int createTemporary(const std::string& folder, const std::string& base, mode_t mode, std::string& name,
                    std::string& why)
{
    static std::atomic<unsigned> serial{0};
    std::random_device entropy; // only names the file; nothing depends on its value
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = joinPath(folder, "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(++serial)
                                    + "-" + std::to_string(entropy() & 0xffffff) + ".tmp");
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            why = "no file can be made beside it (" + systemReason(errno) + ")";
            return -1;
        }
    }
    why = "no free temporary name beside it";
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

int openRegularFile(const std::string& path, std::string& why)
{
    // Looked at first: opening some devices already does something.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        why = missingOr(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        why = notAFile(info.st_mode);
        return -1;
    }
    // Non-blocking, in case a FIFO took the file's place in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = missingOr(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = notAFile(info.st_mode);
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

bool readStart(const std::string& path, std::size_t limit, std::string& bytes, std::string& why)
{
    const int fd = openRegularFile(path, why);
    if (fd < 0)
        return false;
    const bool read = readUpTo(fd, limit, bytes, why);
    ::close(fd);
    return read;
}

bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& why)
{
    // One byte more than allowed tells a file that is too large.
    if (!readStart(path, limit + 1, bytes, why))
        return false;
    if (bytes.size() > limit) {
        bytes.clear();
        why = "it is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    return true;
}

bool canReplace(const std::string& path, std::string& target, std::string& why)
{
    if (!followLinks(path, target, why))
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return true;
    if (!S_ISREG(old.st_mode)) {
        why = notAFile(old.st_mode);
        return false;
    }
    // The write bit, not access(): a file its owner made read-only stays so,
    // even for root.
    if ((old.st_mode & S_IWUSR) == 0) {
        why = "it is read-only";
        return false;
    }
    return true;
}

bool setAside(const std::string& path, const std::string& suffix, std::string& asideAs, std::string& why)
{
    for (int attempt = 1; attempt <= kTemporaryNameTries; ++attempt) {
        asideAs = path + suffix + (attempt == 1 ? std::string() : "-" + std::to_string(attempt));
        // RENAME_NOREPLACE: an earlier set-aside file is never overwritten.
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, asideAs.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EEXIST) {
            why = systemReason(errno);
            return false;
        }
    }
    why = "no free name to set it aside under";
    return false;
}

bool canCreateFileIn(const std::string& folder)
{
    std::string probe, why;
    const int fd = createTemporary(folder, "wallwright-probe", 0600, probe, why);
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

bool makeFolders(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    const std::string parent = folderOf(folder);
    if (parent != folder && parent != "." && !makeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

bool writeFile(const std::string& path, std::string_view bytes, std::string& why)
{
    std::string target;
    if (!canReplace(path, target, why))
        return false;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    std::string temporary;
    // A new file gets the usual permissions less the umask, an old one its own.
    const int fd = createTemporary(folderOf(target), fileNameOf(target), exists ? (old.st_mode & 07777) : 0666,
                                   temporary, why);
    if (fd < 0)
        return false;
    bool written = writeAll(fd, bytes, why);
    if (written && exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
        why = systemReason(errno);
        written = false;
    }
    if (written && ::fsync(fd) != 0) {
        why = systemReason(errno);
        written = false;
    }
    if (::close(fd) != 0 && written) {
        why = systemReason(errno);
        written = false;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        why = systemReason(errno);
        written = false;
    }
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
