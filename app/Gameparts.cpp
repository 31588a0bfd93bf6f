#include "app/Gameparts.h"

#include <QApplication>
#include <QIcon>

#include "app/Problemreport.h"
#include "app/audio/Audiodevice.h"
#include "view/Gameboardframe.h"

void setUpApplication()
{
    QApplication::setApplicationName("Wallwright");
    // Ties the window to its menu entry and icon: the id of the installed .desktop file.
    QGuiApplication::setDesktopFileName("example.wallwright.wallwright");
}

GameParts::GameParts(const QByteArray& programFolder)
    : form(programFolder)
    , view(form, *form.gameInterface)
{
    // The icon goes to the game's window, and from it to every dialog shown
    // over it; the game's content, drawn inside the window, has a window of
    // its own that is never shown and needs none.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/wallwright-%1.png").arg(size), QSize(size, size));
    view.setWindowIcon(icon);
    QObject::connect(&view, &TScaledWindow::rescaled, &form, &TFormMain::rescaleBitmaps);
    form.FrameGameBoard1->soundPlayer = &soundEffects;
    FormMusic = &music;
    const auto report = [](const QString& problem) { problemReport().add(problem); };
    music.reportProblem = report;
    audiodevice::reportProblemsTo(report);
    form.gameInterface->musicPlayer = PlayMusic;
}

GameParts::~GameParts()
{
    audiodevice::reportProblemsTo(nullptr);
    FormMusic = nullptr;
}
