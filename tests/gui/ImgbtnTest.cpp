#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "Mouse.h"
#include "view/Imgbtn.h"

namespace {
QImage face(QRgb colour)
{
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void enter(QWidget* widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class ImgbtnTest : public QObject {
    Q_OBJECT
private:
    QWidget window;
    TImgBtn* button = nullptr;
    QRgb shown() const { return button->shownPicture().pixel(10, 10); }

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

    void picturesFollowTheMouseAndTheClickComesBeforePicUp()
    {
        QSignalSpy clicks(button, &TImgBtn::OnClick);
        QRgb seenAtClick = 0;
        connect(button, &TImgBtn::OnClick, this, [&] { seenAtClick = shown(); });
        enter(button);
        QCOMPARE(shown(), button->PicUp().pixel(10, 10));
        Mouse mouse(&window);
        mouse.click({40, 30});
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(seenAtClick, button->PicDown().pixel(10, 10));
        QCOMPARE(shown(), button->PicUp().pixel(10, 10));
        leave(button);
        QCOMPARE(shown(), button->Pic().pixel(10, 10));
    }

    void draggingOutCancelsAndComingBackPressesAgain()
    {
        QSignalSpy clicks(button, &TImgBtn::OnClick);
        enter(button);
        Mouse mouse(&window);
        mouse.press({40, 30});
        QCOMPARE(shown(), button->PicDown().pixel(10, 10));
        mouse.move({150, 30});
        QCOMPARE(shown(), button->Pic().pixel(10, 10));
        mouse.move({40, 30});
        QCOMPARE(shown(), button->PicDown().pixel(10, 10));
        mouse.move({150, 30});
        mouse.release({150, 30});
        QCOMPARE(shown(), button->Pic().pixel(10, 10));
        QCOMPARE(clicks.count(), 0);
    }

    void unsupportedButtonKeepsItsPictureButStillClicks()
    {
        button->Supported = false;
        QSignalSpy clicks(button, &TImgBtn::OnClick);
        QSignalSpy entered(button, &TImgBtn::OnMouseEnter);
        QSignalSpy downs(button, &TImgBtn::OnMouseDown);
        enter(button);
        Mouse(&window).click({40, 30});
        QCOMPARE(shown(), button->Pic().pixel(10, 10));
        QCOMPARE(entered.count(), 0);
        QCOMPARE(downs.count(), 0);
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
