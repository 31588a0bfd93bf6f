#include <QTest>

#include "Window.h"

// The keys that leave or restart a puzzle, pressed as a player would: on the
// middle puzzle of the small test group, so both steps can go.
class SafekeysTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Window> window;

    TFrameGameBoard& board() { return window->board(); }
    std::int32_t puzzle() { return window->game().puzzleIndex; }
    void press(Qt::Key key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window->form.get(), key, with); }
    // The puzzle put in play, and with `moves` its first piece dragged a row up.
    void play(bool moves)
    {
        press(Qt::Key_P);
        const ClPoint at = window->game().puzzle.pieces[0].cells().front();
        if (moves)
            Mouse(window->form.get()).drag(pixelOf(at.x, at.y, 1, 1), pixelOf(at.x, at.y - kBrickScale, 1, 1));
        QCOMPARE(window->form->gameInterface->puzzleHasMoves(), moves);
    }

private slots:
    void init()
    {
        window = std::make_unique<Window>();
        QVERIFY(window->openActive());
        window->form->gameInterface->selectPuzzle(1);
        board().ShowLevelPicture();
        window->recordDialogs();
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

    // With moves, the first press only says what a second would do, and the
    // key held down repeating is no second press; the second does it.
    void keysThatLoseMovesAskTwice()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, note);
        play(true);
        press(key);
        QTest::simulateEvent(window->form.get(), true, key, {}, {}, true);
        QCOMPARE(board().note(), note);
        QVERIFY(board().PaintBox1->isEnabled() && window->form->gameInterface->puzzleHasMoves());
        QCOMPARE(puzzle(), 1);
        QVERIFY(window->dialogs.isEmpty());
        press(key);
        QVERIFY(board().note().isEmpty());
        QVERIFY(!window->dialogs.isEmpty() || puzzle() != 1 || !window->form->gameInterface->puzzleHasMoves());
    }

    // Any other key, a click or the window losing the keys in between forgets
    // the first press; a button acts at once, moves or not, and forgets the
    // question. Without moves one press of Page Up leaves the puzzle. (In
    // play the arrows move the chosen piece and never step, as the keyboard
    // play shows.)
    void anythingElseInBetweenForgetsTheFirstPress()
    {
        play(true);
        const auto askingNextPuzzle = [&] { return board().note().startsWith("Press Page Down again"); };
        press(Qt::Key_PageDown);
        const std::function<void()> interruptions[] = {
            [&] { press(Qt::Key_PageUp); }, // which asks its own question
            [&] { press(Qt::Key_X); },
            [&] { press(Qt::Key_O); },
            [&] { press(Qt::Key_PageDown, Qt::ShiftModifier); },
            [&] { Mouse(window->form.get()).click(pixelOf(70, 70)); },
            [&] {
                QWidget other;
                other.show();
                other.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&other));
                window->form->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window->form.get()));
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
        Mouse(window->form.get()).click(board().imgNext->geometry().center());
        QCOMPARE(puzzle(), 2);
        QVERIFY(board().note().isEmpty());
        play(false);
        press(Qt::Key_PageUp);
        QCOMPARE(puzzle(), 1);
        QVERIFY(board().note().isEmpty());
    }
};

QTEST_MAIN(SafekeysTest)
#include "SafekeysTest.moc"
