#pragma once
// The game's one way to the file system. Paths are byte strings, never
// text: any name the file system allows works. Reading takes only regular
// files and never blocks; writing never goes through a link it did not mean
// to follow and never leaves a half-written file where an old one was.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Failure.h"

namespace fileaccess {

// Opens a regular file for reading without blocking on FIFOs or devices.
// Returns the descriptor, or -1 with the failure ("it is a folder, not a file").
int openRegularFile(const std::string& path, Failure& failure);

bool isRegularFile(const std::string& path);
// Whether anything at all, even a link to nothing, stands at the path.
bool exists(const std::string& path);

// Reads a regular file whole. Fails when it is no regular file, cannot be
// read, or holds more than `limit` bytes (a file of exactly `limit` is read);
// a file that large is refused before any of it is read.
bool readFile(const std::string& path, std::size_t limit, std::string& bytes, Failure& failure);

// Reads at most the first `limit` bytes of a regular file.
bool readStart(const std::string& path, std::size_t limit, std::string& bytes, Failure& failure);

// A regular file opened as a stream, for a reader that takes one (and
// closes it); null with the failure otherwise. Whatever takes the file's
// name afterwards, this stream reads the very file that was checked.
std::FILE* openRegularStream(const std::string& path, Failure& failure);
// readStart and readFile on a stream from openRegularStream: from its
// start, wherever the stream stands.
bool readOpenStart(std::FILE* stream, std::size_t limit, std::string& bytes, Failure& failure);
bool readOpenFile(std::FILE* stream, std::size_t limit, std::string& bytes, Failure& failure);

// Writes `bytes` to a fresh temporary file beside the target, flushes it to
// disk and renames it over the target. When `path` is a link, the file it
// leads to is the one replaced, with its permissions kept. A target that is
// read-only, no regular file, or a link to nothing is refused. On failure
// the old file is left as it was.
bool writeFile(const std::string& path, std::string_view bytes, Failure& failure);

// The temporary files writeFile makes for `target` are named
// ".<name of target>.<pid>-<serial>-<random>.tmp" in its folder.
bool isTemporaryNameFor(const std::string& entry, const std::string& targetName);
// Removes the temporary files of `targetName` in `folder` that were last
// changed more than `olderThanSeconds` ago: what a killed writer left behind.
// Only regular files, never through a link. Returns how many went.
int removeLeftovers(const std::string& folder, const std::string& targetName, int olderThanSeconds);

// Renames whatever stands at `path` to `path` + `suffix` (then -2, -3, ...
// when that is taken), never replacing anything; `asideAs` is the new name.
bool setAside(const std::string& path, const std::string& suffix, std::string& asideAs, Failure& failure);

// Whether writeFile would be allowed to replace (or create) the file; the
// file it would really write is put in `target`.
bool canReplace(const std::string& path, std::string& target, Failure& failure);

// Whether a file can really be made in the folder: tried, not read from the
// permission bits, which do not stop root.
bool canCreateFileIn(const std::string& folder, Failure& failure);
// Whether the folder belongs to the user running the game.
bool isOwnFolder(const std::string& folder);
// Makes the folder and any missing folders above it, but only inside a
// folder that belongs to the user running the game: the game never makes
// anything in another user's folder, not even as root.
bool makeOwnFolders(const std::string& folder, Failure& failure);
// The path with links and dots resolved, for a path that exists; else empty.
std::string resolved(const std::string& path);

// An entry of a folder, links followed to say what it is.
struct FolderEntry {
    std::string name;
    bool isFile = false;   // a regular file
    bool isFolder = false;
};
// The entries of a folder, "." and ".." left out; empty when it cannot be read.
std::vector<FolderEntry> listFolder(const std::string& folder);

// The running program's own file, links resolved; empty when unknown.
std::string programFile();
// The home folder of the user running the game: $HOME, else the user database.
std::string homeFolder();

// Holds the lock of a folder's shared files while it lives, so that two
// running games never interleave their writes there. It never waits: when
// another game holds the lock, this one is not held and says Busy, and the
// writer tries again later rather than write without it. The lock file
// itself, ".wallwright.lock", is made with no link followed; one that is no
// plain file (a link, FIFO or folder put there) is never used.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return fd >= 0; }
    // Why it is not held.
    const Failure& failure() const { return whyNot; }

    static constexpr char kFileName[] = ".wallwright.lock";

private:
    int fd = -1;
    Failure whyNot;
};

// Runs `write` holding the lock of `folder`. Without the lock nothing is
// written, and the failure says why (Busy while another game holds it).
bool underFolderLock(const std::string& folder, Failure& failure, const std::function<bool()>& write);

// "dir/name" with one separator between.
std::string joinPath(const std::string& folder, const std::string& name);
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

} // namespace fileaccess
