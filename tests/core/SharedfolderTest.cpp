// A second running game on the same folder: the folder's lock really keeps
// it out, nothing is ever written without the lock, nothing waits for it,
// and what could not be written is kept and written once the lock is free.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "Fixtures.h"
#include "game/Pendingsaves.h"
#include "game/Progress.h"
#include "game/Settings.h"
#include "game/Zoom.h"

namespace fs = std::filesystem;

// The other game stops in the middle of its save, holding the lock, having
// read the record before this game's solve: woken, it writes what it read
// with its own solve, and its settings with the music off. Had this game
// written meanwhile, that solve would be gone; kept, it is merged in
// afterwards, and only the setting this player changed is written over theirs.
TEST(Sharedfolder, AGameStoppedInItsSaveIsNeitherWrittenOverNorWaitedFor)
{
    const std::string dir = fixtures::freshFolder("stopped-game");
    const std::string record = dir + "/" + ClProgress::kFileName, settings = dir + "/config.dat";
    ClGameFile group;
    fixtures::fillSmallGame(group);
    fixtures::StoppedGame other(dir, [&] {
        ClProgress stale;
        stale.record(group.puzzles[0], false);
        ClSettings theirs;
        theirs.musicOn = 0;
        Failure failure;
        return theirs.saveTo(settings) && fileaccess::writeFile(record, stale.toBytes(), failure);
    });
    ASSERT_TRUE(other.holdsTheLock());

    ClProgress mine;
    mine.record(group.puzzles[1], true);
    ClSettings choices;
    choices.brickStyle = 4;
    // Each is put off at once, as another game at work, and writes nothing.
    ClPendingSaves saves;
    int deferred = 0, said = 0;
    saves.deferred = [&] { ++deferred; };
    saves.failed = [&](const std::string&, const Failure&) { ++said; };
    const std::string zoomFile = dir + "/" + zoom::kFileName;
    saves.save(record, [&](Failure& why) { return mine.saveMerged(record, why); });
    saves.save(settings, [&](Failure& why) { return choices.saveFields(settings, ClSettings::kBrickStyle, &why); });
    saves.save(zoomFile, [&](Failure& why) { return zoom::save(zoomFile, {200}, why); });
    EXPECT_FALSE(saves.retry());
    EXPECT_EQ(saves.files(), (std::set<std::string>{settings, record, zoomFile}));
    EXPECT_EQ(deferred, 3);
    EXPECT_EQ(said, 0);                      // another game at work is nothing to tell the player
    EXPECT_EQ(fixtures::entriesIn(dir), 1u); // the lock file alone

    ASSERT_EQ(other.resume(), 0);
    EXPECT_TRUE(saves.retry());
    EXPECT_FALSE(saves.pending());
    ClProgress onDisk;
    Failure failure;
    std::string aside;
    ASSERT_EQ(onDisk.load(record, failure, aside), ClProgress::LoadResult::Read);
    EXPECT_EQ(onDisk.stateOf(group.puzzles[0]), Solved::Alone);
    EXPECT_EQ(onDisk.stateOf(group.puzzles[1]), Solved::WithHelp);
    ClSettings read;
    ASSERT_TRUE(read.loadFrom(settings));
    EXPECT_EQ(read.brickStyle, 4);
    EXPECT_EQ(read.musicOn, 0);
    EXPECT_EQ(zoom::load(zoomFile), zoom::Kept{200});
}

// A lock file that is no plain file is never used, whatever it is, and
// nothing is written past it; the player hears of it once, however many
// files wait, and again only after a save went through.
TEST(Sharedfolder, ALockFileThatIsNoPlainFileStopsEveryWriteAndIsSaidOnce)
{
    const std::string outside = fixtures::freshFolder("lock-target") + "/target";
    // what, how it is made
    const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
        {"a folder", [](const std::string& lock) { fs::create_directory(lock); }},
        {"a FIFO", [](const std::string& lock) { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); }},
        {"a link", [&](const std::string& lock) { fs::create_symlink(outside, lock); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        const std::string dir = fixtures::freshFolder("odd-lock");
        const std::string lock = dir + "/" + fileaccess::FolderLock::kFileName;
        make(lock);
        const fileaccess::FolderLock tried(dir);
        EXPECT_FALSE(tried.held());
        EXPECT_EQ(tried.failure().kind, FailureKind::NotRegular);

        ClPendingSaves saves;
        std::vector<FailureKind> said;
        saves.failed = [&](const std::string&, const Failure& failure) { said.push_back(failure.kind); };
        ClSettings settings;
        const auto save = [&](const std::string& file) {
            saves.save(file, [&, file](Failure& why) { return settings.saveFields(file, ClSettings::kGroup, &why); });
        };
        save(dir + "/config.dat");
        save(dir + "/other.dat");
        EXPECT_FALSE(saves.retry());
        EXPECT_FALSE(saves.finish(std::chrono::milliseconds(0)));
        EXPECT_EQ(said, std::vector<FailureKind>{FailureKind::NotRegular});
        EXPECT_EQ(fixtures::entriesIn(dir), 1u);
        EXPECT_FALSE(fs::exists(outside));

        fs::remove(lock);
        EXPECT_TRUE(saves.retry());
        EXPECT_TRUE(fs::exists(dir + "/config.dat") && fs::exists(dir + "/other.dat"));
        fs::remove(lock);
        make(lock); // broken again after a save went through: news again
        save(dir + "/config.dat");
        EXPECT_EQ(said.size(), 2u);
    }
}
