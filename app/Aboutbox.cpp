#include "app/Aboutbox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QUrl>

#include "app/Dialogstyle.h"
#include "view/Artwords.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"

namespace {
QLabel* linkLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setStyleSheet("color: yellow; text-decoration: underline; font-size: 13px; background: transparent;");
    label->setCursor(Qt::PointingHandCursor);
    label->resize(std::max(geometry.width(), label->sizeHint().width()), geometry.height());
    return label;
}

// Clicks on a label reach the given action.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent)
        , action(std::move(action))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            action();
        return false;
    }

private:
    std::function<void()> action;
};
} // namespace

TFormAboutBox::TFormAboutBox(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, tr("About Wallwright"), 388, 305);
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 388, 241);
    Image1->setPixmap(QPixmap::fromImage(loadArt(":/about.png", bitmapScale(this))));
    Image1->setAccessibleName(QCoreApplication::translate("Art", kAboutPictureWords));
    auto* caption = new QLabel(tr("Wallwright 1.0  -  a brick wall puzzle"), this);
    caption->setGeometry(96, 8, 288, 21);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setStyleSheet("color: aqua; background: transparent;");
    Comments = linkLabel(this, QUrl(kWebAddress).host(), QRect(4, 200, 167, 16));
    lblMail = linkLabel(this, tr("Email: %1").arg(kSupportAddress), QRect(4, 220, 199, 16));
    Comments->installEventFilter(new ClickFilter(this, [this] { CommentsClick(); }));
    lblMail->installEventFilter(new ClickFilter(this, [this] { lblMailClick(); }));
    ImgBtn1 = addResultButton(*this, "close", 304, 244, mrOk);
    ImgBtn1->Stretch = true;
}

void TFormAboutBox::CommentsClick()
{
    QDesktopServices::openUrl(QUrl(kWebAddress));
}

void TFormAboutBox::lblMailClick()
{
    QDesktopServices::openUrl(QUrl(QString("mailto:") + kSupportAddress));
}
