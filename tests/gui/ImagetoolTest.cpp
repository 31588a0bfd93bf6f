#include <QTest>

#include "view/Imagetool.h"

class ImagetoolTest : public QObject {
    Q_OBJECT
private slots:
    void brightnessClampsEachChannelAndKeepsTheFourthByte()
    {
        QImage bitmap(4, 2, QImage::Format_RGB32);
        bitmap.fill(qRgb(255, 1, 100));
        bitmap.scanLine(0)[3] = 0x42;
        ChangeBrightness(bitmap, 60, bitmap.rect(), true);
        QCOMPARE(bitmap.pixel(0, 0) & 0xffffff, qRgb(153, 0, 60) & 0xffffff);
        QCOMPARE(bitmap.constScanLine(0)[3], uchar(0x42));

        ChangeBrightness(bitmap, 300, QRect(0, 0, 1, 1), false);
        QCOMPARE(bitmap.pixel(0, 0) & 0xffffff, qRgb(255, 255, 255) & 0xffffff);

        // A rectangle reaching off the bitmap changes only what lies on it.
        ChangeBrightness(bitmap, 0, QRect(-5, 1, 100, 100), true);
        QCOMPARE(bitmap.pixel(3, 1) & 0xffffff, 0u);
        QCOMPARE(bitmap.pixel(2, 0) & 0xffffff, qRgb(153, 0, 60) & 0xffffff);
    }

    // The weights are proven frame by frame by the solve's fade; here only
    // the rectangles.
    void crossFadeStaysInsideTheTargetRectangle()
    {
        QImage white(10, 10, QImage::Format_RGB32);
        white.fill(qRgb(255, 255, 255));
        QImage black(20, 20, QImage::Format_RGB32);
        black.fill(qRgb(0, 0, 0));
        QImage target(10, 10, QImage::Format_RGB32);
        target.fill(qRgb(1, 2, 3));
        const QRect area(2, 2, 5, 5);
        CrossFade(white, area, black, QRect(0, 0, 20, 20), target, area, 50);
        QCOMPARE(target.pixel(6, 6) & 0xffffff, qRgb(127, 127, 127) & 0xffffff);
        QCOMPARE(target.pixel(7, 7) & 0xffffff, qRgb(1, 2, 3) & 0xffffff);
        // A target rectangle hanging off the bitmap is clipped, not a crash.
        CrossFade(white, white.rect(), black, black.rect(), target, QRect(8, 8, 10, 10), 100);
        QCOMPARE(qRed(target.pixel(9, 9)), 0);
    }
};

QTEST_MAIN(ImagetoolTest)
#include "ImagetoolTest.moc"
