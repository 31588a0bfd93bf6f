#include <QApplication>
#include <QIcon>

#include "Mainform.h"
#include "Musicform.h"
#include "bench/Firstframe.h"
#include "view/Gameboardframe.h"
#include "view/Sdlsoundplayer.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wallwright");
    // Ties the window to its menu entry and icon: the id of the installed .desktop file.
    QGuiApplication::setDesktopFileName("example.wallwright.wallwright");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/wallwright-%1.png").arg(size), QSize(size, size)); // read when needed
    QApplication::setWindowIcon(icon);

    ClSdlSoundPlayer soundEffects; // outlives the board that plays it
    TFormMain form;
    form.FrameGameBoard1->soundPlayer = &soundEffects;
    // The hidden music window: made after the main window, gone before it.
    TFormMusic music;
    FormMusic = &music;
    form.gameInterface->musicPlayer = PlayMusic;
    FirstFrameReport::watch(&form); // for `make bench` only
    form.show();
    return app.exec();
}
