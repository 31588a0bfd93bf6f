#include "app/Helpwindow.h"

#include <QTextBrowser>

#include "app/Dialogstyle.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

namespace {
// As large as the game's window, so the help covers the game it explains.
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kMargin = 8;
// The help's own background, so the page and its frame are one.
const QColor kPageBackground(0x23, 0x1d, 0x1a);
} // namespace

THelpWindow::THelpWindow(const QUrl& firstPage, QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, tr("Wallwright Help"), kWidth, kHeight);
    page = new QTextBrowser(this);
    page->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - kButtonHeight - 3 * kMargin);
    page->setFrameShape(QFrame::NoFrame);
    QPalette colours = page->palette();
    colours.setColor(QPalette::Base, kPageBackground);
    colours.setColor(QPalette::Text, Qt::white);
    page->setPalette(colours);
    page->setSource(firstPage);

    const int buttonTop = kHeight - kButtonHeight - kMargin;
    back = new TImgBtn(this, bitmapScale(this));
    back->loadFaces("prev");
    back->setGeometry(kMargin, buttonTop, kButtonWidth, kButtonHeight);
    connect(back, &TImgBtn::OnClick, page, &QTextBrowser::backward);
    closeButton = addResultButton(*this, "close", kWidth - kButtonWidth - kMargin, buttonTop, mrOk);
    page->setFocus();
}
