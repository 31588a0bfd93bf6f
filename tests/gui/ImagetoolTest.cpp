#include <QTest>

#include "view/Imagetool.h"

class ImagetoolTest : public QObject {
    Q_OBJECT
private slots:
    // The board's two uses: the wall shaded to 60 % and the fade's blend,
    // each changing only what lies in its rectangle, even where that reaches
    // off the bitmap. The fade's weights are proven frame by frame by the solve.
    void shadeAndBlendStayInsideTheirRectangles()
    {
        QImage bitmap(10, 10, QImage::Format_RGB32);
        bitmap.fill(qRgb(255, 1, 100));
        ChangeBrightness(bitmap, 60, QRect(-5, 0, 10, 100), true);
        QCOMPARE(bitmap.pixel(4, 9), qRgb(153, 0, 60));
        QCOMPARE(bitmap.pixel(5, 0), qRgb(255, 1, 100));

        QImage white(10, 10, QImage::Format_RGB32);
        white.fill(qRgb(255, 255, 255));
        QImage black(20, 20, QImage::Format_RGB32);
        black.fill(qRgb(0, 0, 0));
        CrossFade(white, white.rect(), black, black.rect(), bitmap, QRect(8, 8, 10, 10), 100);
        QCOMPARE(qRed(bitmap.pixel(9, 9)), 0);
        QCOMPARE(bitmap.pixel(7, 7), qRgb(255, 1, 100));
    }
};

QTEST_MAIN(ImagetoolTest)
#include "ImagetoolTest.moc"
