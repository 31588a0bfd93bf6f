#include <QPainter>

#include "Window.h"

class BoardTest : public QObject {
    Q_OBJECT
private:
    QRgb brick(int style, int x, int y) const
    {
        return rgb(QImage(QString(":/bricks/brick%1.png").arg(style, 2, 10, QChar('0'))).pixel(x, y));
    }

private slots:
    void shadedWallSurroundsTheGapInRunningBond()
    {
        Window window;
        window.open().playGameExecute();
        // Puzzle 0's gap: bricks at file places (2,2) (4,2) (6,2) (8,2) (10,2) (9,3).
        const auto place = [](int fx, int fy) { return QPoint(fx * 32 + 10, 80 + fy * 20 + 10); };
        const QRgb blue = qRgb(0, 0, 255) & 0xffffff;
        for (const QPoint gap : {place(2, 2), place(10, 2), place(9, 3)})
            QCOMPARE(window.wallPixel(gap.x(), gap.y()), blue);
        for (const QPoint wall : {place(0, 2), place(12, 2), place(7, 3), place(11, 3), place(0, 0)})
            QCOMPARE(window.wallPixel(wall.x(), wall.y()), shaded(brick(0, 10, 10)));
        // Odd rows start with half a brick hanging over the left border, even
        // rows with a whole brick, all the way down; above the first row the
        // caption keeps the picture.
        for (int row = 0; row < 20; ++row)
            QCOMPARE(window.wallPixel(3, 80 + 20 * row + 10), shaded(brick(0, row % 2 ? 11 : 3, 10)));
        QCOMPARE(window.wallPixel(3, 70), blue);
        // The button row keeps the picture.
        QCOMPARE(window.wallPixel(630, 40), blue);
        // A brick style the game does not have draws the first.
        TFormMain& form = *window.form;
        for (const int style : {3, 42}) {
            form.gameInterface->settings.brickStyle = style;
            form.FrameGameBoard1->ShowPuzzle();
            QCOMPARE(window.wallPixel(10, 80 + 40 + 10), shaded(brick(style == 3 ? 3 : 0, 10, 10)));
        }
    }

    // The level picture shows the finished wall's pieces on the picture (no
    // shaded wall, as PlaythroughTest checks), under a caption that names
    // puzzle N level N + 1, beside a star that points up once it is solved.
    void levelPictureShowsThePiecesUnderACaptionInYellow()
    {
        Window window;
        QFile::remove(window.folder.path("Picture/blue.bmp")); // no picture: black behind
        TFormMain& form = window.open();
        const QImage screen = window.screen(); // the bar at file place (2,2), the rest picture
        QCOMPARE(rgb(screen.pixel(64 + 10, 80 + 40 + 10)), brick(0, 10, 10));
        QCOMPARE(rgb(window.backdrop().pixel(630, 470)), 0u);
        const auto inkOf = [](const QImage& picture, QRgb colour) {
            return pixelsOf(picture, colour, {0, 0, 200, kFieldTop + 10});
        };
        QImage drawn = window.backdrop();
        // Its text starts at (10, 60), just below the button row: the ink
        // begins within a few pixels of there and nowhere above or left of it.
        const QRect ink = QPolygon(inkOf(drawn, qRgb(255, 255, 0))).boundingRect();
        QVERIFY2(ink.top() >= 60 && ink.top() <= 66 && ink.left() >= 10 && ink.left() <= 12 && ink.width() > 20,
                 qPrintable(QString("ink from (%1, %2)").arg(ink.left()).arg(ink.top())));
        for (const std::int32_t index : {0, 2}) {
            form.gameInterface->selectPuzzle(index);
            window.board().ShowLevelPicture();
            drawn = window.backdrop();
            QImage expected(drawn.size(), QImage::Format_RGB32);
            expected.fill(Qt::black);
            QPainter painter(&expected);
            QFont font = painter.font();
            font.setPixelSize(16);
            painter.setFont(font);
            painter.setPen(Qt::yellow);
            painter.drawText(QRect(10, 60, 400, kCaptionHeight), Qt::AlignLeft | Qt::AlignTop,
                             QString("Level: %1").arg(index + 1));
            painter.end();
            QCOMPARE(inkOf(drawn, qRgb(255, 255, 0)), inkOf(expected, qRgb(255, 255, 0)));
        }
        form.gameInterface->progress.record(window.game().gameData->puzzles[2], false);
        window.board().ShowLevelPicture();
        const QList<QPoint> gold = inkOf(window.backdrop(), kGold);
        const QRect star = QPolygon(gold).boundingRect();
        QVERIFY(star.width() > 8);
        const auto goldNearTheMiddleOfRow = [&](int y) {
            return std::any_of(gold.begin(), gold.end(),
                               [&](QPoint p) { return p.y() == y && std::abs(p.x() - star.center().x()) <= 1; });
        };
        QVERIFY(goldNearTheMiddleOfRow(star.top()) && !goldNearTheMiddleOfRow(star.bottom()));
    }

    // Every picture the game ships loads, and the caption and the star show on it.
    void everyShippedPictureShowsTheCaptionAndTheStar()
    {
        Window window;
        ClGameInterface& game = *window.open().gameInterface;
        const QRect strip(0, kCaptionTop - 4, kWindowWidth, kCaptionHeight + 8);
        const QFileInfoList pictures = QDir(PICTURE_DIR).entryInfoList({"*.jpg", "*.bmp"}, QDir::Files);
        QVERIFY(pictures.size() >= 6);
        game.progress.record(window.game().gameData->puzzles[0], false); // the gold star, filled
        for (const QFileInfo& picture : pictures) {
            game.loadBackground(QFile::encodeName(picture.filePath()));
            window.board().ShowLevelPicture();
            const QImage drawn = window.backdrop();
            QVERIFY2(pixelsOf(drawn, qRgb(255, 255, 0), strip).size() > 20 && pixelsOf(drawn, kGold, strip).size() > 20,
                     qPrintable(picture.fileName()));
        }
        QVERIFY2(window.problems.isEmpty(), qPrintable(window.problems.join("; ")));
    }

    // Run again with QT_SCALE_FACTOR=2, on a screen of two device pixels to
    // each of the window's: the window is twice as large, and the bricks,
    // shaded or not, come from their twice-as-large drawings.
    void bricksAreDrawnFromTheArtOfTheScreensScale()
    {
        const auto ratio = int(qApp->devicePixelRatio());
        Window window;
        TFormMain& form = window.open();
        const QImage screen = window.screen();
        QCOMPARE(screen.size(), QSize(kWindowWidth, kWindowHeight) * ratio);
        // Puzzle 0's bar lies at file place (2, 2): window pixels (64, 120).
        const QImage art(ratio == 2 ? ":/bricks/brick00@2x.png" : ":/bricks/brick00.png");
        for (const QPoint inBrick : {QPoint(1, 1), QPoint(25, 9), QPoint(62, 18)})
            QCOMPARE(rgb(screen.pixel(QPoint(64, 120) * ratio + inBrick * ratio + QPoint(1, 1))),
                     rgb(art.pixel(inBrick * ratio + QPoint(1, 1))));
        form.playGameExecute();
        QCOMPARE(window.board().imgBack->picture.size(), screen.size());
        QCOMPARE(rgb(window.board().imgBack->picture.pixel(3, kFieldTop * ratio + 3)), shaded(art.pixel(3, 3)));
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
