#pragma once
// The game's one way to the file system. Paths are byte strings, never
// text: any name the file system allows works. Reading takes only regular
// files and never blocks; writing never goes through a link it did not mean
// to follow and never leaves a half-written file where an old one was.
#include <cstdint>
#include <string>
#include <string_view>

namespace fileaccess {

// Opens a regular file for reading without blocking on FIFOs or devices.
// Returns the descriptor, or -1 with `why` set ("it is a folder, not a file").
int openRegularFile(const std::string& path, std::string& why);

bool isRegularFile(const std::string& path);

// Reads a regular file whole. Fails with `why` when it is no regular file,
// cannot be read, or holds more than `limit` bytes.
bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& why);

// Reads at most the first `limit` bytes of a regular file.
bool readStart(const std::string& path, std::size_t limit, std::string& bytes, std::string& why);

// Writes `bytes` to a fresh temporary file beside the target, flushes it to
// disk and renames it over the target. When `path` is a link, the file it
// leads to is the one replaced, with its permissions kept. A target that is
// read-only, no regular file, or a link to nothing is refused. On failure
// the old file is left as it was and `why` says what went wrong.
bool writeFile(const std::string& path, std::string_view bytes, std::string& why);

// Renames whatever stands at `path` to `path` + `suffix` (then -2, -3, ...
// when that is taken), never replacing anything; `asideAs` is the new name.
bool setAside(const std::string& path, const std::string& suffix, std::string& asideAs, std::string& why);

// Whether writeFile would be allowed to replace (or create) the file; the
// file it would really write is put in `target`.
bool canReplace(const std::string& path, std::string& target, std::string& why);

// Whether a file can really be made in the folder: tried, not read from the
// permission bits, which do not stop root.
bool canCreateFileIn(const std::string& folder);
// Whether the folder belongs to the user running the game.
bool isOwnFolder(const std::string& folder);
// Makes the folder and any missing folders above it.
bool makeFolders(const std::string& folder);

// "dir/name" with one separator between.
std::string joinPath(const std::string& folder, const std::string& name);
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

} // namespace fileaccess
