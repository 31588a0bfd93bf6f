// The game's state between the window and the files: what a solve records,
// what waits for the folder, which pictures are shown, and where
// "config.dat" lives: beside a program whose folder is the player's own and
// writable, else in the user's configuration folder, seeded once from the
// program folder.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include <QBuffer>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>

#include "Programfolder.h"
#include "game/Gameinterface.h"
#include "game/Gamerandom.h"
#include "game/Zoom.h"

namespace {
enum class PictureLayout { Baseline, Progressive, Bitmap };

// A small picture whose header is made to claim width x height pixels, as a
// decompression bomb does: a few bytes that promise gigabytes.
QByteArray bomb(PictureLayout layout, int width, int height)
{
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::gray);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, layout == PictureLayout::Bitmap ? "bmp" : "jpg");
    writer.setProgressiveScanWrite(layout == PictureLayout::Progressive);
    writer.write(small);
    QByteArray bytes = buffer.data();
    if (layout == PictureLayout::Bitmap) {
        qToLittleEndian<qint32>(width, bytes.data() + 18);
        qToLittleEndian<qint32>(height, bytes.data() + 22);
        return bytes;
    }
    const qsizetype frame = std::max(bytes.indexOf("\xff\xc0"), bytes.indexOf("\xff\xc2"));
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

QRgb backgroundPixel(const ClGameInterface& game)
{
    return game.background.pixel(5, 5) & 0xffffff;
}

std::int32_t savedGroup(const QString& path)
{
    ClSettings settings;
    settings.group = -1;
    return settings.loadFrom(path.toStdString()) ? settings.group : -1;
}

// The program folder closed to the game: someone else's when root runs the
// test (an installed game), else read-only.
bool lockOut(const QByteArray& folder)
{
    return geteuid() == 0 ? ::chown(folder.constData(), 65534, 65534) == 0 : ::chmod(folder.constData(), 0555) == 0;
}
// The game on the folder, its background black and its bad pictures noted,
// on a clock that moves on a second at each reading: a play from Play to the
// finished wall takes one second.
struct Game : ClGameInterface {
    static constexpr std::uint32_t kPlayMilliseconds = 1'000;
    explicit Game(const ProgramFolder& folder)
        : ClGameInterface(folder.bytes())
    {
        background = QImage(640, 480, QImage::Format_RGB32);
        background.fill(Qt::black);
        sizeBackground({640, 480}, 1); // with a background already: no picture is read ahead
        reportBadPicture = [this](const QByteArray& name, const QString& why) { reports << name + ": " + why; };
        clock = [this] { return now += kPlayMilliseconds; };
    }
    std::int64_t now = 0;
    // The folder's group open and this puzzle of it in play from its start.
    bool play(std::int32_t puzzle)
    {
        ClGameData& data = *gameControl->gameData;
        if (!data.checkerboard
            && !(data.load(QFile::decodeName(programFolder + "Brick0.gam").toStdString()) && data.rescaleToPlayUnits()))
            return false;
        selectPuzzle(puzzle);
        restart();
        return gameControl->isValid() != nullptr;
    }
    // The small game's puzzle in play solved alone: the L from (40, 56), then
    // the bar from (8, 48), each into its place in the puzzle's row.
    PlayOutcome solveByHand(std::int32_t puzzle = 0)
    {
        drop(gameControl->pickPiece(40, 56), 32, 8 + puzzle * kBrickScale);
        return drop(gameControl->pickPiece(8, 48), 8, 8 + puzzle * kBrickScale);
    }
    QStringList reports;
};
} // namespace

class GameinterfaceTest : public QObject {
    Q_OBJECT
private slots:
    // Each in a user configuration folder of its own.
    void init()
    {
        userHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", userHome->path().toUtf8());
        userFolder = userHome->filePath("Wallwright");
    }

    // However the last brick goes in, by a drop, a right click, a let-go or a
    // redo after a held move, the solve is recorded alike, on disk too, with its
    // time and moves: each drop, turn, hint and undo that changed anything. A
    // hint counts as help, also one that only took a wrong piece back out and
    // was undone; a restart after it makes a fresh play. (That help never takes
    // a solve alone away, the core's record test shows.)
    void howTheWallIsFinishedDecidesWhatIsRecorded()
    {
        // The small game's first puzzle: the L from (40, 56) to (32, 8), the
        // bar from (8, 48) to (8, 8). Where a row holds the bar somewhere, the
        // L is in place first and the row's move on the bar finishes the wall.
        const auto byHints = [](Game& game) {
            HintResult result;
            for (int hints = 0; hints < 10 && !result.complete; ++hints)
                result = game.hint();
            return PlayOutcome{PieceChange::Snapped, result.complete};
        };
        const struct {
            const char* name;
            std::optional<ClPoint> barHeldAt;
            std::function<PlayOutcome(Game&, ClPiece* bar)> finish;
            Solved recorded;
            std::uint32_t moves;
        } finishes[] = {
            {"drop", ClPoint{8, 48}, [](Game& game, ClPiece* bar) { return game.drop(bar, 9, 9); }, Solved::Alone, 2},
            // A brick too far left, turned about its last brick, lands in place.
            {"right click", ClPoint{-8, 8}, [](Game& game, ClPiece* bar) { return game.turn(bar, 8 + 7, 8 + 3); },
             Solved::Alone, 2},
            {"let go", ClPoint{8, 8}, [](Game& game, ClPiece*) { return game.letGo(); }, Solved::Alone, 1},
            {"redo", ClPoint{8, 8}, [](Game& game, ClPiece*) { return game.redo(); }, Solved::Alone, 1},
            {"hints", {}, [&](Game& game, ClPiece*) { return byHints(game); }, Solved::WithHelp, 2},
            {"hint, restart, alone",
             {},
             [&](Game& game, ClPiece*) {
                 game.hint();
                 game.restart();
                 return game.solveByHand();
             },
             Solved::Alone,
             2},
            // The bar two bricks right of its place leaves room for no L.
            {"take-back hint undone",
             {},
             [&](Game& game, ClPiece*) {
                 ClGameControl& control = *game.gameControl;
                 game.drop(control.pickPiece(8, 48), 24, 8);
                 if (game.hint().outcome != HintOutcome::TookBack || game.undo().change != PieceChange::Moved)
                     return PlayOutcome{};
                 game.drop(control.pickPiece(24, 8), 8, 8);
                 return game.drop(control.pickPiece(40, 56), 32, 8);
             },
             Solved::WithHelp,
             5},
        };
        for (const auto& finish : finishes) {
            ProgramFolder folder;
            {
                Game game(folder);
                QVERIFY(game.play(0));
                ClGameControl& control = *game.gameControl;
                ClPiece* bar = nullptr;
                if (finish.barHeldAt) {
                    QCOMPARE(game.drop(control.pickPiece(40, 56), 32, 8).change, PieceChange::Snapped);
                    bar = control.pickPiece(8, 48);
                    control.movePiece(bar, finish.barHeldAt->x, finish.barHeldAt->y);
                }
                QVERIFY2(finish.finish(game, bar).complete, finish.name);
                QVERIFY2(game.lastSolve() && game.lastSolve()->moves == finish.moves, finish.name);
                QVERIFY2(!game.puzzleHasMoves(), finish.name); // a solve ends the history
            }
            Game reopened(folder);
            QVERIFY(reopened.play(0));
            const BestSolve best{finish.recorded, Game::kPlayMilliseconds, finish.moves};
            QVERIFY2(reopened.shownBest() == best, finish.name);
            QVERIFY(reopened.play(1));
            QCOMPARE(reopened.solvedState(), Solved::No);
        }
    }

    // A record at its limit takes no new puzzle, and says so once, not at
    // every solve; the game plays on.
    void aFullRecordIsSaidOnce()
    {
        ProgramFolder folder;
        ClGameFile group;
        fixtures::fillSmallGame(group);
        fixtures::put(folder.path(ClProgress::kFileName).toStdString(), fixtures::fullProgress(group.puzzles[2]));
        Game game(folder);
        QStringList told;
        game.reportProblem = [&](const QString& message) { told << message; };
        for (const std::int32_t puzzle : {0, 1}) {
            QVERIFY(game.play(puzzle));
            QVERIFY(game.solveByHand(puzzle).complete);
            QCOMPARE(game.solvedState(), Solved::No);
        }
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QString::number(ClProgress::kMostEntries)), qPrintable(told[0]));
    }

    // A folder that refuses the write (its lock file turned into a folder):
    // a solve and a step go on at once, the refusal is said once for all
    // that waits, and what is kept is written at exit at the latest. (How
    // saves wait for another game's lock, the core's shared-folder test shows.)
    void changesThatCannotBeWrittenAreKeptUntilTheyCanBe()
    {
        ProgramFolder folder;
        const std::string lock = folder.bytes().toStdString() + "/" + fileaccess::FolderLock::kFileName;
        QStringList told;
        {
            Game game(folder);
            game.reportProblem = [&](const QString& message) { told << message; };
            QVERIFY(game.play(0));
            std::filesystem::remove(lock);
            std::filesystem::create_directory(lock);
            QVERIFY(game.solveByHand().complete);
            game.goToPuzzle(2);
            QVERIFY(game.savesPending());
            QCOMPARE(told.size(), 1);
            QVERIFY(told[0].contains(".wallwright.lock"));
            std::filesystem::remove(lock);
        }
        Game again(folder);
        QCOMPARE(again.settings.lastPuzzle, 2);
        QVERIFY(again.play(0));
        const BestSolve solved{Solved::Alone, Game::kPlayMilliseconds, 2};
        QVERIFY(again.puzzleBests() == (std::vector<BestSolve>{solved, {}, {}}));
    }

    void picturesAreListedBitmapsFirstAndOnlyGoodLowerCaseOnesPainted()
    {
        ProgramFolder folder;
        folder.addPicture("b.jpg", Qt::green);
        folder.addPicture("a.bmp", Qt::red);
        folder.addPicture("UPPER.BMP", Qt::blue);
        QDir(folder.path()).mkpath("Picture/folder.bmp");
        fixtures::put(folder.path("Picture/broken.jpg").toStdString(), "this is not a picture");
        QDir(folder.path()).mkpath("Music");
        QFile(folder.path("Music/tune.mid")).open(QIODevice::WriteOnly);
        QFile(folder.path("Music/loop.WAV")).open(QIODevice::WriteOnly);

        Game game(folder);
        QStringList names;
        for (const QByteArray& path : game.pictureFiles)
            names << QFileInfo(QFile::decodeName(path)).fileName();
        QCOMPARE(names, QStringList({"a.bmp", "folder.bmp", "UPPER.BMP", "b.jpg", "broken.jpg"}));
        QCOMPARE(game.musicFiles.size(), 2);
        QVERIFY(game.musicFiles[0].endsWith("tune.mid"));

        // Straight from the list: a dropped name leaves it while it is being reported.
        game.loadBackground(game.pictureFiles[2]);     // upper-case extension: listed, never painted
        game.loadBackground(game.pictureFiles[1]);     // a folder: nothing to paint, nor to say
        game.loadBackground(game.pictureFiles.last()); // undecodable: said once, and dropped
        game.loadBackground(QFile::encodeName(folder.path("Picture/broken.jpg")));
        QCOMPARE(backgroundPixel(game), 0u); // the former background stays
        QCOMPARE(game.reports.size(), 1);
        QVERIFY(game.reports[0].contains("broken.jpg"));
        QCOMPARE(game.pictureFiles.size(), 4);

        // With a fixed seed the random pick shows the first picture and the
        // last one too, a JPEG near enough to its green.
        gamerandom::setClock([] { return 3u; });
        gamerandom::seedFromClock();
        game.background.fill(Qt::black);
        QSet<QRgb> shown;
        for (int step = 0; step < 20; ++step) {
            game.selectPuzzle(0);
            shown << (qGreen(backgroundPixel(game)) > 250 ? 0x00ff00 : backgroundPixel(game));
        }
        gamerandom::setClock({});
        QVERIFY(shown.contains(0xff0000) && shown.contains(0x00ff00));
    }

    // A header that claims more pixels than the game decodes is taken at its
    // word: refused before decoding, named, and dropped. What the decoder
    // holds whole may claim up to a 6000 x 4000 photo; a JPEG with every
    // colour in its first scan decodes scaled as it is read and may claim
    // more, which only decoding straight to the background's size keeps in
    // memory (which JPEGs those are, the core's scan test tells).
    void aPictureClaimingTooManyPixelsIsRefusedUndecoded_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("refused");
        const auto whole = int(ClGameInterface::kMostPixelsDecodedWhole / 6000);
        const auto scaled = int(ClGameInterface::kMostPixelsDecodedScaled / 10000);
        QTest::newRow("progressive JPEG one row over") << bomb(PictureLayout::Progressive, 6000, whole + 1) << true;
        QTest::newRow("progressive JPEG at the limit") << bomb(PictureLayout::Progressive, 6000, whole) << false;
        QTest::newRow("bitmap one row over") << bomb(PictureLayout::Bitmap, 6000, whole + 1) << true;
        QTest::newRow("baseline JPEG one row over") << bomb(PictureLayout::Baseline, 10000, scaled + 1) << true;
        QTest::newRow("baseline JPEG at the limit") << bomb(PictureLayout::Baseline, 10000, scaled) << false;
    }
    void aPictureClaimingTooManyPixelsIsRefusedUndecoded()
    {
        QFETCH(QByteArray, picture);
        QFETCH(bool, refused);
        ProgramFolder folder;
        QDir(folder.path()).mkpath("Picture");
        fixtures::put(folder.path("Picture/bomb.jpg").toStdString(), picture.toStdString());
        Game game(folder);
        game.loadBackground(game.pictureFiles.value(0));
        QCOMPARE(game.reports.size(), refused ? 1 : 0);
        QVERIFY(!refused || game.reports[0].contains("more than the game decodes"));
        QCOMPARE(game.pictureFiles.isEmpty(), refused);
    }

    void anOwnWritableProgramFolderKeepsItsOwnSettings()
    {
        ProgramFolder folder;
        // What killed writes of any of the game's files left there goes when
        // the game starts, once old enough that no writer is still at it
        // (how old, the core's file test shows).
        QStringList killed;
        for (const char* target : {"config.dat", ClProgress::kFileName, zoom::kFileName}) {
            killed << folder.path(QString(".%1.41-1-77.tmp").arg(target));
            fixtures::put(killed.last().toStdString(), std::string(1000, 'x'));
            const timespec then{std::time(nullptr) - 3600, 0}, times[2] = {then, then};
            (void)::utimensat(AT_FDCWD, QFile::encodeName(killed.last()).constData(), times, 0);
        }
        {
            ClGameInterface game(folder.bytes());
            QCOMPARE(game.settingsPath(), QFile::encodeName(folder.path("config.dat")));
            game.settings.group = 2;
        }
        QCOMPARE(savedGroup(folder.path("config.dat")), 2);
        QVERIFY(!QFileInfo::exists(userFolder));
        for (const QString& path : killed)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    }

    // Read-only for the player, or someone else's (an installed game, even
    // when root runs it): the settings go to the user's folder, seeded once.
    // With no usable user folder either, the game plays on, says so once,
    // and writes nothing, not at a change, not at a solve, not at exit.
    void aForeignOrReadOnlyProgramFolderSendsTheSettingsToTheUser()
    {
        ProgramFolder folder;
        ClSettings seeded;
        seeded.group = 3;
        QVERIFY(seeded.saveTo(folder.path("config.dat").toStdString()));
        const std::string seed = fixtures::contentOf(folder.path("config.dat").toStdString());
        const QByteArray path = folder.bytes();
        QVERIFY(lockOut(path));
        const auto restore = qScopeGuard([&] { (void)::chmod(path.constData(), 0777); });

        const QString own = QDir(userFolder).filePath("config.dat");
        {
            ClGameInterface game(path);
            QCOMPARE(game.settingsPath(), QFile::encodeName(own));
            QCOMPARE(game.settings.group, 3); // the seed, on the first run
            game.settings.group = 1;
            game.settingsChanged(ClSettings::kGroup);
        }
        QCOMPARE(savedGroup(own), 1);
        QCOMPARE(fixtures::contentOf(folder.path("config.dat").toStdString()), seed);
        QCOMPARE(ClGameInterface(path).settings.group, 1); // the user's copy, not the seed again

        QFile(userHome->filePath("file")).open(QIODevice::WriteOnly);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(userHome->filePath("file")));
        const QStringList before = QDir(folder.path("")).entryList(QDir::AllEntries | QDir::Hidden);
        QStringList told;
        {
            Game game(folder);
            game.reportProblem = [&](const QString& message) { told << message; };
            QVERIFY(game.settingsProblem.contains("not saved"));
            game.settings.brickStyle = 4;
            game.settingsChanged(ClSettings::kBrickStyle);
            QVERIFY(game.play(0) && game.solveByHand().complete);
        }
        QCOMPARE(told, QStringList());
        QCOMPARE(QDir(folder.path("")).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(QFileInfo(userHome->filePath("file")).isFile());
    }

private:
    std::unique_ptr<QTemporaryDir> userHome;
    QString userFolder;
};

QTEST_MAIN(GameinterfaceTest)
#include "GameinterfaceTest.moc"
