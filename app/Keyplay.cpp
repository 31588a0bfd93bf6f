#include "app/Keyplay.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/Scaledwindow.h"
#include "game/Gameinterface.h"
#include "view/Gameboardframe.h"

namespace {
// File units (half bricks) across one whole brick.
constexpr int kBrickColumns = 2;

// The keys of keyboard play and what each does.
const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    void (*play)(TKeyPlay& keys);
} kPlayKeys[] = {
    {Qt::Key_Tab, Qt::NoModifier, [](TKeyPlay& k) { k.choosePiece(+1); }},
    // Shift+Tab, which the window system sends as Backtab.
    {Qt::Key_Backtab, Qt::ShiftModifier, [](TKeyPlay& k) { k.choosePiece(-1); }},
    {Qt::Key_Tab, Qt::ShiftModifier, [](TKeyPlay& k) { k.choosePiece(-1); }},
    {Qt::Key_Left, Qt::NoModifier, [](TKeyPlay& k) { k.moveChosenPiece(-1, 0); }},
    {Qt::Key_Right, Qt::NoModifier, [](TKeyPlay& k) { k.moveChosenPiece(+1, 0); }},
    {Qt::Key_Up, Qt::NoModifier, [](TKeyPlay& k) { k.moveChosenPiece(0, -1); }},
    {Qt::Key_Down, Qt::NoModifier, [](TKeyPlay& k) { k.moveChosenPiece(0, +1); }},
    // With Shift a whole brick across: two half-brick file units. A row is one already.
    {Qt::Key_Left, Qt::ShiftModifier, [](TKeyPlay& k) { k.moveChosenPiece(-kBrickColumns, 0); }},
    {Qt::Key_Right, Qt::ShiftModifier, [](TKeyPlay& k) { k.moveChosenPiece(+kBrickColumns, 0); }},
    {Qt::Key_Up, Qt::ShiftModifier, [](TKeyPlay& k) { k.moveChosenPiece(0, -1); }},
    {Qt::Key_Down, Qt::ShiftModifier, [](TKeyPlay& k) { k.moveChosenPiece(0, +1); }},
    {Qt::Key_Space, Qt::NoModifier, [](TKeyPlay& k) { k.turnChosenPiece(TurnWay::On); }},
    {Qt::Key_Space, Qt::ShiftModifier, [](TKeyPlay& k) { k.turnChosenPiece(TurnWay::Back); }},
    {Qt::Key_Return, Qt::NoModifier, [](TKeyPlay& k) { k.dropChosenPiece(); }},
    {Qt::Key_Enter, Qt::NoModifier, [](TKeyPlay& k) { k.dropChosenPiece(); }},
    {Qt::Key_Escape, Qt::NoModifier, [](TKeyPlay& k) { k.putChosenPieceBack(); }},
};
} // namespace

TKeyPlay::TKeyPlay(QWidget& window, TFrameGameBoard& board, ClGameInterface& game)
    : QObject(&window)
    , window(window)
    , board(board)
    , game(game)
{
    // The level picture ends play: the next play chooses afresh.
    connect(&board, &TFrameGameBoard::levelPictureShown, this, [this] {
        keysCarry = false;
        choose(std::nullopt);
    });
    QCoreApplication::instance()->installEventFilter(this);
}

QList<QKeySequence> TKeyPlay::keys()
{
    QList<QKeySequence> keys;
    for (const auto& playKey : kPlayKeys)
        keys << QKeySequence(playKey.modifiers | playKey.key);
    return keys;
}

bool TKeyPlay::eventFilter(QObject* watched, QEvent* event)
{
    // The one way a key reaches the board: pressed in the game's own window,
    // however it is shown, and never in a dialog over it.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && watched->isWidgetType()
        && shownWidget(static_cast<QWidget*>(watched)->window()) == &window)
        return playKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool TKeyPlay::playKey(QKeyEvent* key)
{
    if (!inPlay())
        return false;
    // The keypad's arrows and Enter play as the others do.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    for (const auto& playKey : kPlayKeys)
        if (key->key() == playKey.key && modifiers == playKey.modifiers) {
            if (key->type() == QEvent::KeyPress)
                playKey.play(*this);
            key->accept();
            return true;
        }
    return false;
}

bool TKeyPlay::inPlay() const
{
    return board.PaintBox1->isEnabled();
}

void TKeyPlay::choose(std::optional<std::size_t> piece)
{
    chosenPiece = piece;
    board.ShowChosenPiece(piece);
}

bool TKeyPlay::carryingChosenPiece() const
{
    const ClGameControl& control = *game.gameControl;
    // Anything else that lets go (a hint, undo, a restart, the mouse) ends the carrying.
    return keysCarry && chosenPiece && control.selectedPiece
           && control.selectedPiece == control.pieceInFileOrder(*chosenPiece);
}

ClPiece* TKeyPlay::liftChosenPiece()
{
    if (carryingChosenPiece())
        return game.gameControl->selectedPiece;
    if (!chosenPiece || !inPlay() || board.dragging)
        return nullptr;
    ClPiece* piece = game.gameControl->pickInFileOrder(*chosenPiece);
    keysCarry = piece != nullptr;
    if (piece)
        pickedUpAt = {piece->x, piece->y};
    return piece;
}

void TKeyPlay::ended(const PlayOutcome& outcome)
{
    keysCarry = false;
    board.ShowMove(outcome);
}

void TKeyPlay::choosePiece(int step)
{
    if (!inPlay() || board.dragging || !game.gameControl->isValid())
        return;
    if (carryingChosenPiece()) {
        dropChosenPiece();
        if (!inPlay())
            return; // that drop finished the wall
    }
    const auto count = std::ptrdiff_t(game.gameControl->puzzle.pieces.size());
    if (count == 0)
        return;
    const std::ptrdiff_t from = chosenPiece ? std::ptrdiff_t(*chosenPiece) : (step > 0 ? -1 : 0);
    choose(std::size_t(((from + step) % count + count) % count));
}

void TKeyPlay::moveChosenPiece(int columns, int rows)
{
    const bool picked = !carryingChosenPiece();
    ClPiece* piece = liftChosenPiece();
    if (!piece)
        return;
    if (picked)
        board.PlaySound(Sound::Pick);
    if (const auto place = game.gameControl->stepInField(piece, columns, rows))
        game.gameControl->movePiece(piece, place->x, place->y);
    board.PaintBox1->update();
}

void TKeyPlay::turnChosenPiece(TurnWay way)
{
    ClPiece* piece = liftChosenPiece();
    if (!piece)
        return;
    const ClPoints bricks = piece->cells();
    const ClPoint first = bricks.empty() ? ClPoint{piece->x, piece->y} : bricks.front();
    ended(board.TurnPiece(first.x, first.y, piece, way));
}

void TKeyPlay::dropChosenPiece()
{
    ClPiece* piece = liftChosenPiece();
    if (!piece)
        return;
    board.PlaySound(Sound::Drop);
    ended(game.drop(piece, piece->x, piece->y));
}

void TKeyPlay::putChosenPieceBack()
{
    if (!carryingChosenPiece())
        return;
    game.gameControl->movePiece(game.gameControl->selectedPiece, pickedUpAt.x, pickedUpAt.y);
    board.PlaySound(Sound::Drop);
    ended(game.letGo());
}
