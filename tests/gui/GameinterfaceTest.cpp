#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"
#include "game/Gamerandom.h"

namespace {
std::uint32_t crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xffffffff;
    for (char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putBigEndian(QByteArray& bytes, qsizetype at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * (size - 1 - i)));
}

void putLittleEndian(QByteArray& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes += char(value >> (8 * i));
}

// A run-length coded bitmap of width x height pixels whose only code says
// "end of bitmap": about a kilobyte for any size.
QByteArray runLengthBitmap(int width, int height)
{
    QByteArray info;
    for (std::uint32_t word : {40u, std::uint32_t(width), std::uint32_t(height)})
        putLittleEndian(info, word);
    info += QByteArray("\x01\x00\x08\x00", 4); // one plane, 8 bits a pixel
    for (std::uint32_t word : {1u /* RLE8 */, 2u, 2835u, 2835u, 256u, 0u})
        putLittleEndian(info, word);
    QByteArray palette;
    for (int i = 0; i < 256; ++i)
        putLittleEndian(palette, std::uint32_t(i * 0x010101));
    const QByteArray codes("\x00\x01", 2);
    QByteArray file("BM");
    const auto offset = std::uint32_t(14 + info.size() + palette.size());
    putLittleEndian(file, offset + std::uint32_t(codes.size()));
    putLittleEndian(file, 0);
    putLittleEndian(file, offset);
    return file + info + palette + codes;
}

// A small picture whose header is made to claim width x height pixels, as
// a decompression bomb does: a few bytes that promise gigabytes.
QByteArray bomb(const char* format, int width, int height)
{
    if (QByteArray(format) == "bmp")
        return runLengthBitmap(width, height);
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::gray);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArray(format).left(3) == "jpg" ? "jpg" : format);
    writer.setProgressiveScanWrite(QByteArray(format) == "jpg-progressive");
    writer.write(small);
    QByteArray bytes = buffer.data();
    if (bytes.startsWith("\xff\xd8")) {
        const qsizetype frame = std::max(bytes.indexOf("\xff\xc0"), bytes.indexOf("\xff\xc2"));
        putBigEndian(bytes, frame + 5, std::uint32_t(height), 2);
        putBigEndian(bytes, frame + 7, std::uint32_t(width), 2);
    } else {
        putBigEndian(bytes, 16, std::uint32_t(width), 4);
        putBigEndian(bytes, 20, std::uint32_t(height), 4);
        putBigEndian(bytes, 29, crc32(bytes.mid(12, 17)), 4);
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
        QVERIFY(!game.puzzleHasMoves());
        QCOMPARE(dropAt({8, 48}, {24, 8}).change, PieceChange::Snapped);
        QVERIFY(game.puzzleHasMoves());
        const HintResult hint = game.hint();
        QCOMPARE(hint.outcome, HintOutcome::TookBack);
        QCOMPARE(hint.piece->shapeIndex, 0);
        QCOMPARE(game.undo().change, PieceChange::Moved);
        QCOMPARE(dropAt({24, 8}, {8, 8}).complete, false);
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

    // A header that claims more pixels than the game decodes is taken at its
    // word: refused before decoding, named, and dropped. A baseline JPEG
    // decodes scaled as it is read and may claim far more than the rest.
    void aPictureClaimingTooManyPixelsIsRefusedUndecoded_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<bool>("refused");
        const auto whole = int(ClGameInterface::kMostPixelsDecodedWhole / 2000);
        const auto scaled = int(ClGameInterface::kMostPixelsDecodedScaled / 10000);
        QTest::newRow("progressive JPEG one row over") << bomb("jpg-progressive", 2000, whole + 1) << true;
        QTest::newRow("progressive JPEG at the limit") << bomb("jpg-progressive", 2000, whole) << false;
        QTest::newRow("baseline JPEG one row over") << bomb("jpg", 10000, scaled + 1) << true;
        QTest::newRow("baseline JPEG at the limit") << bomb("jpg", 10000, scaled) << false;
        QTest::newRow("PNG bomb named .jpg") << bomb("png", 30000, 30000) << true;
        QTest::newRow("BMP bomb") << bomb("bmp", 30000, 30000) << true;
        QTest::newRow("BMP at the limit") << bomb("bmp", 2000, whole) << false;
    }
    void aPictureClaimingTooManyPixelsIsRefusedUndecoded()
    {
        QFETCH(QByteArray, picture);
        QFETCH(bool, refused);
        ProgramFolder folder;
        QDir(folder.path()).mkpath("Picture");
        const bool bitmap = picture.startsWith("BM");
        fixtures::put(folder.path(bitmap ? "Picture/bomb.bmp" : "Picture/bomb.jpg").toStdString(),
                      picture.toStdString());
        Game game(folder);
        game.loadBackground(game.pictureFiles.value(0));
        // Refused by the game's limit, or by the decoder's own check first.
        QCOMPARE(game.reports.size(), refused ? 1 : 0);
        QCOMPARE(game.pictureFiles.isEmpty(), refused);
    }

    void aHugePictureIsDecodedAtTheBackgroundSize()
    {
        // 5000 x 5000 pixels; written from a one-bit image, so the test
        // itself never holds the full-size picture either.
        ProgramFolder folder;
        QDir(folder.path()).mkpath("Picture");
        QImage huge(5000, 5000, QImage::Format_Mono);
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
