// The record of solved puzzles: keyed by content, each field bettered but
// never worsened, and never lost to a file that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "Fixtures.h"
#include "game/Progress.h"

namespace fs = std::filesystem;

// Written by the first build that stored solves, in the first layout: a
// header, then each puzzle's key and how it was solved. The first key is
// that of the small game's first puzzle, the second of its third.
const std::string kFirstLayoutFile("WWSOLVED\x01\x00\x00\x00\x02\x00\x00\x00"
                                   "\x36\xa2\xef\xf8\x1b\x54\x3f\x8e\xc7\x44\xca\xf1\xb3\xa3\xb4\x68\x02\x00\x00\x00"
                                   "\xd4\x1d\x6c\x6f\xca\xef\xc0\x1a\x65\xc0\x46\x68\x62\x3f\x36\xf5\x01\x00\x00\x00",
                                   56);

// What two games at once make of it below: the layout of today, with each
// entry's best time and fewest moves after its state.
const std::string kPresentLayoutFile("WWSOLVED\x02\x00\x00\x00\x03\x00\x00\x00"
                                     "\x36\xa2\xef\xf8\x1b\x54\x3f\x8e\xc7\x44\xca\xf1\xb3\xa3\xb4\x68"
                                     "\x02\x00\x00\x00\x90\x5f\x01\x00\x0a\x00\x00\x00"
                                     "\xa7\x51\xea\xed\x6d\xa8\x76\x5c\x56\x95\xcf\xfc\x61\x4f\x7d\x9a"
                                     "\x02\x00\x00\x00\x30\x75\x00\x00\x09\x00\x00\x00"
                                     "\xd4\x1d\x6c\x6f\xca\xef\xc0\x1a\x65\xc0\x46\x68\x62\x3f\x36\xf5"
                                     "\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                                     100);

// The small game's puzzles and a record file in a fresh folder.
struct Progress : ::testing::Test {
    void SetUp() override { fixtures::fillSmallGame(group); }
    ClGameFile group;
    const std::string path = fixtures::freshFolder("progress") + "/" + ClProgress::kFileName;
    Failure failure;
    std::string aside;
};

// Help is outgrown and never comes back; the time and the moves are each
// bettered on their own, by any solve.
TEST_F(Progress, APuzzleIsKnownByItsContentAndEachFieldOnlyGetsBetter)
{
    ClProgress progress;
    using Recorded = ClProgress::RecordResult;
    // with help, the solve, result, best
    const std::tuple<bool, SolveResult, Recorded, BestSolve> solves[] = {
        {true, {60'000, 20}, Recorded::Recorded, {Solved::WithHelp, 60'000, 20}},
        {false, {70'000, 25}, Recorded::Recorded, {Solved::Alone, 60'000, 20}},
        {true, {50'000, 30}, Recorded::Recorded, {Solved::Alone, 50'000, 20}},
        {true, {90'000, 12}, Recorded::Recorded, {Solved::Alone, 50'000, 12}},
        {true, {50'000, 12}, Recorded::Unchanged, {Solved::Alone, 50'000, 12}},
        {false, {}, Recorded::Unchanged, {Solved::Alone, 50'000, 12}}, // nothing known is nothing better
    };
    for (const auto& [withHelp, solve, result, best] : solves) {
        EXPECT_EQ(progress.record(group.puzzles[1], withHelp, solve), result);
        EXPECT_EQ(progress.bestOf(group.puzzles[1]), best);
    }

    // The same puzzle elsewhere in a group made again keeps its mark; a
    // changed one does not.
    ClPuzzle moved = group.puzzles[1];
    EXPECT_EQ(progress.stateOf(moved), Solved::Alone);
    moved.pieces[0].startX += 2;
    EXPECT_EQ(progress.stateOf(moved), Solved::No);
}

// Two games at once, as two real processes, on a record an older build
// wrote: each writes its own solves after the other read the record, and
// all are kept, each field at its best, in the present layout. The key of a
// puzzle and both layouts are pinned, so stars saved before are found again.
TEST_F(Progress, TwoGamesAtOnceKeepEachOthersBestOverTheFirstLayout)
{
    fixtures::put(path, kFirstLayoutFile);
    ClProgress first, second;
    ASSERT_EQ(first.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    ASSERT_EQ(second.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    first.record(group.puzzles[0], true, {90'000, 12});
    first.record(group.puzzles[1], false, {30'000, 9});
    second.record(group.puzzles[0], false, {120'000, 10});
    ASSERT_EQ(fixtures::inChildProcess([&] { return first.saveMerged(path, failure); }), 0);
    ASSERT_EQ(fixtures::inChildProcess([&] { return second.saveMerged(path, failure); }), 0);
    EXPECT_EQ(fixtures::contentOf(path), kPresentLayoutFile);
}

// A record at its limit takes no new puzzle but still upgrades, and what it
// writes is read back, never set aside for its size.
TEST_F(Progress, AFullRecordStaysReadable)
{
    fixtures::put(path, fixtures::fullProgress(group.puzzles[0]));
    ClProgress progress;
    ASSERT_EQ(progress.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(progress.record(group.puzzles[1], false), ClProgress::RecordResult::Full);
    EXPECT_EQ(progress.record(group.puzzles[0], false, {1'000, 5}), ClProgress::RecordResult::Recorded);
    ASSERT_TRUE(progress.saveMerged(path, failure)) << failure.why;
    ClProgress again;
    EXPECT_EQ(again.load(path, failure, aside), ClProgress::LoadResult::Read) << failure.why;
    EXPECT_EQ(again.bestOf(group.puzzles[0]), (BestSolve{Solved::Alone, 1'000, 5}));
}

// Cut, garbage, a bad state, an unknown layout, entries of one layout under
// the other's header, no file (a folder), too large: each is kept
// under a new name with its content, and the record starts afresh.
TEST_F(Progress, WhatCannotBeReadIsSetAsideNeverLost)
{
    ClProgress good;
    good.record(group.puzzles[0], false);
    const std::string bytes = good.toBytes();
    const std::function<void()> damage[] = {
        [&] { fixtures::put(path, bytes.substr(0, bytes.size() - 1)); },
        [&] { fixtures::put(path, "Put your own tunes here.\n"); },
        [&] { fixtures::put(path, bytes.substr(0, 16) + std::string(ClProgress::kEntrySize, '\x7f')); },
        [&] { fixtures::put(path, bytes.substr(0, 8) + '\x03' + bytes.substr(9)); },
        [&] { fixtures::put(path, bytes.substr(0, 8) + '\x01' + bytes.substr(9)); },
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
