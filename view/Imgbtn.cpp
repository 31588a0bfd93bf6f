#include "view/Imgbtn.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/Artwords.h"
#include "view/Imagetool.h"

namespace {
// Black pixels become see-through, so the lettering stands on the picture behind.
QImage withTransparentBlack(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(row[x]) == 0 && qGreen(row[x]) == 0 && qBlue(row[x]) == 0)
                row[x] = 0;
    }
    return image;
}
} // namespace

TImgBtn::TImgBtn(QWidget* owner, int scale)
    : QWidget(owner)
    , scale(scale)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TImgBtn::SetPic(const QImage& picture)
{
    pic = withTransparentBlack(picture);
    showPicture(pic);
}

void TImgBtn::SetPicDown(const QImage& picture)
{
    picDown = withTransparentBlack(picture);
}

void TImgBtn::SetPicUp(const QImage& picture)
{
    picUp = withTransparentBlack(picture);
}

void TImgBtn::loadFaces(const QString& name)
{
    faceName = name;
    for (const ButtonWord& button : kButtonWords)
        if (name == QLatin1String(button.face))
            setAccessibleName(QCoreApplication::translate("Art", button.word));
    // The faces for the mouse are read when the mouse first comes: most
    // buttons of a start never see it, and reading them would only delay the
    // first frame.
    picDown = picUp = QImage();
    SetPic(loadFace("_pic"));
}

QImage TImgBtn::loadFace(const char* suffix) const
{
    return loadArt(":/buttons/" + faceName + suffix + ".png", scale);
}

const QImage& TImgBtn::mouseFace(QImage& face, const char* suffix) const
{
    if (face.isNull() && !faceName.isEmpty())
        face = withTransparentBlack(loadFace(suffix));
    return face;
}

const QImage& TImgBtn::PicDown() const
{
    return mouseFace(picDown, "_down");
}

const QImage& TImgBtn::PicUp() const
{
    return mouseFace(picUp, "_up");
}

void TImgBtn::setScale(int newScale)
{
    if (newScale == scale)
        return;
    scale = newScale;
    if (faceName.isEmpty())
        return;
    loadFaces(faceName);
    if (mouseInside)
        showPicture(leftDown ? PicDown() : PicUp());
}

void TImgBtn::showPicture(const QImage& picture)
{
    shown = picture;
    update();
}

void TImgBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (Stretch)
        painter.drawImage(QRectF(rect()), shown, QRectF(shown.rect()));
    else
        painter.drawImage(0, 0, shown);
}

void TImgBtn::WMMouseEnter()
{
    if (!Supported)
        return;
    mouseInside = true;
    showPicture(leftDown ? PicDown() : PicUp());
    emit OnMouseEnter();
}

void TImgBtn::WMMouseLeave()
{
    if (!Supported)
        return;
    mouseInside = false;
    showPicture(pic);
    emit OnMouseLeave();
}

void TImgBtn::enterEvent(QEnterEvent*)
{
    if (!mouseInside)
        WMMouseEnter();
}

void TImgBtn::leaveEvent(QEvent*)
{
    if (mouseInside)
        WMMouseLeave();
}

void TImgBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !Supported)
        return;
    leftDown = true;
    if (mouseInside || rect().contains(event->position().toPoint())) {
        mouseInside = true;
        showPicture(PicDown());
    }
    emit OnMouseDown();
}

// While the button is held the window system keeps the mouse to us and
// delays enter and leave, so the crossings are found here.
void TImgBtn::mouseMoveEvent(QMouseEvent* event)
{
    if (!leftDown)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !mouseInside)
        WMMouseEnter();
    else if (!inside && mouseInside)
        WMMouseLeave();
}

void TImgBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    // The click comes first: a dialog it opens leaves the button pressed-looking
    // until it closes.
    if (inside)
        emit OnClick();
    if (!Supported)
        return;
    leftDown = false;
    if (inside && mouseInside)
        showPicture(PicUp());
    emit OnMouseUp();
}
