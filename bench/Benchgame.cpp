// The game window exactly as the program builds it, sound and music
// included, on a given program folder, for the start-up and memory figures:
//   benchgame FOLDER [--play]
// With WALLWRIGHT_REPORT_FIRST_FRAME set it says "first frame" once painted.
// --play, after the first frame, drags every piece of the first puzzle
// about, then solves it (fade included) and says "played".
#include <cstdio>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include "Firstframe.h"
#include "app/Gameparts.h"
#include "view/Gameboardframe.h"

namespace {
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
    const auto pixel = [&](const ClPoint& p) { return QPoint(p.x * board.cellWidth() + 1, p.y * board.cellHeight() + 1); };

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
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    const QByteArray folder = argc > 1 ? QByteArray(argv[1]) : defaultProgramFolder();
    const bool play = argc > 2 && QByteArray(argv[2]) == "--play";
    GameParts game(folder);
    TFormMain& form = game.form;
    FirstFrameReport::watch(&form);
    form.show();
    if (play)
        QTimer::singleShot(300, &form, [&form] { playFirstPuzzle(form); });
    return app.exec();
}
