#include <QTest>

#include "Soundrecorder.h"
#include "Window.h"
#include "app/Keynames.h"
#include "app/Keyplay.h"
#include "game/Playerchoices.h"

// Keyboard play and undo on the small test group, puzzle 0, through real key
// events on the window: a bar of three bricks (shape 0, file piece 0, start
// at play (8, 48), place (8, 8)) and an L (shape 1, never turns, file piece 1,
// start (40, 56), place (32, 8)).
class KeyplayTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Window> window;
    SoundRecorder sounds;

    TFormMain& form() { return *window->form; }
    ClGameControl& game() { return window->game(); }
    ClPoint placeOf(std::size_t filePiece)
    {
        const ClPiece& piece = *game().pieceInFileOrder(filePiece);
        return {piece.x, piece.y};
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&form(), key, modifiers); }
    void press(const QKeySequence& keys) { press(keys[0].key(), keys[0].keyboardModifiers()); }

private slots:
    void init()
    {
        window.reset(); // before the next one takes the problem reports
        window = std::make_unique<Window>();
        QVERIFY(window->openActive());
        window->board().soundPlayer = &sounds;
        window->board().fadeMilliseconds = 0;
        form().playGameExecute();
        sounds.played.clear();
    }

    // Tab goes through the pieces in the file's order, whatever picking did
    // to the list; the arrows move by file units inside the field; Escape
    // puts the piece back; Enter snaps it. A wall finished by the keys fades
    // as one finished by the mouse, and leaves nothing to undo; the level
    // picture gives the arrows back to the puzzles.
    void theKeysPlayAWallByTheMouseRules()
    {
        auto& board = window->board();
        press(Qt::Key_Right); // nothing chosen: nothing moves, no puzzle step
        QCOMPARE(game().puzzleIndex, 0);
        press(Qt::Key_Backtab, Qt::ShiftModifier); // Shift+Tab as the window system sends it: back from none, the last
        press(Qt::Key_Down);                   // the L, picked: now first in the list
        QCOMPARE(placeOf(1), (ClPoint{40, 60}));
        press(Qt::Key_Escape);
        QCOMPARE(placeOf(1), (ClPoint{40, 56}));
        QCOMPARE(sounds.played, (std::vector<Sound>{Sound::Pick, Sound::Drop}));
        press(Qt::Key_Tab);
        QCOMPARE(form().keyPlay->chosen(), std::optional<std::size_t>(0)); // the bar, though second in the list

        // The bar up ten rows and one file unit right, then dropped there:
        // off the bond it stays; a unit back left it snaps into its place.
        for (int row = 0; row < 10; ++row)
            press(Qt::Key_Up);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        QCOMPARE(placeOf(0), (ClPoint{12, 8}));
        press(Qt::Key_Left);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(placeOf(0), (ClPoint{8, 8}));

        // The L up twelve rows, half of them with Shift, and a whole brick
        // left with Shift, over its place.
        press(Qt::Key_Tab);
        for (int row = 0; row < 12; ++row)
            press(Qt::Key_Up, row % 2 ? Qt::ShiftModifier : Qt::NoModifier);
        press(Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(board.PaintBox1->isEnabled()); // carried over its place: not yet let go
        press(Qt::Key_Tab); // lets it go first
        QCOMPARE(sounds.played.back(), Sound::Solve);
        QVERIFY(!board.PaintBox1->isEnabled());
        press(kUndoKey);
        QCOMPARE(placeOf(1), (ClPoint{32, 8}));
        press(Qt::Key_Right);
        QCOMPARE(game().puzzleIndex, 1);
    }

    // Ctrl+Z takes back a drag, a key carry, a turn by Space and a hint, one
    // step each, and nothing while the mouse holds a piece; both redo keys
    // bring them back.
    void undoAndRedoStepThroughTheChanges()
    {
        Mouse mouse(&form());
        std::vector<std::vector<ClPoints>> seen;
        const auto now = [&] {
            return std::vector<ClPoints>{game().pieceInFileOrder(0)->cells(), game().pieceInFileOrder(1)->cells()};
        };
        seen.push_back(now());
        mouse.drag(pixelOf(8, 48, 1, 1), pixelOf(9, 30, 1, 1));
        seen.push_back(now());
        press(Qt::Key_Tab);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        seen.push_back(now());
        press(Qt::Key_Space);
        seen.push_back(now());
        QCOMPARE(sounds.played.back(), Sound::Turn);
        press(Qt::Key_Space, Qt::ShiftModifier); // turned back as it lay before
        QCOMPARE(now(), seen[2]);
        seen.push_back(now());
        form().hintExecute();
        seen.push_back(now());
        // Ctrl+Z in the middle of a drag leaves the drag to end as it would.
        const ClPoint bar = game().pieceInFileOrder(0)->cells().front();
        mouse.press(pixelOf(bar.x, bar.y, 1, 1));
        mouse.move(pixelOf(bar.x, bar.y + 12, 1, 1));
        press(Qt::Key_Z, Qt::ControlModifier);
        mouse.release(pixelOf(bar.x, bar.y + 12, 1, 1));
        QVERIFY(now() != seen.back());
        sounds.played.clear();

        for (std::size_t back = seen.size(); back-- > 0;) {
            press(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(now() == seen[back], qPrintable(QString("undo back to state %1").arg(back)));
        }
        QCOMPARE(sounds.played, std::vector<Sound>(seen.size(), Sound::Drop));
        press(Qt::Key_Z, Qt::ControlModifier); // nothing left: nothing heard
        QCOMPARE(sounds.played.size(), seen.size());

        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(now(), seen[2]);
    }

    // The chosen piece carries a bright line on a dark rim around its
    // bricks, in every brick style; the other pieces none.
    void theChosenPieceIsMarked()
    {
        const ClPoint bar = placeOf(0), ell = placeOf(1);
        // Just outside the first brick's left edge, and just inside it.
        const QPoint outside = pixelOf(bar.x, bar.y, -1, 10), inside = pixelOf(bar.x, bar.y, 1, 10);
        const QPoint besideEll = pixelOf(ell.x, ell.y, -1, 10);
        for (int style = 0; style < kBrickStyles; ++style) {
            form().gameInterface->settings.brickStyle = style;
            window->board().ShowLevelPicture(); // play ends: nothing chosen
            form().playGameExecute();
            const QImage unmarked = window->screen();
            press(Qt::Key_Tab);
            const QImage marked = window->screen();
            QCOMPARE(rgb(marked.pixel(outside)), rgb(qRgb(255, 255, 0)));
            QVERIFY(qGray(marked.pixel(inside)) < 60 && qGray(unmarked.pixel(inside)) >= 60);
            QCOMPARE(marked.pixel(besideEll), unmarked.pixel(besideEll));
        }
    }
};

QTEST_MAIN(KeyplayTest)
#include "KeyplayTest.moc"
