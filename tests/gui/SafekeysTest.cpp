#include <QTest>

#include "Window.h"

// The keys that leave or restart a puzzle, pressed as a player would: on the
// middle puzzle of the small test group, so both steps can go.
class SafekeysTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Window> window;

    TFormMain& form() { return *window->form; }
    TFrameGameBoard& board() { return window->board(); }
    ClGameControl& game() { return window->game(); }
    bool inPlay() { return board().PaintBox1->isEnabled(); }
    void press(Qt::Key key) { QTest::keyClick(&form(), key); }
    // A move on the puzzle in play: its first piece dragged a row up.
    void makeAMove()
    {
        const ClPoint brick = game().puzzle.pieces[0].cells().front();
        Mouse(&form()).drag(pixelOf(brick.x, brick.y, 1, 1), pixelOf(brick.x, brick.y - kBrickScale, 1, 1));
        QVERIFY(form().gameInterface->puzzleHasMoves());
    }

private slots:
    void init()
    {
        window = std::make_unique<Window>();
        QVERIFY(window->openActive());
        form().gameInterface->selectPuzzle(1);
        board().ShowLevelPicture();
        window->recordDialogs();
    }

    // In play the arrows leave the puzzle alone; without moves one press of
    // Page Up leaves it. (Between puzzles the arrows step, as the buttons' keys do.)
    void inPlayArrowsDoNotStepAndWithoutMovesOnePressActs()
    {
        press(Qt::Key_P);
        for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right}) {
            press(arrow);
            QCOMPARE(game().puzzleIndex, 1);
            QVERIFY(inPlay());
        }
        press(Qt::Key_PageUp);
        QCOMPARE(game().puzzleIndex, 0);
        QVERIFY(board().note().isEmpty());
    }

    void keysThatLoseMovesAskTwice_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("note");
        QTest::newRow("Page Down") << Qt::Key_PageDown << "Press Page Down again to leave this puzzle; its moves are lost.";
        QTest::newRow("Page Up") << Qt::Key_PageUp << "Press Page Up again to leave this puzzle; its moves are lost.";
        QTest::newRow("P") << Qt::Key_P << "Press P again to start this puzzle afresh.";
        QTest::newRow("S") << Qt::Key_S << "Press S again to choose another group.";
        QTest::newRow("G") << Qt::Key_G << "Press G again to choose another puzzle.";
    }

    // With moves, the first press only says what a second would do; the
    // second does it.
    void keysThatLoseMovesAskTwice()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, note);
        press(Qt::Key_P);
        makeAMove();
        const ClPuzzle played = game().puzzle;
        press(key);
        QCOMPARE(board().note(), note);
        QVERIFY(inPlay());
        QCOMPARE(game().puzzleIndex, 1);
        QCOMPARE(game().puzzle.pieces[0].y, played.pieces[0].y);
        QVERIFY(window->dialogs.isEmpty());

        press(key);
        QVERIFY(board().note().isEmpty());
        const bool acted = !window->dialogs.isEmpty() || game().puzzleIndex != 1 || !form().gameInterface->puzzleHasMoves();
        QVERIFY(acted);
    }

    // Any other key or a click in between forgets the first press.
    void anythingElseInBetweenForgetsTheFirstPress()
    {
        press(Qt::Key_P);
        makeAMove();
        const auto askingNextPuzzle = [&] { return board().note().startsWith("Press Page Down again"); };
        press(Qt::Key_PageDown);
        QVERIFY(askingNextPuzzle());
        const std::function<void()> interruptions[] = {
            [&] { press(Qt::Key_PageUp); }, // which asks its own question
            [&] { press(Qt::Key_X); },
            [&] { press(Qt::Key_O); },
            [&] { QTest::keyClick(&form(), Qt::Key_PageDown, Qt::ShiftModifier); },
            [&] { Mouse(&form()).click(pixelOf(70, 70)); },
        };
        for (const auto& interruption : interruptions) {
            interruption();
            QVERIFY(!askingNextPuzzle());
            press(Qt::Key_PageDown);
            QVERIFY(askingNextPuzzle());
            QCOMPARE(game().puzzleIndex, 1);
        }
        QCOMPARE(window->dialogs, QStringList{"option"});
        // A button acts at once, moves or not, and forgets the question.
        Mouse(&form()).click(board().imgNext->geometry().center());
        QCOMPARE(game().puzzleIndex, 2);
        QVERIFY(board().note().isEmpty());
    }
};

QTEST_MAIN(SafekeysTest)
#include "SafekeysTest.moc"
