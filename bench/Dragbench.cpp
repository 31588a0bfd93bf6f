// Figures for the board's hot paths: one mouse move during a drag, one
// release with snap and completion test, one frame of the solve fade; then
// the drag again in the game's window at full screen on a 3840 x 2160
// screen, and the memory a hundred resizes of that window leave behind.
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "app/Gameparts.h"
#include "app/Mainform.h"
#include "view/Gameboardframe.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"

namespace {

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Microseconds per call of work, over enough calls to outlast the clock's grain.
double microsecondsPer(int calls, const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        work();
    return double(clock.nsecsElapsed()) / 1000.0 / calls;
}

// Microseconds per mouse move of a drag of the first piece, each with the
// repaint of what the piece left and entered.
double dragMove(TFormMain& form, int moves)
{
    ClGameControl& game = *form.gameInterface->gameControl;
    QWidget* field = form.FrameGameBoard1->PaintBox1;
    const ClPoint anchor = game.puzzle.pieces[0].cells()[0];
    const QPoint grab(anchor.x * 8 + 4, anchor.y * 5 + 2);
    send(field, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    const double move = microsecondsPer(moves, [&] {
        const QPoint at = grab + QPoint((step % 40) - 20, (step / 40 % 20) - 10);
        ++step;
        send(field, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    });
    send(field, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    return move;
}

// The process's resident and peak resident memory in MiB, from /proc.
std::pair<double, double> residentMiB()
{
    std::ifstream status("/proc/self/status");
    double resident = 0, peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            resident = std::stod(line.substr(6)) / 1024;
        if (line.rfind("VmHWM:", 0) == 0)
            peak = std::stod(line.substr(6)) / 1024;
    }
    return {resident, peak};
}

} // namespace

int main(int argc, char** argv)
{
    // One screen of 3840 x 2160 pixels for the full-screen figures.
    QTemporaryDir screens;
    const QString screen = screens.filePath("screen.json");
    {
        QFile file(screen);
        file.open(QIODevice::WriteOnly);
        file.write(R"({"screens": [{"name": "UHD", "x": 0, "y": 0, "width": 3840, "height": 2160, "dpr": 1}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen));
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile::copy(QString(PUZZLE_DIR "/Brick2.gam"), folder.filePath("Brick0.gam"));
    QDir(folder.path()).mkpath("Picture");
    QFile::copy(QString(PICTURE_DIR "/sunset.jpg"), folder.filePath("Picture/sunset.jpg"));

    TFormMain form(QFile::encodeName(folder.path()));
    form.show();
    form.playGameExecute();
    TFrameGameBoard& board = *form.FrameGameBoard1;
    board.fadeMilliseconds = 0;
    ClGameControl& game = *form.gameInterface->gameControl;
    QWidget* field = board.PaintBox1;

    // Hold the first piece by its first brick and shake it around.
    const double move = dragMove(form, 20000);
    const ClPoint anchor = game.puzzle.pieces[0].cells()[0];
    const QPoint grab(anchor.x * 8 + 4, anchor.y * 5 + 2);

    const double release = microsecondsPer(5000, [&] {
        send(field, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        send(field, QEvent::MouseButtonRelease, grab + QPoint(3, 2), Qt::LeftButton, Qt::NoButton);
    });

    QImage first = board.imgBack->picture.copy();
    QImage target = first.copy();
    const QRect area(0, 60, 640, 420);
    int weight = 0;
    const double fade = microsecondsPer(500, [&] {
        CrossFade(first, area, form.gameInterface->background, area, target, area, weight);
        weight = (weight + 4) % 104;
    });

    std::printf("| what (Solid Wall, Two Sets, puzzle 1)        | microseconds per event |\n");
    std::printf("|-----------------------------------------------|-----------------------:|\n");
    std::printf("| mouse move while dragging, with its repaint    | %22.1f |\n", move);
    std::printf("| press and release with snap and completion test| %22.1f |\n", release);
    std::printf("| one cross-fade frame of 640 x 420 pixels       | %22.1f |\n", fade);
    std::printf("(a frame at 60 Hz lasts 16667 microseconds)\n\n");

    // The game's window at full screen: the board drawn at the screen's scale.
    GameParts parts(QFile::encodeName(folder.path()));
    parts.view.show();
    parts.view.toggleFullScreen();
    QApplication::processEvents();
    parts.form.playGameExecute();
    const double fullScreenMove = dragMove(parts.form, 2000);
    const auto resizeAHundredTimes = [&] {
        for (int i = 0; i < 100; ++i) {
            parts.view.toggleFullScreen();
            QApplication::processEvents();
            parts.view.toggleFullScreen();
            QApplication::processEvents();
        }
        return residentMiB();
    };
    const auto [before, peakBefore] = residentMiB();
    const auto [after, peakAfter] = resizeAHundredTimes();
    // A second hundred shows whether the first only filled the caches.
    const auto [again, peakAgain] = resizeAHundredTimes();
    std::printf("| full screen on 3840 x 2160 (board art at %dx)   | microseconds per event |\n",
                parts.form.FrameGameBoard1->pixelScale);
    std::printf("|-----------------------------------------------|-----------------------:|\n");
    std::printf("| mouse move while dragging, with its repaint    | %22.1f |\n", fullScreenMove);
    std::printf("(goal: under 8000)\n\n");
    std::printf("| 100 times out of full screen and back | resident MiB | peak MiB |\n");
    std::printf("|---------------------------------------|-------------:|---------:|\n");
    std::printf("| before                                | %12.1f | %8.1f |\n", before, peakBefore);
    std::printf("| after a hundred                       | %12.1f | %8.1f |\n", after, peakAfter);
    std::printf("| after another hundred                 | %12.1f | %8.1f |\n", again, peakAgain);
    return 0;
}
