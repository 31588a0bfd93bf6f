#include "game/Progress.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "model/Binaryio.h"
#include "model/Fileaccess.h"

namespace {
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;
// Two FNV-1a hashes from different starting points make a 128-bit key.
constexpr std::uint64_t kFnvBases[2] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL};

std::uint64_t fnv1a(const std::string& bytes, std::uint64_t hash)
{
    for (unsigned char c : bytes)
        hash = (hash ^ c) * kFnvPrime;
    return hash;
}
} // namespace

ClProgress::Key ClProgress::keyOf(const ClPuzzle& record)
{
    std::ostringstream stored(std::ios::binary);
    record.writeTo(stored);
    const std::string bytes = stored.str();
    Key key{};
    for (int half = 0; half < 2; ++half) {
        const std::uint64_t hash = fnv1a(bytes, kFnvBases[half]);
        for (int i = 0; i < 8; ++i)
            key[std::size_t(8 * half + i)] = std::uint8_t(hash >> (8 * i));
    }
    return key;
}

Solved ClProgress::stateOf(const ClPuzzle& puzzle) const
{
    const auto found = entries.find(keyOf(puzzle));
    return found == entries.end() ? Solved::No : found->second;
}

ClProgress::RecordResult ClProgress::record(const ClPuzzle& puzzle, bool withHelp)
{
    const Solved now = withHelp ? Solved::WithHelp : Solved::Alone;
    const Key key = keyOf(puzzle);
    const auto found = entries.find(key);
    if (found == entries.end()) {
        if (entries.size() >= kMostEntries)
            return RecordResult::Full;
        entries.emplace(key, now);
        return RecordResult::Recorded;
    }
    if (found->second >= now)
        return RecordResult::Unchanged;
    found->second = now;
    return RecordResult::Recorded;
}

void ClProgress::mergeFrom(const ClProgress& other)
{
    for (const auto& [key, state] : other.entries) {
        const auto found = entries.find(key);
        if (found != entries.end())
            found->second = std::max(found->second, state);
        else if (entries.size() < kMostEntries)
            entries.emplace(key, state);
    }
}

std::string ClProgress::toBytes() const
{
    std::string bytes(kHeaderSize + kEntrySize * entries.size(), '\0');
    auto* out = reinterpret_cast<std::uint8_t*>(bytes.data());
    std::memcpy(out, kMagic, sizeof kMagic);
    binaryio::putInt32(out + 8, kVersion);
    binaryio::putInt32(out + 12, std::int32_t(entries.size()));
    std::size_t at = kHeaderSize;
    for (const auto& [key, state] : entries) {
        std::memcpy(out + at, key.data(), key.size());
        binaryio::putInt32(out + at + key.size(), std::int32_t(state));
        at += kEntrySize;
    }
    return bytes;
}

bool ClProgress::fromBytes(const std::string& bytes, Failure& failure)
{
    const auto damaged = [&failure](const char* why) {
        failure = {FailureKind::Damaged, why};
        return false;
    };
    const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (bytes.size() < kHeaderSize || std::memcmp(in, kMagic, sizeof kMagic) != 0)
        return damaged("it is no record of solved puzzles");
    if (binaryio::getInt32(in + 8) != kVersion)
        return damaged("it was written in another layout");
    const std::int64_t count = binaryio::getInt32(in + 12);
    if (count < 0 || std::uint64_t(count) > kMostEntries || bytes.size() != kHeaderSize + kEntrySize * std::size_t(count))
        return damaged("it is cut short or damaged");
    std::map<Key, Solved> read;
    for (std::size_t at = kHeaderSize; at < bytes.size(); at += kEntrySize) {
        Key key;
        std::memcpy(key.data(), in + at, key.size());
        const std::int32_t state = binaryio::getInt32(in + at + key.size());
        if (state != std::int32_t(Solved::WithHelp) && state != std::int32_t(Solved::Alone))
            return damaged("it is damaged");
        read[key] = Solved(state);
    }
    entries = std::move(read);
    return true;
}

ClProgress::LoadResult ClProgress::load(const std::string& path, Failure& failure, std::string& asideAs)
{
    std::string bytes;
    if (fileaccess::readFile(path, kLargestFile, bytes, failure) && fromBytes(bytes, failure))
        return LoadResult::Read;
    if (failure.kind == FailureKind::Missing)
        return LoadResult::Missing;
    entries.clear();
    Failure renameFailure;
    return fileaccess::setAside(path, ".unreadable", asideAs, renameFailure) ? LoadResult::SetAside
                                                                             : LoadResult::Unreadable;
}

bool ClProgress::saveMerged(const std::string& path, Failure& failure)
{
    return fileaccess::underFolderLock(fileaccess::folderOf(path), failure, [&] {
        ClProgress onDisk;
        std::string bytes, asideAs;
        Failure readFailure;
        if (fileaccess::readFile(path, kLargestFile, bytes, readFailure) && onDisk.fromBytes(bytes, readFailure))
            mergeFrom(onDisk);
        else if (readFailure.kind == FailureKind::Damaged || readFailure.kind == FailureKind::TooLarge)
            fileaccess::setAside(path, ".unreadable", asideAs, readFailure); // damaged meanwhile: kept, not overwritten
        return fileaccess::writeFile(path, toBytes(), failure);
    });
}
