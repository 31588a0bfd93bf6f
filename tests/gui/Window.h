#pragma once
// The real main window on a throw-away program folder whose only picture is
// plain blue, with the dialogs and the error box answered by the test.
#include <memory>

#include "Mouse.h"
#include "Programfolder.h"
#include "app/Mainform.h"
#include "view/Gameboardframe.h"
#include "view/Imgbtn.h"

struct Window {
    explicit Window(ProgramFolder& folder)
        : folder(folder)
    {
        folder.addPicture("blue.bmp", QColor(0, 0, 255));
    }
    // Builds and shows the window; the first showing loads the group.
    TFormMain& open()
    {
        form = std::make_unique<TFormMain>(folder.bytes());
        form->reportProblem = [this](const QString& message) { problems << message; };
        form->show();
        return *form;
    }
    void close() { form.reset(); }
    TFrameGameBoard& board() const { return *form->FrameGameBoard1; }
    ClGameControl& game() const { return *form->gameInterface->gameControl; }
    QImage screen() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb wallPixel(int x, int y) const { return board().imgBack->picture.pixel(x, y) & 0xffffff; }

    ProgramFolder& folder;
    std::unique_ptr<TFormMain> form;
    QStringList problems;
};

inline QRgb rgb(QRgb pixel)
{
    return pixel & 0xffffff;
}

// A pixel of a brick image as the shaded wall draws it.
inline QRgb shaded(QRgb pixel)
{
    return qRgb(qRed(pixel) * 60 / 100, qGreen(pixel) * 60 / 100, qBlue(pixel) * 60 / 100) & 0xffffff;
}
