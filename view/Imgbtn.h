#pragma once
// The game's button: a picture that changes with the mouse. Pic shows while
// the mouse is outside, PicUp while it is over the button, PicDown while the
// left button is held over it. Black is the transparent colour.
#include <QImage>
#include <QWidget>

class TImgBtn : public QWidget {
    Q_OBJECT
public:
    // scale 2 takes the twice-as-large faces, for HiDPI screens.
    explicit TImgBtn(QWidget* owner = nullptr, int scale = 1);

    void SetPic(const QImage& picture); // also becomes the picture shown
    void SetPicDown(const QImage& picture);
    void SetPicUp(const QImage& picture);
    // The three faces ":/buttons/<name>_pic.png", "_up" and "_down"; the
    // last two are read when first needed.
    void loadFaces(const QString& name);
    // Shown at another size: the faces loaded again at the scale.
    void setScale(int scale);

    const QImage& Pic() const { return pic; }
    const QImage& PicDown() const;
    const QImage& PicUp() const;
    const QImage& shownPicture() const { return shown; }

    bool Supported = true;
    bool Stretch = false;

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseLeave();
    void OnMouseDown();
    void OnMouseUp();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void WMMouseEnter();
    void WMMouseLeave();
    void showPicture(const QImage& picture);
    QImage loadFace(const char* suffix) const;
    // A face for the mouse, read into `face` the first time it is asked for.
    const QImage& mouseFace(QImage& face, const char* suffix) const;

    int scale;
    QString faceName; // of the faces loaded, if any
    bool mouseInside = false;
    bool leftDown = false;
    QImage pic;
    mutable QImage picDown;
    mutable QImage picUp;
    QImage shown;
};
