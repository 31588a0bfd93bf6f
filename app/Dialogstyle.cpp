#include "Dialogstyle.h"

#include <QPalette>

#include "view/Imagetool.h"
#include "view/Imgbtn.h"

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
}

TImgBtn* addResultButton(QDialog& dialog, const QString& face, int left, int top, ModalResult result)
{
    auto* button = new TImgBtn(&dialog, bitmapScale(&dialog));
    button->setObjectName(face);
    button->loadFaces(face);
    button->setGeometry(left, top, 80, 60);
    QObject::connect(button, &TImgBtn::OnClick, &dialog, [&dialog, result] { dialog.done(result); });
    return button;
}

bool confirmed(QDialog& dialog)
{
    return dialog.exec() == mrOk;
}
