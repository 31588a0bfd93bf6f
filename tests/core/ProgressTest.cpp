// The record of solved puzzles: keyed by content, upgraded but never
// downgraded, and never lost to a file that cannot be read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "Fixtures.h"
#include "game/Progress.h"

namespace fs = std::filesystem;

// Worked out by the first build that stored solves; never to change.
#define GOLDEN_KEY "36a2eff81b543f8ec744caf1b3a3b468"
#define GOLDEN_FILE                                                                                                \
    "5757534f4c564544010000000200000036a2eff81b543f8ec744caf1b3a3b46802000000d41d6c6fcaefc01a65c04668623f36f50100" \
    "0000"

TEST(Progress, APuzzleIsKnownByItsContentAndHelpIsOutgrown)
{
    ClGameFile group;
    fixtures::fillSmallGame(group);
    ClProgress progress;
    using Result = ClProgress::RecordResult;
    EXPECT_EQ(progress.record(group.puzzles[1], true), Result::Recorded);
    EXPECT_EQ(progress.stateOf(group.puzzles[1]), Solved::WithHelp);
    EXPECT_EQ(progress.stateOf(group.puzzles[0]), Solved::No);
    EXPECT_EQ(progress.record(group.puzzles[1], false), Result::Recorded); // solved alone: upgraded
    EXPECT_EQ(progress.record(group.puzzles[1], true), Result::Unchanged); // never back down
    EXPECT_EQ(progress.stateOf(group.puzzles[1]), Solved::Alone);

    // The same puzzle elsewhere in a group made again keeps its mark; a
    // changed one does not.
    ClPuzzle moved = group.puzzles[1];
    EXPECT_EQ(progress.stateOf(moved), Solved::Alone);
    moved.pieces[0].startX += 2;
    EXPECT_EQ(progress.stateOf(moved), Solved::No);
}

// The bytes an older build wrote: the key of a puzzle and the file layout
// are pinned, so stars saved before are found again.
TEST(Progress, TheStoredBytesAreTheOnesOlderBuildsWrote)
{
    ClGameFile group;
    fixtures::fillSmallGame(group);
    const ClProgress::Key key = ClProgress::keyOf(group.puzzles[0]);
    EXPECT_EQ(fixtures::hex({reinterpret_cast<const char*>(key.data()), key.size()}), GOLDEN_KEY);

    const std::string path = fixtures::freshFolder("progress-golden") + "/" + ClProgress::kFileName;
    ClProgress progress;
    progress.record(group.puzzles[0], false);
    progress.record(group.puzzles[2], true);
    Failure failure;
    ASSERT_TRUE(progress.saveMerged(path, failure)) << failure.why;
    EXPECT_EQ(fixtures::hex(fixtures::contentOf(path)), GOLDEN_FILE);
}

// Two games at once, as two real processes: each writes its own solve after
// the other read the record, and both solves are kept, in either order.
TEST(Progress, TwoGamesAtOnceKeepEachOthersSolves)
{
    const std::string path = fixtures::freshFolder("progress-two") + "/" + ClProgress::kFileName;
    ClGameFile group;
    fixtures::fillSmallGame(group);
    ClProgress first, second;
    Failure failure;
    std::string aside;
    first.load(path, failure, aside);
    second.load(path, failure, aside);
    first.record(group.puzzles[0], true);
    second.record(group.puzzles[1], false);
    second.record(group.puzzles[0], false); // solved alone in the other game: wins over help
    ASSERT_EQ(fixtures::inChildProcess([&] { return first.saveMerged(path, failure); }), 0);
    ASSERT_EQ(fixtures::inChildProcess([&] { return second.saveMerged(path, failure); }), 0);
    ClProgress onDisk;
    ASSERT_EQ(onDisk.load(path, failure, aside), ClProgress::LoadResult::Read);
    EXPECT_EQ(onDisk.stateOf(group.puzzles[0]), Solved::Alone);
    EXPECT_EQ(onDisk.stateOf(group.puzzles[1]), Solved::Alone);
    // And the one that wrote last learned the other's solves.
    ASSERT_TRUE(first.saveMerged(path, failure));
    EXPECT_EQ(first.stateOf(group.puzzles[1]), Solved::Alone);
}

// A record at its limit takes no new puzzle but still upgrades, and what it
// writes is read back, never set aside for its size.
TEST(Progress, AFullRecordStaysReadable)
{
    const std::string path = fixtures::freshFolder("progress-full") + "/" + ClProgress::kFileName;
    std::string bytes(ClProgress::kLargestFile, '\0');
    std::memcpy(bytes.data(), ClProgress::kMagic, sizeof ClProgress::kMagic);
    bytes[8] = char(ClProgress::kVersion);
    const std::uint32_t count = ClProgress::kMostEntries;
    std::memcpy(bytes.data() + 12, &count, 4); // little-endian, as stored
    ClGameFile group;
    fixtures::fillSmallGame(group);
    const ClProgress::Key known = ClProgress::keyOf(group.puzzles[0]);
    for (std::uint32_t i = 0; i < count; ++i) {
        char* entry = bytes.data() + ClProgress::kHeaderSize + std::size_t(i) * ClProgress::kEntrySize;
        std::memcpy(entry, &i, 4); // distinct keys
        std::memcpy(entry + 4, "filler-key..", 12);
        entry[16] = char(Solved::WithHelp);
    }
    // The last one is a puzzle of the group's.
    std::memcpy(bytes.data() + bytes.size() - ClProgress::kEntrySize, known.data(), known.size());
    fixtures::put(path, bytes);

    ClProgress progress;
    Failure failure;
    std::string aside;
    ASSERT_EQ(progress.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(progress.record(group.puzzles[1], false), ClProgress::RecordResult::Full);
    EXPECT_EQ(progress.record(group.puzzles[0], false), ClProgress::RecordResult::Recorded); // an upgrade
    ASSERT_TRUE(progress.saveMerged(path, failure)) << failure.why;
    ClProgress again;
    EXPECT_EQ(again.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(again.size(), ClProgress::kMostEntries);
    EXPECT_EQ(again.stateOf(group.puzzles[0]), Solved::Alone);
    EXPECT_EQ(again.stateOf(group.puzzles[1]), Solved::No);
}

// Cut, garbage, a folder, a FIFO, too large: each is kept under a new name
// with its content, and the record starts afresh.
TEST(Progress, WhatCannotBeReadIsSetAsideNeverLost)
{
    const std::string dir = fixtures::freshFolder("progress-damaged");
    const std::string path = dir + "/" + ClProgress::kFileName;
    ClGameFile group;
    fixtures::fillSmallGame(group);
    ClProgress good;
    good.record(group.puzzles[0], false);
    const std::string bytes = good.toBytes();

    const std::function<void()> damage[] = {
        [&] { std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() - 1); }, // cut
        [&] { std::ofstream(path, std::ios::binary) << "Put your own tunes here.\n"; },     // garbage
        [&] { std::ofstream(path, std::ios::binary) << bytes.substr(0, 16) + std::string(20, '\x7f'); }, // bad state
        [&] { fs::create_directories(path); },
        [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
        [&] { std::ofstream(path).seekp(std::streamoff(64 << 20)) << 'x'; }, // sparse and huge
    };
    int aside = 0;
    for (const auto& make : damage) {
        make();
        const auto before = fs::symlink_status(path).type();
        const std::string content = before == fs::file_type::regular ? fixtures::contentOf(path) : "";
        ClProgress progress;
        progress.record(group.puzzles[1], false);
        Failure failure;
        std::string asideAs;
        EXPECT_EQ(progress.load(path, failure, asideAs), ClProgress::LoadResult::SetAside) << failure.why;
        ++aside;
        EXPECT_EQ(asideAs, path + ".unreadable" + (aside == 1 ? "" : "-" + std::to_string(aside)));
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        EXPECT_EQ(fs::symlink_status(asideAs).type(), before);
        if (before == fs::file_type::regular && content.size() < 1000) {
            EXPECT_EQ(fixtures::contentOf(asideAs), content);
        }
        EXPECT_EQ(progress.size(), 0u); // afresh
    }
    Failure failure;
    std::string asideAs;
    EXPECT_EQ(ClProgress().load(path, failure, asideAs), ClProgress::LoadResult::Missing);
}
