#include <functional>
#include <optional>

#include <QBuffer>
#include <QtEndian>
#include <QFile>
#include <QImageWriter>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"
#include "game/Gamerandom.h"
#include "model/Fileaccess.h"

namespace {
enum class PictureLayout { Baseline, Progressive, OneColourAScan, Bitmap };

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
    if (layout == PictureLayout::OneColourAScan) {
        // The first scan cut down to the first colour, as when each colour
        // has a scan of its own.
        const qsizetype scan = bytes.indexOf("\xff\xda");
        qToBigEndian<quint16>(8, bytes.data() + scan + 2);
        bytes[scan + 4] = 1;
        bytes.remove(scan + 7, 4);
    }
    return bytes;
}

QRgb backgroundPixel(const ClGameInterface& game)
{
    return game.background.pixel(5, 5) & 0xffffff;
}

// The game on the folder, its background black and its bad pictures noted.
struct Game : ClGameInterface {
    explicit Game(const ProgramFolder& folder)
        : ClGameInterface(folder.bytes())
    {
        background = QImage(640, 480, QImage::Format_RGB32);
        background.fill(Qt::black);
        reportBadPicture = [this](const QByteArray& name, const QString& why) { reports << name + ": " + why; };
    }
    // The folder's group open and this puzzle of it in play from its start.
    bool play(std::int32_t puzzle)
    {
        ClGameData& data = *gameControl->gameData;
        if (!data.checkerboard && !(data.load(QFile::decodeName(programFolder + "Brick0.gam").toStdString())
                                     && data.rescaleToPlayUnits()))
            return false;
        selectPuzzle(puzzle);
        restart();
        return gameControl->isValid() != nullptr;
    }
    QStringList reports;
};
} // namespace

class GameinterfaceTest : public QObject {
    Q_OBJECT
private slots:
    // However the last brick goes in, by a drop, a right click, a key's drop,
    // a let-go or a redo after a held move, the solve is recorded alike, on
    // disk too. A hint counts as help, also one that only took a wrong piece
    // back out and was undone; a restart after it makes a fresh play.
    void howTheWallIsFinishedDecidesWhatIsRecorded()
    {
        // The small game's first puzzle: the L from (40, 56) to (32, 8), the
        // bar from (8, 48) to (8, 8). Where a row holds the bar somewhere, the
        // L is in place first and the row's move on the bar finishes the wall.
        const auto solveAlone = [](Game& game, ClGameControl& control) {
            game.drop(control.pickPiece(40, 56), 32, 8);
            return game.drop(control.pickPiece(8, 48), 8, 8);
        };
        const auto byHints = [](Game& game) {
            HintResult result;
            for (int hints = 0; hints < 10 && !result.complete; ++hints)
                result = game.hint();
            return PlayOutcome{PieceChange::Snapped, result.complete};
        };
        const struct {
            const char* name;
            std::optional<ClPoint> barHeldAt;
            std::function<PlayOutcome(Game&, ClGameControl&, ClPiece* bar)> finish;
            Solved recorded;
        } finishes[] = {
            {"drop", ClPoint{8, 48}, [](Game& game, ClGameControl&, ClPiece* bar) { return game.drop(bar, 9, 9); },
             Solved::Alone},
            // A brick too far left, turned about its last brick, lands in place.
            {"right click", ClPoint{-8, 8},
             [](Game& game, ClGameControl&, ClPiece* bar) { return game.turn(bar, 8 + 7, 8 + 3); }, Solved::Alone},
            {"key drop", ClPoint{8, 8},
             [](Game& game, ClGameControl&, ClPiece* bar) { return game.drop(bar, bar->x, bar->y); }, Solved::Alone},
            {"let go", ClPoint{8, 8}, [](Game& game, ClGameControl&, ClPiece*) { return game.letGo(); }, Solved::Alone},
            {"redo", ClPoint{8, 8}, [](Game& game, ClGameControl&, ClPiece*) { return game.redo(); }, Solved::Alone},
            {"hints", {}, [&](Game& game, ClGameControl&, ClPiece*) { return byHints(game); }, Solved::WithHelp},
            // Solved alone once, a later solve with help takes nothing away.
            {"alone, then with hints", {}, [&](Game& game, ClGameControl& control, ClPiece*) {
                 solveAlone(game, control);
                 game.restart();
                 return byHints(game);
             }, Solved::Alone},
            {"hint, restart, alone", {}, [&](Game& game, ClGameControl& control, ClPiece*) {
                 game.hint();
                 game.restart();
                 return solveAlone(game, control);
             }, Solved::Alone},
            // The bar two bricks right of its place leaves room for no L.
            {"take-back hint undone", {}, [&](Game& game, ClGameControl& control, ClPiece*) {
                 game.drop(control.pickPiece(8, 48), 24, 8);
                 if (game.hint().outcome != HintOutcome::TookBack || game.undo().change != PieceChange::Moved)
                     return PlayOutcome{};
                 game.drop(control.pickPiece(24, 8), 8, 8);
                 return game.drop(control.pickPiece(40, 56), 32, 8);
             }, Solved::WithHelp},
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
                QVERIFY2(finish.finish(game, control, bar).complete, finish.name);
                QVERIFY2(game.solvedState() == finish.recorded, finish.name);
                QVERIFY2(!game.puzzleHasMoves(), finish.name); // a solve ends the history
            }
            Game reopened(folder);
            QVERIFY(reopened.play(0));
            QVERIFY2(reopened.solvedState() == finish.recorded, finish.name);
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
            QVERIFY(game.drop(game.gameControl->pickPiece(40, 56), 32, 8 + puzzle * kBrickScale).change
                    == PieceChange::Snapped);
            QVERIFY(game.drop(game.gameControl->pickPiece(8, 48), 8, 8 + puzzle * kBrickScale).complete);
            QCOMPARE(game.solvedState(), Solved::No);
        }
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QString::number(ClProgress::kMostEntries)), qPrintable(told[0]));
    }

    // A lock held by a stopped game: steps and a solve go on at once and are
    // kept, then written when it lets go. A folder that refuses the write
    // (its lock file turned into a folder) is said once for all that waits;
    // what is kept then is written at exit at the latest.
    void changesThatCannotBeWrittenAreKeptUntilTheyCanBe()
    {
        ProgramFolder folder;
        const std::string dir = folder.bytes().toStdString();
        const std::string lock = dir + "/" + fileaccess::FolderLock::kFileName;
        const auto onDisk = [&] {
            ClSettings settings;
            settings.lastPuzzle = -1;
            settings.loadFrom(dir + "/config.dat");
            return settings.lastPuzzle;
        };
        const auto solve = [](ClGameInterface& game) {
            game.restart();
            ClGameControl& control = *game.gameControl;
            bool solved = false;
            for (const ClPiece& place : control.gameData->puzzles[std::size_t(control.puzzleIndex)].pieces)
                solved = game.drop(control.pickPiece(place.startX * kBrickScale, place.startY * kBrickScale),
                                   place.x * kBrickScale, place.y * kBrickScale)
                             .complete;
            return solved;
        };
        QStringList told;
        {
            Game game(folder);
            game.reportProblem = [&](const QString& message) { told << message; };
            QVERIFY(game.play(0));
            {
                fixtures::StoppedGame other(dir, [] { return true; });
                QVERIFY(other.holdsTheLock());
                game.goToPuzzle(2);
                QVERIFY(solve(game));
                QVERIFY(game.savesPending());
                QCOMPARE(onDisk(), -1);
                QVERIFY(!QFile::exists(folder.path("progress.dat")));
                QVERIFY(!game.retrySaves());
                QCOMPARE(other.resume(), 0);
            }
            QVERIFY(game.retrySaves());
            QCOMPARE(onDisk(), 2);
            QVERIFY(told.isEmpty());

            std::filesystem::remove(lock);
            std::filesystem::create_directory(lock);
            game.goToPuzzle(0);
            QVERIFY(solve(game));
            QCOMPARE(told.size(), 1);
            QVERIFY(told[0].contains(".wallwright.lock"));
            std::filesystem::remove(lock);
        }
        QCOMPARE(onDisk(), 0);
        Game again(folder);
        QVERIFY(again.play(0));
        QCOMPARE(again.solvedMarks(), (std::vector<Solved>{Solved::Alone, Solved::No, Solved::Alone}));
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
        game.loadBackground(game.pictureFiles[2]); // upper-case extension: listed, never painted
        game.loadBackground(game.pictureFiles[1]); // a folder: nothing to paint, nor to say
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
    // memory.
    void aPictureClaimingTooManyPixelsIsRefusedUndecoded_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("refused");
        const auto whole = int(ClGameInterface::kMostPixelsDecodedWhole / 6000);
        const auto scaled = int(ClGameInterface::kMostPixelsDecodedScaled / 10000);
        QTest::newRow("progressive JPEG one row over") << bomb(PictureLayout::Progressive, 6000, whole + 1) << true;
        QTest::newRow("progressive JPEG at the limit") << bomb(PictureLayout::Progressive, 6000, whole) << false;
        QTest::newRow("one colour a scan, one row over") << bomb(PictureLayout::OneColourAScan, 6000, whole + 1) << true;
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
};

QTEST_MAIN(GameinterfaceTest)
#include "GameinterfaceTest.moc"
