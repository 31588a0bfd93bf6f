#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "Mouse.h"
#include "view/Imgbtn.h"

class ImgbtnTest : public QObject {
    Q_OBJECT
private:
    QWidget window;
    TImgBtn* button = nullptr;
    // Which of the three pictures is shown: each is a plain colour.
    QRgb shown() const { return button->shownPicture().pixel(10, 10); }
    void enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &event);
    }
    static QImage face(QRgb colour)
    {
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

private slots:
    void init()
    {
        delete button;
        button = new TImgBtn(&window);
        button->setGeometry(0, 0, 80, 60);
        window.resize(200, 100);
        button->SetPicDown(face(qRgb(0, 0, 200)));
        button->SetPicUp(face(qRgb(0, 200, 0)));
        button->SetPic(face(qRgb(200, 0, 0)));
    }

    // Up under the mouse, down while pressed (also when the click is heard),
    // plain when it leaves; dragging out cancels and coming back presses again.
    void picturesFollowTheMouseAndOnlyAReleaseOnTheButtonClicks()
    {
        QSignalSpy clicks(button, &TImgBtn::OnClick);
        QRgb seenAtClick = 0;
        connect(button, &TImgBtn::OnClick, this, [&] { seenAtClick = shown(); });
        enter();
        QCOMPARE(shown(), button->PicUp().pixel(10, 10));
        Mouse mouse(&window);
        mouse.click({40, 30});
        QCOMPARE(seenAtClick, button->PicDown().pixel(10, 10));
        QCOMPARE(shown(), button->PicUp().pixel(10, 10));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(shown(), button->Pic().pixel(10, 10));

        enter();
        mouse.press({40, 30});
        for (const QPoint at : {QPoint(150, 30), QPoint(40, 30), QPoint(150, 30)}) {
            mouse.move(at);
            QCOMPARE(shown(), at.x() < 80 ? button->PicDown().pixel(10, 10) : button->Pic().pixel(10, 10));
        }
        mouse.release({150, 30});
        QCOMPARE(shown(), button->Pic().pixel(10, 10));
        QCOMPARE(clicks.count(), 1);
    }

    // Black is see-through, so the picture behind the button shows.
    void blackIsSeeThrough()
    {
        button->SetPic(face(qRgb(0, 0, 0)));
        QCOMPARE(qAlpha(button->Pic().pixel(1, 1)), 0);
    }
};

QTEST_MAIN(ImgbtnTest)
#include "ImgbtnTest.moc"
