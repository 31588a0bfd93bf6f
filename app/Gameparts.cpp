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
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/wallwright-%1.png").arg(size), QSize(size, size)); // read when needed
    QApplication::setWindowIcon(icon);
}

GameParts::GameParts(const QByteArray& programFolder)
    : form(programFolder)
    , view(form, *form.gameInterface)
{
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
