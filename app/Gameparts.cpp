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
    // its own that is never shown and needs none. The window carries the
    // sizes a title bar or task switcher draws: every size it carries is sent
    // to the window system, and read by the window manager, before the
    // window first shows, and a 256-pixel one alone would be three quarters
    // of that. Menus and docks take the larger icons from the icon theme.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
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
