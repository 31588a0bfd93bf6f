// The record of solved puzzles: keyed by content, upgraded but never
// downgraded, and never lost to a file that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "Fixtures.h"
#include "game/Progress.h"

namespace fs = std::filesystem;

// Worked out by the first build that stored solves; never to change: a
// header, then each puzzle's key and how it was solved. The first key is
// that of the small game's first puzzle.
const std::string kGoldenFile("WWSOLVED\x01\x00\x00\x00\x02\x00\x00\x00"
                              "\x36\xa2\xef\xf8\x1b\x54\x3f\x8e\xc7\x44\xca\xf1\xb3\xa3\xb4\x68\x02\x00\x00\x00"
                              "\xd4\x1d\x6c\x6f\xca\xef\xc0\x1a\x65\xc0\x46\x68\x62\x3f\x36\xf5\x01\x00\x00\x00",
                              56);

// The small game's puzzles and a record file in a fresh folder.
struct Progress : ::testing::Test {
    void SetUp() override { fixtures::fillSmallGame(group); }
    ClGameFile group;
    const std::string path = fixtures::freshFolder("progress") + "/" + ClProgress::kFileName;
    Failure failure;
    std::string aside;
};

TEST_F(Progress, APuzzleIsKnownByItsContentAndHelpIsOutgrown)
{
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
TEST_F(Progress, TwoGamesAtOnceKeepEachOthersSolvesInTheBytesOlderBuildsWrote)
{
    ClProgress first, second;
    first.load(path, failure, aside);
    second.load(path, failure, aside);
    first.record(group.puzzles[0], true);
    first.record(group.puzzles[2], true);
    second.record(group.puzzles[0], false);
    ASSERT_EQ(fixtures::inChildProcess([&] { return first.saveMerged(path, failure); }), 0);
    ASSERT_EQ(fixtures::inChildProcess([&] { return second.saveMerged(path, failure); }), 0);
    EXPECT_EQ(fixtures::contentOf(path), kGoldenFile);
}

// A record at its limit takes no new puzzle but still upgrades, and what it
// writes is read back, never set aside for its size.
TEST_F(Progress, AFullRecordStaysReadable)
{
    fixtures::put(path, fixtures::fullProgress(group.puzzles[0]));
    ClProgress progress;
    ASSERT_EQ(progress.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(progress.record(group.puzzles[1], false), ClProgress::RecordResult::Full);
    EXPECT_EQ(progress.record(group.puzzles[0], false), ClProgress::RecordResult::Recorded); // an upgrade
    ASSERT_TRUE(progress.saveMerged(path, failure)) << failure.why;
    ClProgress again;
    EXPECT_EQ(again.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(again.stateOf(group.puzzles[0]), Solved::Alone);
}

// Cut, garbage, a bad state, no file (a folder), too large: each is kept
// under a new name with its content, and the record starts afresh.
TEST_F(Progress, WhatCannotBeReadIsSetAsideNeverLost)
{
    ClProgress good;
    good.record(group.puzzles[0], false);
    const std::string bytes = good.toBytes();
    const std::function<void()> damage[] = {
        [&] { fixtures::put(path, bytes.substr(0, bytes.size() - 1)); },
        [&] { fixtures::put(path, "Put your own tunes here.\n"); },
        [&] { fixtures::put(path, bytes.substr(0, 16) + std::string(20, '\x7f')); },
        [&] { fs::create_directories(path); },
        [&] { std::ofstream(path).seekp(std::streamoff(64 << 20)) << 'x'; }, // sparse and huge
    };
    for (std::size_t made = 0; made < std::size(damage); ++made) {
        damage[made]();
        const auto before = fs::symlink_status(path).type();
        const std::string content = before == fs::file_type::regular ? fixtures::contentOf(path) : "";
        ClProgress progress;
        progress.record(group.puzzles[1], false);
        EXPECT_EQ(progress.load(path, failure, aside), ClProgress::LoadResult::SetAside) << failure.why;
        EXPECT_EQ(aside, path + ".unreadable" + (made == 0 ? "" : "-" + std::to_string(made + 1)));
        EXPECT_EQ(fs::symlink_status(aside).type(), before);
        EXPECT_EQ(before == fs::file_type::regular ? fixtures::contentOf(aside) : "", content);
        EXPECT_EQ(progress.size(), 0u); // afresh
    }
}
