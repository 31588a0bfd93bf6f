#include "game/Progress.h"

#include <cstring>
#include <sstream>

#include "model/Binaryio.h"
#include "model/Fileaccess.h"
#include "model/Words.h"

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

// A time or a count of moves, where 0 stands for none known.
bool lower(std::uint32_t& kept, std::uint32_t offered)
{
    if (offered == 0 || (kept != 0 && kept <= offered))
        return false;
    kept = offered;
    return true;
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

BestSolve ClProgress::bestOf(const ClPuzzle& puzzle) const
{
    const auto found = entries.find(keyOf(puzzle));
    return found == entries.end() ? BestSolve{} : found->second;
}

bool ClProgress::better(BestSolve& best, const BestSolve& other)
{
    bool changed = false;
    if (other.state > best.state) {
        best.state = other.state;
        changed = true;
    }
    changed |= lower(best.milliseconds, other.milliseconds);
    changed |= lower(best.moves, other.moves);
    return changed;
}

ClProgress::RecordResult ClProgress::record(const ClPuzzle& puzzle, bool withHelp, SolveResult result)
{
    const BestSolve solve{withHelp ? Solved::WithHelp : Solved::Alone, result.milliseconds, result.moves};
    const Key key = keyOf(puzzle);
    const auto found = entries.find(key);
    if (found == entries.end()) {
        if (entries.size() >= kMostEntries)
            return RecordResult::Full;
        entries.emplace(key, solve);
        return RecordResult::Recorded;
    }
    return better(found->second, solve) ? RecordResult::Recorded : RecordResult::Unchanged;
}

void ClProgress::mergeFrom(const ClProgress& other)
{
    for (const auto& [key, best] : other.entries) {
        const auto found = entries.find(key);
        if (found != entries.end())
            better(found->second, best);
        else if (entries.size() < kMostEntries)
            entries.emplace(key, best);
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
    for (const auto& [key, best] : entries) {
        std::uint8_t* entry = out + at + key.size();
        std::memcpy(out + at, key.data(), key.size());
        binaryio::putInt32(entry, std::int32_t(best.state));
        binaryio::putInt32(entry + 4, std::int32_t(best.milliseconds));
        binaryio::putInt32(entry + 8, std::int32_t(best.moves));
        at += kEntrySize;
    }
    return bytes;
}

bool ClProgress::fromBytes(const std::string& bytes, Failure& failure)
{
    const auto damaged = [&failure](std::string why) {
        failure = {FailureKind::Damaged, std::move(why)};
        return false;
    };
    const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (bytes.size() < kHeaderSize || std::memcmp(in, kMagic, sizeof kMagic) != 0)
        return damaged(words::say("Failure", "it is no record of solved puzzles"));
    const std::int32_t version = binaryio::getInt32(in + 8);
    if (version != kVersion && version != kFirstVersion)
        return damaged(words::say("Failure", "it was written in another layout"));
    const bool timed = version == kVersion;
    const std::size_t entrySize = timed ? kEntrySize : kFirstEntrySize;
    const std::int64_t count = binaryio::getInt32(in + 12);
    if (count < 0 || std::uint64_t(count) > kMostEntries
        || bytes.size() != kHeaderSize + entrySize * std::size_t(count))
        return damaged(words::say("Failure", "it is cut short or damaged"));
    std::map<Key, BestSolve> read;
    for (std::size_t at = kHeaderSize; at < bytes.size(); at += entrySize) {
        Key key;
        std::memcpy(key.data(), in + at, key.size());
        const std::uint8_t* entry = in + at + key.size();
        const std::int32_t state = binaryio::getInt32(entry);
        if (state != std::int32_t(Solved::WithHelp) && state != std::int32_t(Solved::Alone))
            return damaged(words::say("Failure", "it is damaged"));
        BestSolve& best = read[key];
        best.state = Solved(state);
        if (timed) {
            best.milliseconds = std::uint32_t(binaryio::getInt32(entry + 4));
            best.moves = std::uint32_t(binaryio::getInt32(entry + 8));
        }
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
