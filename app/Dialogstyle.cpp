#include "app/Dialogstyle.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPalette>
#include <QRadioButton>

#include "app/Scaledwindow.h"
#include "app/Textfit.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

namespace {
// Return confirms the dialog, as Escape already cancels it.
class ReturnConfirms : public QObject {
public:
    explicit ReturnConfirms(QDialog* dialog)
        : QObject(dialog)
        , dialog(dialog)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        dialog->done(mrOk);
        return true;
    }

private:
    QDialog* dialog;
};
} // namespace

void styleDialog(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(width, height);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    fitTextsWhenShown(dialog);
    showAtGameScale(dialog);
}

TImgBtn* addResultButton(QDialog& dialog, const QString& face, int left, int top, ModalResult result)
{
    auto* button = new TImgBtn(&dialog, bitmapScale(&dialog));
    button->setObjectName(face);
    button->loadFaces(face);
    button->setGeometry(left, top, kButtonWidth, kButtonHeight);
    QObject::connect(button, &TImgBtn::OnClick, &dialog, [&dialog, result] { dialog.done(result); });
    if (result == mrOk)
        dialog.installEventFilter(new ReturnConfirms(&dialog));
    return button;
}

bool confirmed(QDialog& dialog)
{
    return dialog.exec() == mrOk;
}

bool stepRadioButtons(const QKeyEvent& event, const QList<QRadioButton*>& column)
{
    const int key = event.key();
    const int step = key == Qt::Key_Up || key == Qt::Key_Left      ? -1
                     : key == Qt::Key_Down || key == Qt::Key_Right ? 1
                                                                   : 0;
    const auto focused = std::find_if(column.begin(), column.end(), [](QRadioButton* r) { return r->hasFocus(); });
    if (step == 0 || focused == column.end())
        return false;
    const auto next = std::clamp<qsizetype>(focused - column.begin() + step, 0, column.size() - 1);
    column[next]->setFocus(Qt::OtherFocusReason);
    column[next]->setChecked(true);
    return true;
}
