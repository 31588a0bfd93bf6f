#include <QTest>

#include "Window.h"

// Run with QT_SCALE_FACTOR=2: a screen with two device pixels to each of the
// window's pixels, where the art must come from its twice-as-large drawings.
class HidpiTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsTwiceAsLargeAndBricksAreDrawnFromTheLargeArt()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        Window window;
        TFormMain& form = window.open();
        const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen.size(), QSize(1280, 960));

        // Puzzle 0's bar lies at file place (2, 2): window pixels (64, 120).
        const QImage large(":/bricks/brick00@2x.png");
        for (const QPoint inBrick : {QPoint(3, 3), QPoint(50, 20), QPoint(125, 37)})
            QCOMPARE(rgb(screen.pixel(QPoint(128, 240) + inBrick)), rgb(large.pixel(inBrick)));

        // The shaded wall and the fade work on the large bitmaps too.
        form.playGameExecute();
        QCOMPARE(window.board().imgBack->picture.size(), QSize(1280, 960));
        const QRgb shadedCorner = rgb(window.board().imgBack->picture.pixel(3, 163));
        QCOMPARE(shadedCorner, shaded(large.pixel(3, 3)));
    }
};

QTEST_MAIN(HidpiTest)
#include "HidpiTest.moc"
