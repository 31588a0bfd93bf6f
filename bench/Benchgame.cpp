// The game window exactly as the program builds it, sound and music
// included, on a given program folder, for the start-up and memory figures:
//   benchgame FOLDER [--play]
// With WALLWRIGHT_REPORT_FIRST_FRAME set it says "first frame" once painted.
// --play, after the first frame, drags every piece of the first puzzle
// about, then solves it (fade included) and says "played".
//
// With WALLWRIGHT_STARTUP_PHASE=NAME it goes through start-up only as far as
// that phase, the game's own parts in the game's order, then says
// "phase MS HWM RSS" and quits: MS the steady clock in milliseconds when the
// phase ended, HWM and RSS the peak and present resident memory in KiB.
// The phases, each including those before it:
//   toolkit   the application object
//   settings  the settings, the record and the media lists, read
//   window    the game's windows made (widgets, buffers, the art at 1x)
//   group     the group's puzzle file loaded as well
//   picture   the first puzzle chosen and its picture drawn (as on showing)
//   frame     the window shown and its first frame painted
//   idle      two seconds after the first frame
//   audio     after the first frame, the audio device opened
//   synth     and the synthesizer and SoundFont loaded for the first tune
//   tune      the game with music on: the first tune playing (MS), and the
//             memory after two seconds of it
//   board2 board3 board4   the picture phase, then the board's art and
//             buffers made again at that scale, as a zoom to it does
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <dlfcn.h>

#include "Firstframe.h"
#include "app/Gameparts.h"
#include "app/audio/Audiodevice.h"
#include "app/audio/Mediaplayer.h"
#include "view/Gameboardframe.h"

namespace {
// Whether a tune plays, asked of the mixer the game loaded for itself: the
// bench links no audio library, so that it starts as the game does.
bool tunePlaying()
{
    void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    const auto playing = mixer ? reinterpret_cast<int (*)()>(dlsym(mixer, "Mix_PlayingMusic")) : nullptr;
    return playing && playing() != 0;
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void playFirstPuzzle(TFormMain& form)
{
    TFrameGameBoard& board = *form.FrameGameBoard1;
    ClGameControl& game = *form.gameInterface->gameControl;
    QWidget* field = board.PaintBox1;
    const auto pixel = [&](const ClPoint& p) {
        return QPoint(p.x * board.cellWidth() + 1, p.y * board.cellHeight() + 1);
    };

    form.playGameExecute();
    for (std::size_t i = 0; i < game.puzzle.pieces.size(); ++i) {
        const QPoint grab = pixel(game.puzzle.pieces[i].cells().at(0));
        send(field, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        for (int step = 0; step < 40; ++step) {
            send(field, QEvent::MouseMove, grab + QPoint(step * 3, step * 2), Qt::NoButton, Qt::LeftButton);
            QApplication::processEvents();
        }
        send(field, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }

    // Every piece to its place in the wall, then one last drop in place.
    form.playGameExecute();
    const auto& solved = game.gameData->puzzles[std::size_t(game.puzzleIndex)].pieces;
    for (std::size_t i = 0; i < solved.size() && i < game.puzzle.pieces.size(); ++i) {
        ClPiece* piece = &game.puzzle.pieces[i];
        game.selectedPiece = piece;
        game.rotatePiece(piece, solved[i].angle - piece->angle);
        if ((solved[i].flipped != 0) != (piece->flipped != 0))
            game.flipPiece(piece);
        game.movePiece(piece, solved[i].x * kBrickScale, solved[i].y * kBrickScale);
    }
    game.selectedPiece = nullptr;
    const QPoint last = pixel(game.puzzle.pieces.at(0).cells().at(0));
    send(field, QEvent::MouseButtonPress, last, Qt::LeftButton, Qt::LeftButton);
    send(field, QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
    std::puts(field->isEnabled() ? "played, not solved" : "played");
    std::fflush(stdout);
}
// The line that ends a phase run; the program quits after it.
void reportPhase(std::chrono::steady_clock::time_point ended)
{
    long long peak = 0, resident = 0;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            peak = std::stoll(line.substr(6));
        if (line.rfind("VmRSS:", 0) == 0)
            resident = std::stoll(line.substr(6));
    }
    const auto ms = std::chrono::duration<double, std::milli>(ended.time_since_epoch()).count();
    std::printf("phase %.3f %lld %lld\n", ms, peak, resident);
    std::fflush(stdout);
    std::_Exit(0); // the figures are taken: no teardown to wait for
}

void reportPhaseNow()
{
    reportPhase(std::chrono::steady_clock::now());
}

// Calls `then` from the event loop once the window's first frame is on
// screen, as FirstFrameReport tells it.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget* window, std::function<void()> then)
        : QObject(window)
        , then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, then);
        }
        return false;
    }

private:
    std::function<void()> then;
};

int runPhases(const QByteArray& folder, const QByteArray& last)
{
    if (last == "toolkit")
        reportPhaseNow();
    if (last == "settings") {
        ClGameInterface settingsAndRecord(folder);
        reportPhaseNow();
    }
    GameParts game(folder);
    TFormMain& form = game.form;
    ClGameInterface& parts = *form.gameInterface;
    if (last == "window")
        reportPhaseNow();
    if (last == "group") {
        ClGameData& data = *parts.gameControl->gameData;
        data.load(parts.groupFilePath(form.currentGroup).toStdString());
        data.rescaleToPlayUnits();
        reportPhaseNow();
    }
    if (last == "picture" || last.startsWith("board")) {
        form.FormActivate();
        if (last.startsWith("board"))
            form.FrameGameBoard1->setBitmapScale(last.mid(5).toInt());
        reportPhaseNow();
    }
    // The rest runs from the event loop, after the first frame.
    std::unique_ptr<TMediaPlayer> player;
    new AfterFirstFrame(&form, [&] {
        const auto framed = std::chrono::steady_clock::now();
        if (last == "frame")
            reportPhase(framed);
        if (last == "idle" || last == "tune") {
            auto* poll = new QTimer(&form);
            QObject::connect(poll, &QTimer::timeout, [poll, &last] {
                if (last == "tune" && !tunePlaying())
                    return;
                poll->stop();
                const auto started = std::chrono::steady_clock::now();
                QTimer::singleShot(2000, [started] { reportPhase(started); });
            });
            poll->start(5);
            return;
        }
        audiodevice::ready();
        if (last == "audio")
            reportPhaseNow();
        player = std::make_unique<TMediaPlayer>();
        player->setFileName(parts.musicFiles.value(0));
        player->Open();
        reportPhaseNow();
    });
    form.show();
    return QApplication::exec();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    const QByteArray folder = argc > 1 ? QByteArray(argv[1]) : defaultProgramFolder();
    const bool play = argc > 2 && QByteArray(argv[2]) == "--play";
    if (const QByteArray phase = qgetenv("WALLWRIGHT_STARTUP_PHASE"); !phase.isEmpty())
        return runPhases(folder, phase);
    GameParts game(folder);
    TFormMain& form = game.form;
    FirstFrameReport::watch(&form);
    form.show();
    if (play)
        QTimer::singleShot(300, &form, [&form] { playFirstPuzzle(form); });
    return app.exec();
}
