// The record of solved puzzles: keyed by content, upgraded but never
// downgraded, and never lost to a file that cannot be read.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "Fixtures.h"
#include "game/Progress.h"

namespace fs = std::filesystem;

// Worked out by the first build that stored solves; never to change. The
// first entry's key is that of the small game's first puzzle.
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
    EXPECT_EQ(progress.record(group.puzzles[1], false), Result::Recorded); // solved alone: upgraded
    EXPECT_EQ(progress.record(group.puzzles[1], true), Result::Unchanged); // never back down

    // The same puzzle elsewhere in a group made again keeps its mark; a
    // changed one does not.
    ClPuzzle moved = group.puzzles[1];
    EXPECT_EQ(progress.stateOf(moved), Solved::Alone);
    moved.pieces[0].startX += 2;
    EXPECT_EQ(progress.stateOf(moved), Solved::No);
}

// Two games at once, as two real processes: each writes its own solves
// after the other read the record, and both are kept, alone winning over
// help. The bytes are those an older build wrote: the key of a puzzle and
// the layout are pinned, so stars saved before are found again.
TEST(Progress, TwoGamesAtOnceKeepEachOthersSolvesInTheBytesOlderBuildsWrote)
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
    first.record(group.puzzles[2], true);
    second.record(group.puzzles[0], false);
    ASSERT_EQ(fixtures::inChildProcess([&] { return first.saveMerged(path, failure); }), 0);
    ASSERT_EQ(fixtures::inChildProcess([&] { return second.saveMerged(path, failure); }), 0);
    EXPECT_EQ(fixtures::hex(fixtures::contentOf(path)), GOLDEN_FILE);
}

// A record at its limit takes no new puzzle but still upgrades, and what it
// writes is read back, never set aside for its size.
TEST(Progress, AFullRecordStaysReadable)
{
    const std::string path = fixtures::freshFolder("progress-full") + "/" + ClProgress::kFileName;
    ClGameFile group;
    fixtures::fillSmallGame(group);
    fixtures::put(path, fixtures::fullProgress(group.puzzles[0]));

    ClProgress progress;
    Failure failure;
    std::string aside;
    ASSERT_EQ(progress.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(progress.record(group.puzzles[1], false), ClProgress::RecordResult::Full);
    EXPECT_EQ(progress.record(group.puzzles[0], false), ClProgress::RecordResult::Recorded); // an upgrade
    ASSERT_TRUE(progress.saveMerged(path, failure)) << failure.why;
    ClProgress again;
    EXPECT_EQ(again.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(again.stateOf(group.puzzles[0]), Solved::Alone);
}

// Cut, garbage, no file (a folder), too large: each is kept under a new name
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
        EXPECT_EQ(asideAs, path + ".unreadable" + (++aside == 1 ? "" : "-" + std::to_string(aside)));
        EXPECT_EQ(fs::symlink_status(asideAs).type(), before);
        EXPECT_EQ(before == fs::file_type::regular ? fixtures::contentOf(asideAs) : "", content);
        EXPECT_EQ(progress.size(), 0u); // afresh
    }
}
