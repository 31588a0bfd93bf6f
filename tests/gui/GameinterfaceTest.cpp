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
void putBigEndian(QByteArray& bytes, qsizetype at, int value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value);
}

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
    putBigEndian(bytes, frame + 5, height);
    putBigEndian(bytes, frame + 7, width);
    if (layout == PictureLayout::OneColourAScan) {
        // The first scan cut down to the first colour, as when each colour
        // has a scan of its own.
        const qsizetype scan = bytes.indexOf("\xff\xda");
        putBigEndian(bytes, scan + 2, 8);
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
    QStringList reports;
};
} // namespace

class GameinterfaceTest : public QObject {
    Q_OBJECT
private slots:
    // A hint that only takes a wrong piece back out is help all the same, and
    // stays help when it is undone: a puzzle finished after it earns the
    // outlined star, not the gold one.
    void aTakeBackHintCountsAsHelp()
    {
        ProgramFolder folder;
        Game game(folder);
        ClGameControl& control = *game.gameControl;
        QVERIFY(control.gameData->load(folder.path("Brick0.gam").toStdString()) && control.gameData->rescaleToPlayUnits());
        game.selectPuzzle(0);
        game.restart();
        // The bar two bricks right of its place leaves room for no L.
        const auto dropAt = [&](ClPoint start, ClPoint place) {
            return game.drop(control.pickPiece(start.x, start.y), place.x, place.y);
        };
        QCOMPARE(dropAt({8, 48}, {24, 8}).change, PieceChange::Snapped);
        const HintResult hint = game.hint();
        QCOMPARE(hint.outcome, HintOutcome::TookBack);
        QCOMPARE(game.undo().change, PieceChange::Moved);
        dropAt({24, 8}, {8, 8});
        QVERIFY(dropAt({40, 56}, {32, 8}).complete);
        QCOMPARE(game.solvedState(), Solved::WithHelp);
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
        const auto open = [&](ClGameInterface& game) {
            ClGameControl& control = *game.gameControl;
            QVERIFY(control.gameData->load(dir + "/Brick0.gam") && control.gameData->rescaleToPlayUnits());
            game.selectPuzzle(0);
        };
        QStringList told;
        {
            Game game(folder);
            game.reportProblem = [&](const QString& message) { told << message; };
            open(game);
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
        open(again);
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
