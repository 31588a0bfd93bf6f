#include <QFile>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"
#include "game/Gamerandom.h"

namespace {
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
    // A hint that only takes a wrong piece back out is help all the same: a
    // puzzle finished after it earns the outlined star, not the gold one.
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
        QCOMPARE(hint.piece->shapeIndex, 0);
        QCOMPARE(dropAt({8, 48}, {8, 8}).complete, false);
        QCOMPARE(game.solvedState(), Solved::No);
        QVERIFY(dropAt({40, 56}, {32, 8}).complete);
        QCOMPARE(game.solvedState(), Solved::WithHelp);
    }

    void picturesAreListedBitmapsFirstAndOnlyGoodLowerCaseOnesPainted()
    {
        ProgramFolder folder;
        folder.addPicture("b.jpg", Qt::green);
        folder.addPicture("a.bmp", Qt::red);
        folder.addPicture("UPPER.BMP", Qt::blue);
        QDir(folder.dir.path()).mkpath("Picture/folder.bmp");
        fixtures::put(folder.path("Picture/broken.jpg").toStdString(), "this is not a picture");
        QDir(folder.dir.path()).mkpath("Music");
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
        game.loadBackground(game.pictureFiles[1]); // a folder: nothing to paint, and said so
        game.loadBackground(game.pictureFiles.last()); // undecodable: said once, and dropped
        game.loadBackground(QFile::encodeName(folder.path("Picture/broken.jpg")));
        QCOMPARE(backgroundPixel(game), 0u); // the former background stays
        QCOMPARE(game.reports.size(), 2);
        QVERIFY(game.reports[0].endsWith("folder.bmp: it is a folder, not a file"));
        QVERIFY(game.reports[1].contains("broken.jpg"));
        QCOMPARE(game.pictureFiles.size(), 3); // both left the list
        game.loadBackground(game.pictureFiles.last());
        QVERIFY(qGreen(backgroundPixel(game)) > 250 && qRed(backgroundPixel(game)) < 5); // a JPEG is near enough

        // With a fixed seed the random pick shows the first picture and the
        // last one too.
        gamerandom::setClock([] { return 1u; });
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

    void aHugePictureIsDecodedAtTheBackgroundSize()
    {
        // 10000 x 10000 pixels; written from a one-bit image, so the test
        // itself never holds the full-size picture either.
        ProgramFolder folder;
        QDir(folder.dir.path()).mkpath("Picture");
        QImage huge(10000, 10000, QImage::Format_Mono);
        huge.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        huge.fill(1);
        QVERIFY(huge.save(folder.path("Picture/huge.jpg"), "JPG", 50));
        huge = QImage();

        Game game(folder);
        game.loadBackground(game.pictureFiles.value(0));
        QVERIFY(game.reports.isEmpty());
        QCOMPARE(game.background.size(), QSize(640, 480));
        QVERIFY(qGray(game.background.pixel(320, 240)) > 240);
    }
};

QTEST_MAIN(GameinterfaceTest)
#include "GameinterfaceTest.moc"
