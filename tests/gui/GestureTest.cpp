#include "Soundrecorder.h"
#include "Window.h"
#include "app/Keynames.h"
#include "app/Keyplay.h"
#include "game/Playerchoices.h"

// Play by the mouse and by real key events on the window, on the small test
// group, puzzle 0: a bar of three bricks (shape 0, file piece 0, start at play
// (8, 48), place in the wall at (8, 8)) and an L (shape 1, never turns, file
// piece 1, start (40, 56), place (32, 8)).

// Long enough that a slide or fade paced by it would never end in the suite's time.
constexpr int kAnHour = 3'600'000;

// Keys typed while frames are drawn: they arrive when events run again.
void typeMeanwhile(QWidget* window)
{
    QTimer::singleShot(0, window, [window] {
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_P, Qt::Key_Right, Qt::Key_H})
            QTest::keyClick(window, key);
    });
}

class GestureTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Window> window;
    std::unique_ptr<Mouse> mouse;
    SoundRecorder sounds;

    ClPiece& front() { return window->game().puzzle.pieces[0]; }
    TFormMain& form() { return *window->form; }
    ClGameControl& game() { return window->game(); }
    ClPoint placeOf(std::size_t filePiece)
    {
        const ClPiece& piece = *game().pieceInFileOrder(filePiece);
        return {piece.x, piece.y};
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&form(), key, modifiers);
    }
    void press(const QKeySequence& keys) { press(keys[0].key(), keys[0].keyboardModifiers()); }
    TFrameGameBoard& board() { return window->board(); }
    std::int32_t puzzle() { return game().puzzleIndex; }
    // Back at the level picture of the middle puzzle, so both steps can go,
    // and put in play, with `moves` its first piece dragged a row up.
    void playTheMiddlePuzzle(bool moves)
    {
        window->showPuzzle(1);
        window->recordDialogs();
        press(Qt::Key_P);
        const ClPoint at = game().puzzle.pieces[0].cells().front();
        if (moves)
            mouse->drag(pixelOf(at.x, at.y, 1, 1), pixelOf(at.x, at.y - kBrickScale, 1, 1));
        QCOMPARE(form().gameInterface->puzzleHasMoves(), moves);
    }

private slots:
    void init()
    {
        mouse.reset();
        window.reset(); // before the next one takes the problem reports
        window = std::make_unique<Window>();
        QVERIFY(window->openActive()); // else no shortcut reaches it
        window->board().soundPlayer = &sounds;
        window->board().fadeMilliseconds = 0;
        form().playGameExecute();
        mouse = std::make_unique<Mouse>(&form());
        sounds.played.clear();
    }
    // Held, the piece follows the mouse from where it was gripped, leaving its
    // place bare, and other presses meanwhile are ignored.
    void pressOnABricksFarCornerPicksWithoutAJump()
    {
        // The bar's first brick spans play columns 8..15 and rows 48..51.
        mouse->press(pixelOf(15, 51, 7, 4));
        mouse->press(pixelOf(60, 60), Qt::RightButton); // ignored while holding
        auto& board = window->board();
        QCOMPARE(board.dragLeft, 8 * 8);
        QCOMPARE(board.dragTop, 48 * 5);
        QCOMPARE(sounds.played, std::vector<Sound>{Sound::Pick});
        mouse->move(pixelOf(15, 51, 7 + 3, 4 + 2));
        QCOMPARE(board.dragLeft, 8 * 8 + 3); // the image follows pixel by pixel
        QCOMPARE(front().x, 8);              // the piece keeps its nearest cell
        mouse->move(pixelOf(15, 51, 7, 4 - 100));
        const QImage screen = window->screen();
        QCOMPARE(rgb(screen.pixel(pixelOf(8, 48, 4, 2))), window->wallPixel(8 * 8 + 4, kFieldTop + 48 * 5 + 2));
        QCOMPARE(rgb(screen.pixel(pixelOf(8, 48, 4, 2 - 100))), rgb(window->board().ImageList1[0].pixel(4, 2)));
        mouse->move(pixelOf(15, 51, 7 + 5, 4 + 3));
        QCOMPARE(QPoint(front().x, front().y), QPoint(9, 49)); // past half a cell: the next one
        mouse->release(pixelOf(15, 51, 7 + 5, 4 + 3));
        QCOMPARE(sounds.played, (std::vector<Sound>{Sound::Pick, Sound::Drop}));

        // A press on no piece picks nothing and says nothing.
        mouse->click(pixelOf(70, 10));
        QCOMPARE(sounds.played.size(), std::size_t(2));
    }

    void dropsSnapToTheBondOnlyOntoFreeWallCells()
    {
        // The bar, grabbed at its anchor, snaps from (9, 9) to its place (8, 8).
        mouse->drag(pixelOf(8, 48, 1, 1), pixelOf(9, 9, 1, 1));
        QCOMPARE(front().y, 8);

        // The L dropped where one brick would land on the bar stays unsnapped.
        mouse->drag(pixelOf(40, 56, 1, 1), pixelOf(25, 9, 1, 1));
        QCOMPARE(QPoint(front().x, front().y), QPoint(25, 9));
        // Into its own place it snaps, and the wall is complete: it fades
        // into the picture in 26 frames of 0, 4, ..., 100 percent, at its own
        // pace. Keys typed meanwhile are dropped.
        QVERIFY(QTest::qWaitForWindowExposed(&form())); // else no frame is painted
        const QRgb wall = rgb(window->board().imgBack->picture.pixel(20, 110)), picture = qRgb(0, 0, 255) & 0xffffff;
        QList<QRgb> fade;
        const auto spy = fadeFrames(window->board().imgBack, window->board(), fade, QPoint(20, 110));
        window->board().slideMilliseconds = kAnHour;
        typeMeanwhile(&form());
        mouse->drag(pixelOf(25, 9, 1, 1), pixelOf(33, 9, 1, 1));
        window->board().slideMilliseconds = 0;
        QCoreApplication::processEvents();
        QCOMPARE(game().puzzleIndex, 0);
        // Each channel mixed exactly, so a weight off by one percent shows.
        const auto mixed = [](int from, int to, int weight) { return (from * (100 - weight) + to * weight) / 100; };
        QCOMPARE(fade.size(), 26);
        QVERIFY(qRed(wall) > 40);
        for (int k = 0; k < fade.size(); ++k)
            QCOMPARE(fade[k], qRgb(mixed(qRed(wall), qRed(picture), 4 * k), mixed(qGreen(wall), qGreen(picture), 4 * k),
                                   mixed(qBlue(wall), qBlue(picture), 4 * k))
                                  & 0xffffff);
        QCOMPARE(sounds.played.back(), Sound::Solve);
        QVERIFY(!window->board().PaintBox1->isEnabled());
    }

    // A right click turns by the shape's rule (the bar, by half turns) with
    // its sound, unless sounds are off; a right press, a move and a release
    // turns nothing.
    void rightClicksTurn()
    {
        mouse->press(pixelOf(16, 48, 2, 2), Qt::RightButton);
        mouse->move(pixelOf(16, 48, 9, 2));
        mouse->release(pixelOf(16, 48, 9, 2), Qt::RightButton);
        QCOMPARE(front().angle, 0);
        mouse->click(pixelOf(16, 48, 2, 2), Qt::RightButton);
        QCOMPARE(front().angle, 180);
        // The L never turns: not a sound of turning.
        mouse->click(pixelOf(40, 56, 2, 2), Qt::RightButton);
        QCOMPARE(game().puzzle.pieces[0].angle, 0);
        QCOMPARE(sounds.played, (std::vector<Sound>{Sound::Pick, Sound::Pick, Sound::Turn, Sound::Pick}));
        form().gameInterface->settings.soundOn = 0;
        mouse->click(pixelOf(16, 48, 2, 2), Qt::RightButton);
        mouse->drag(pixelOf(8, 48, 1, 1), pixelOf(8, 30, 1, 1));
        QCOMPARE(front().angle, 0);
        QCOMPARE(sounds.played.size(), std::size_t(4));
    }

    // A hint shows itself: the hinted piece's picture slides at its own pace
    // step by step from where it lay to the place the game gave it, over the
    // field without it, and is heard landing there. Clicks and keys meanwhile
    // go nowhere. Undo shows itself alike.
    void aHintSlidesThePieceToItsPlace()
    {
        TFrameGameBoard& board = window->board();
        QVERIFY(QTest::qWaitForWindowExposed(&form())); // else no frame is painted
        const ClPuzzle before = game().puzzle;
        const QPoint atPlay = board.imgPlay->geometry().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(board.imgPlay,
                                        new QMouseEvent(type, QPointF(atPlay - board.imgPlay->pos()), QPointF(atPlay),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        // Where the hinted piece is drawn at every repaint of the field while
        // it slides, and the field it slides over.
        QList<QPoint> origins;
        QImage field;
        const PaintSpy frames(board.PaintBox1, [&] {
            origins << QPoint(board.dragLeft, board.dragTop);
            field = board.backBuffer.copy();
        });
        board.fadeMilliseconds = kAnHour;
        typeMeanwhile(&form());
        const HintResult given = board.ShowHint();
        QCoreApplication::processEvents();
        QCOMPARE(sounds.played, std::vector<Sound>{Sound::Drop});
        QVERIFY(!form().keyPlay->chosen() && board.note().isEmpty() && game().puzzleIndex == 0);
        QVERIFY(given.piece);
        const auto index = std::size_t(given.piece - game().puzzle.pieces.data());
        const auto pixels = [](ClPoint p) { return QPoint(p.x * 8, p.y * 5); };
        const QPoint travel = pixels(cornerOf(before.pieces[index].cells())) - pixels(cornerOf(given.piece->cells()));
        const QPoint origin = pixels({given.piece->x, given.piece->y});
        QVERIFY(origins.size() > 8);
        QCOMPARE(origins.first(), origin + travel);
        QCOMPARE(origins.last(), origin);
        for (qsizetype k = 1; k < origins.size(); ++k) // steadily nearer
            QVERIFY((origin - origins[k]).manhattanLength() <= (origin - origins[k - 1]).manhattanLength());
        // Drawn in its place, and its start left bare.
        const QImage screen = window->screen();
        const ClPoint brick = given.piece->cells().front(), start = before.pieces[index].cells().front();
        QVERIFY(rgb(screen.pixel(pixelOf(brick.x, brick.y, 4, 2))) != (qRgb(0, 0, 255) & 0xffffff));
        QCOMPARE(rgb(screen.pixel(pixelOf(start.x, start.y, 4, 2))),
                 window->wallPixel(start.x * 8 + 4, kFieldTop + start.y * 5 + 2));
        QCOMPARE(rgb(field.pixel(brick.x * 8 + 4, brick.y * 5 + 2)),
                 window->wallPixel(brick.x * 8 + 4, kFieldTop + brick.y * 5 + 2));
        QVERIFY(board.PaintBox1->isEnabled()); // the click on Play was dropped

        // Marked where it landed, for a moment; an undo slides it back, and
        // marks it there until the moment is over.
        const QRgb markColour = rgb(qRgb(255, 255, 0));
        QCOMPARE(rgb(screen.pixel(pixelOf(brick.x, brick.y, -1, 10))), markColour);
        board.landedMarkMilliseconds = 0;
        origins.clear();
        form().undoExecute();
        QVERIFY(origins.size() > 8);
        QCOMPARE(origins.first(), origin);
        QCOMPARE(origins.last(), pixels({before.pieces[index].x, before.pieces[index].y}));
        const QPoint startRim = pixelOf(start.x, start.y, -1, 10);
        QCOMPARE(rgb(window->screen().pixel(startRim)), markColour);
        QCoreApplication::processEvents();
        QVERIFY(rgb(window->screen().pixel(startRim)) != markColour);
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
        press(Qt::Key_Down);                       // the L, picked: now first in the list
        QCOMPARE(placeOf(1), (ClPoint{40, 60}));
        press(Qt::Key_Escape);
        QCOMPARE(placeOf(1), (ClPoint{40, 56}));
        QCOMPARE(sounds.played, (std::vector<Sound>{Sound::Pick, Sound::Drop}));
        press(Qt::Key_Tab);
        QCOMPARE(form().keyPlay->chosen(), std::optional<std::size_t>(0)); // the bar, though second in the list
        // Marked by a bright line just outside its bricks.
        QCOMPARE(rgb(window->screen().pixel(pixelOf(8, 48, -1, 10))), rgb(qRgb(255, 255, 0)));

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
        press(Qt::Key_Tab);                    // lets it go first
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
        Mouse& mouse = *this->mouse;
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

    void keysThatLoseMovesAskTwice_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("note");
        QTest::newRow("Page Down") << Qt::Key_PageDown << "Press Page Down again to leave this puzzle.";
        QTest::newRow("Page Up") << Qt::Key_PageUp << "Press Page Up again to leave this puzzle.";
        QTest::newRow("P") << Qt::Key_P << "Press P again to start this puzzle afresh.";
        QTest::newRow("S") << Qt::Key_S << "Press S again to choose another group.";
        QTest::newRow("G") << Qt::Key_G << "Press G again to choose another puzzle.";
    }

    // With moves, a key that leaves or restarts the puzzle first only says
    // what a second press would do, and the key held down repeating is no
    // second press; the second does it.
    void keysThatLoseMovesAskTwice()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, note);
        playTheMiddlePuzzle(true);
        press(key);
        QTest::simulateEvent(&form(), true, key, {}, {}, true);
        QCOMPARE(board().note(), note);
        QVERIFY(board().PaintBox1->isEnabled() && form().gameInterface->puzzleHasMoves());
        QCOMPARE(puzzle(), 1);
        QVERIFY(window->dialogs.isEmpty());
        press(key);
        QVERIFY(board().note().isEmpty());
        QVERIFY(!window->dialogs.isEmpty() || puzzle() != 1 || !form().gameInterface->puzzleHasMoves());
    }

    // Any other key, a click or the window losing the keys in between forgets
    // the first press; a button acts at once, moves or not, and forgets the
    // question. Without moves one press of Page Up leaves the puzzle. (In
    // play the arrows move the chosen piece and never step, as the keyboard
    // play shows.)
    void anythingElseInBetweenForgetsTheFirstPress()
    {
        playTheMiddlePuzzle(true);
        const auto askingNextPuzzle = [&] { return board().note().startsWith("Press Page Down again"); };
        press(Qt::Key_PageDown);
        const std::function<void()> interruptions[] = {
            [&] { press(Qt::Key_PageUp); }, // which asks its own question
            [&] { press(Qt::Key_X); },
            [&] { press(Qt::Key_O); },
            [&] { press(Qt::Key_PageDown, Qt::ShiftModifier); },
            [&] { mouse->click(pixelOf(70, 70)); },
            [&] {
                QWidget other;
                other.show();
                other.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&other));
                form().activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&form()));
            },
        };
        for (const auto& interruption : interruptions) {
            QVERIFY(askingNextPuzzle());
            interruption();
            QVERIFY(!askingNextPuzzle());
            press(Qt::Key_PageDown);
        }
        QCOMPARE(puzzle(), 1);
        QCOMPARE(window->dialogs, QStringList{"option"});
        mouse->click(board().imgNext->geometry().center());
        QCOMPARE(puzzle(), 2);
        QVERIFY(board().note().isEmpty());
        press(Qt::Key_P);
        press(Qt::Key_PageUp);
        QCOMPARE(puzzle(), 1);
        QVERIFY(board().note().isEmpty());
    }
};

QTEST_MAIN(GestureTest)
#include "GestureTest.moc"
