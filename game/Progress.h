#pragma once
// The record of solved puzzles, kept between runs in its own small file
// beside "config.dat". A puzzle is known by its content (its record as the
// group file stores it), so a group that is made again or reordered keeps the
// marks of the puzzles still in it, and its best time and fewest moves.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "model/Failure.h"
#include "model/Gamefile.h"

enum class Solved : std::int32_t { No = 0, WithHelp = 1, Alone = 2 };

// One solve: the time from Play to the finished wall and the moves it took.
struct SolveResult {
    std::uint32_t milliseconds = 0;
    std::uint32_t moves = 0;
};

// A puzzle's best so far, each field on its own: the fastest solve need
// not be the one of fewest moves. 0 where nothing is known.
struct BestSolve {
    Solved state = Solved::No;
    std::uint32_t milliseconds = 0;
    std::uint32_t moves = 0;
    bool operator==(const BestSolve&) const = default;
};

class ClProgress {
public:
    using Key = std::array<std::uint8_t, 16>;
    static constexpr char kFileName[] = "progress.dat";
    static constexpr char kMagic[8] = {'W', 'W', 'S', 'O', 'L', 'V', 'E', 'D'};
    // Records of the first layout, without times and moves, are read too and
    // written again in this one.
    static constexpr std::int32_t kVersion = 2;
    static constexpr std::int32_t kFirstVersion = 1;
    static constexpr std::size_t kHeaderSize = 16;
    static constexpr std::size_t kFirstEntrySize = 20;
    static constexpr std::size_t kEntrySize = 28;
    // A million puzzles: far beyond any collection, small enough to read at
    // once. The one limit of both writing and reading: a record never grows
    // past it, so whatever was written reads back.
    static constexpr std::size_t kMostEntries = 1'000'000;
    static constexpr std::size_t kLargestFile = kHeaderSize + kEntrySize * kMostEntries;

    static Key keyOf(const ClPuzzle& record);

    Solved stateOf(const ClPuzzle& record) const { return bestOf(record).state; }
    BestSolve bestOf(const ClPuzzle& record) const;
    enum class RecordResult { Unchanged, Recorded, Full };
    // Marks the puzzle solved; a later solve without help upgrades one with
    // help, never the other way, and a faster one or one of fewer moves
    // betters that field alone. A full record takes upgrades but no new
    // puzzle.
    RecordResult record(const ClPuzzle& record, bool withHelp, SolveResult result = {});
    std::size_t size() const { return entries.size(); }

    enum class LoadResult { Read, Missing, SetAside, Unreadable };
    // Reads the file. One that cannot be read (damaged, no regular file,
    // unreadable) is renamed out of the way, so nothing of the player's is
    // lost, and the record starts afresh. `failure` says what was wrong and
    // `asideAs` where it went.
    LoadResult load(const std::string& path, Failure& failure, std::string& asideAs);
    // Writes this record merged with what the file holds now, under the
    // folder's lock, so that two games running at once both keep their
    // solves; this record learns the other's solves on the way. Nothing is
    // written without the lock: while another game holds it, the failure is Busy.
    bool saveMerged(const std::string& path, Failure& failure);

    std::string toBytes() const;
    // False, changing nothing, when the bytes are no record of this layout.
    bool fromBytes(const std::string& bytes, Failure& failure);

private:
    // Takes the other's solves: upgrades always, new puzzles while there is room.
    void mergeFrom(const ClProgress& other);
    // Takes each field of `other` that is better; true when any was.
    static bool better(BestSolve& best, const BestSolve& other);
    std::map<Key, BestSolve> entries;
};
