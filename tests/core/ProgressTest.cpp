// The record of solved puzzles: keyed by content, upgraded but never
// downgraded, and never lost to a file that cannot be read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "Fixtures.h"
#include "game/Progress.h"

namespace fs = std::filesystem;

TEST(Progress, APuzzleIsKnownByItsContentAndHelpIsOutgrown)
{
    ClGameFile group;
    fixtures::fillSmallGame(group);
    ClProgress progress;
    EXPECT_TRUE(progress.record(group.puzzles[1], true));
    EXPECT_EQ(progress.stateOf(group.puzzles[1]), Solved::WithHelp);
    EXPECT_EQ(progress.stateOf(group.puzzles[0]), Solved::No);
    EXPECT_TRUE(progress.record(group.puzzles[1], false)); // solved alone: upgraded
    EXPECT_FALSE(progress.record(group.puzzles[1], true)); // never back down
    EXPECT_EQ(progress.stateOf(group.puzzles[1]), Solved::Alone);

    // The same puzzle elsewhere in a group made again keeps its mark; a
    // changed one does not.
    ClPuzzle moved = group.puzzles[1];
    EXPECT_EQ(progress.stateOf(moved), Solved::Alone);
    moved.pieces[0].startX += 2;
    EXPECT_EQ(progress.stateOf(moved), Solved::No);
}

TEST(Progress, ARecordSurvivesARestartByteForByte)
{
    const std::string path = fixtures::freshFolder("progress-roundtrip") + "/" + ClProgress::kFileName;
    ClGameFile group;
    fixtures::fillSmallGame(group);
    ClProgress progress;
    progress.record(group.puzzles[0], false);
    progress.record(group.puzzles[2], true);
    std::string why, aside;
    ASSERT_TRUE(progress.save(path, why)) << why;
    EXPECT_EQ(fs::file_size(path), ClProgress::kHeaderSize + 2 * ClProgress::kEntrySize);
    EXPECT_EQ(fixtures::contentOf(path).substr(0, 8), "WWSOLVED");
    ClProgress again;
    EXPECT_EQ(again.load(path, why, aside), ClProgress::LoadResult::Read);
    EXPECT_EQ(again.stateOf(group.puzzles[0]), Solved::Alone);
    EXPECT_EQ(again.stateOf(group.puzzles[2]), Solved::WithHelp);
    EXPECT_EQ(again.toBytes(), progress.toBytes());
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
        std::string why, asideAs;
        EXPECT_EQ(progress.load(path, why, asideAs), ClProgress::LoadResult::SetAside) << why;
        ++aside;
        EXPECT_EQ(asideAs, path + ".unreadable" + (aside == 1 ? "" : "-" + std::to_string(aside)));
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        EXPECT_EQ(fs::symlink_status(asideAs).type(), before);
        if (before == fs::file_type::regular && content.size() < 1000) {
            EXPECT_EQ(fixtures::contentOf(asideAs), content);
        }
        EXPECT_EQ(progress.size(), 0u); // afresh
    }
    std::string why, asideAs;
    EXPECT_EQ(ClProgress().load(path, why, asideAs), ClProgress::LoadResult::Missing);
}
