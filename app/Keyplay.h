#pragma once
// Keyboard play on the puzzle in play: the keys choose a piece, carry it,
// turn it, put it down or back, by the mouse's rules and through the same
// moves of the game. The keys' state and rules live here; the board only
// draws the mark of the chosen piece and shows what a move did.
#include <cstddef>
#include <optional>

#include <QKeySequence>
#include <QList>
#include <QObject>

#include "game/Gamecontrol.h"

class ClGameInterface;
class QKeyEvent;
class QWidget;
class TFrameGameBoard;

class TKeyPlay : public QObject {
    Q_OBJECT
public:
    // The keys pressed anywhere in `window`, the game's own window, play on
    // its board: in play they reach the pieces before any shortcut sees them.
    TKeyPlay(QWidget& window, TFrameGameBoard& board, ClGameInterface& game);

    // Choosing steps through the pieces in the file's order (the first
    // choice is the first piece, or the last going back), and puts a piece
    // the keys carry down first.
    void choosePiece(int step);
    // Moves the chosen piece by file units (half a brick across, a row
    // down), inside the field the mouse may reach. The first move picks it
    // up, as a press of the mouse would.
    void moveChosenPiece(int columns, int rows);
    // A right click on its first brick, or one back.
    void turnChosenPiece(TurnWay way);
    // Lets go of it where it lies, snapping as a mouse release would.
    void dropChosenPiece();
    // Back where the keys picked it up.
    void putChosenPieceBack();

    // The chosen piece's place in the puzzle file; none until the first choice.
    std::optional<std::size_t> chosen() const { return chosenPiece; }

    // Every key of keyboard play, as the help must name them.
    static QList<QKeySequence> keys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool playKey(QKeyEvent* key);
    bool inPlay() const;
    // The chosen piece, picked if the keys do not carry it yet.
    ClPiece* liftChosenPiece();
    bool carryingChosenPiece() const;
    // The end of a gesture of the keys.
    void ended(const PlayOutcome& outcome);
    void choose(std::optional<std::size_t> piece);

    QWidget& window;
    TFrameGameBoard& board;
    ClGameInterface& game;
    std::optional<std::size_t> chosenPiece;
    // The keys hold the chosen piece, picked up at this play position.
    bool keysCarry = false;
    ClPoint pickedUpAt;
};
