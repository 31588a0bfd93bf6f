// Figures for the board's hot paths: one mouse move during a drag, one
// release with snap and completion test, one frame of the solve fade.
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    const ClPoint anchor = game.puzzle.pieces[0].cells()[0];
    const QPoint grab(anchor.x * 8 + 4, anchor.y * 5 + 2);
    send(field, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    const double move = microsecondsPer(20000, [&] {
        const QPoint at = grab + QPoint((step % 40) - 20, (step / 40 % 20) - 10);
        ++step;
        send(field, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // the repaint of what the piece left and entered
    });
    send(field, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);

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
    std::printf("(a frame at 60 Hz lasts 16667 microseconds)\n");
    return 0;
}
