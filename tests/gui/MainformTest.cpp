#include <fcntl.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "Window.h"
#include "app/Dialogstyle.h"
#include "app/Selectform.h"
#include "game/Playerchoices.h"

namespace {
void writeConfig(const ProgramFolder& folder, std::int32_t group, std::int32_t lastPuzzle, std::int32_t brickStyle)
{
    ClSettings settings;
    settings.group = group;
    settings.lastPuzzle = lastPuzzle;
    settings.brickStyle = brickStyle;
    settings.saveTo(folder.path("config.dat").toStdString());
}

ClSettings settingsOnDisk(const ProgramFolder& folder)
{
    ClSettings settings;
    settings.loadFrom(folder.path("config.dat").toStdString());
    return settings;
}

} // namespace

class MainformTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheRememberedPuzzleAndSteppingStopsAtTheEnds()
    {
        ProgramFolder folder;
        writeConfig(folder, 0, 1, 0);
        Window window(folder);
        TFormMain& form = window.open();
        QCOMPARE(window.game().puzzleIndex, 1);
        for (const auto& [step, end] : {std::pair{&TFormMain::nextGameExecute, 2}, {&TFormMain::prevGameExecute, 0}}) {
            (form.*step)();
            (form.*step)();
            QCOMPARE(window.game().puzzleIndex, end);
            const QSignalSpy shown(&window.board(), &TFrameGameBoard::levelPictureShown);
            (form.*step)(); // past the end: not even a redraw
            QCOMPARE(shown.count(), 0);
        }
        QCOMPARE(form.gameInterface->settings.lastPuzzle, 0);
    }

    // Each button and each of its keys fires its own action and nothing else;
    // Ctrl+Q quits. (That no key acts while a dialog is open, ZoomTest shows
    // at every zoom.)
    void everyButtonAndKeyFiresItsOwnAction()
    {
        Window window;
        QVERIFY(window.openActive());
        TFormMain& form = *window.form;
        TFrameGameBoard& board = window.board();
        ClGameControl& game = window.game();
        window.recordDialogs();
        QStringList& fired = window.dialogs;
        form.showAbout = [&] { fired << "about"; };
        form.openUrl = [&](const QUrl&) { return fired << "help", true; };
        form.showHelp = [&](const QUrl&) { fired << "help"; };
        // What a press did: on the middle puzzle shown, so both steps can
        // go, or on the first in play, whose bricks lie on the bond for hints.
        const auto actionsOf = [&](bool playing, const std::function<void()>& press) {
            const std::int32_t shown = playing ? 0 : 1;
            window.showPuzzle(shown);
            if (playing)
                form.playGameExecute();
            fired.clear();
            press();
            if (game.puzzleIndex != shown)
                fired << (game.puzzleIndex < shown ? "prev" : "next");
            if (!playing && board.PaintBox1->isEnabled())
                fired << "play";
            if (playing && form.gameInterface->puzzleHasMoves()) // a hint is a step of its own
                fired << "hint";
            return fired;
        };
        const struct {
            const char* action;
            TImgBtn* button;
            QList<Qt::Key> keys;
            bool playing;
        } buttons[] = {
            {"select", board.imgSelect, {Qt::Key_S}, false},
            {"play", board.imgPlay, {Qt::Key_P}, false},
            {"prev", board.imgPrev, {Qt::Key_Left, Qt::Key_PageUp}, false},
            {"next", board.imgNext, {Qt::Key_Right, Qt::Key_PageDown}, false},
            {"option", board.imgOption, {Qt::Key_O}, false},
            {"help", board.imgHelp, {Qt::Key_F1}, false},
            {"about", board.imgAbout, {Qt::Key_A}, false},
            {"hint", board.imgHint, {Qt::Key_H}, true},
            {"choose", nullptr, {Qt::Key_G}, false},
        };
        for (const auto& b : buttons) {
            const QStringList expected{b.action};
            if (b.button)
                QCOMPARE(actionsOf(b.playing, [&] { Mouse(&form).click(b.button->geometry().center()); }), expected);
            for (const Qt::Key key : b.keys)
                QCOMPARE(actionsOf(b.playing, [&] { QTest::keyClick(&form, key); }), expected);
        }
        QCOMPARE(actionsOf(false, [&] { QTest::keyClick(&form, Qt::Key_H); }), QStringList()); // no hint unless in play
        QVERIFY2(window.problems.isEmpty(), qPrintable(window.problems.join("; "))); // the hints worked: no warning

        QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form.isVisible());
    }

    // Solved with hints, the puzzle is on disk at once (a killed game loses
    // nothing), marked after a restart, counted in the selection, and a later
    // solve without hints fills its star. After each solve a note gives its
    // time and moves and the best so far; none is shown in play.
    void solvedPuzzlesAreRememberedAndMarked()
    {
        ProgramFolder folder;
        const auto markPixels = [](Window& window) { // the gold of the star on the caption
            return int(pixelsOf(window.backdrop(), kGold, {60, 60, 80, 24}).size());
        };
        {
            Window window(folder);
            window.open();
            QCOMPARE(markPixels(window), 0);
            TFormMain& form = *window.form;
            form.FrameGameBoard1->fadeMilliseconds = 0;
            std::int64_t now = 0;
            form.gameInterface->clock = [&now] { return now; };
            for (const auto& [pause, note] : {std::pair{20'000, "Solved in 0:40 with 2 moves. Best: 0:40, 2 moves."},
                                              {30'000, "Solved in 1:00 with 2 moves. Best: 0:40, 2 moves."}}) {
                form.playGameExecute();
                QVERIFY(window.board().note().isEmpty());
                for (int press = 0; press < 4 && window.board().PaintBox1->isEnabled(); ++press) {
                    now += pause;
                    form.hintExecute();
                }
                QCOMPARE(window.board().note(), QString(note));
            }
            const qint64 oneEntry = ClProgress::kHeaderSize + ClProgress::kEntrySize;
            QCOMPARE(QFileInfo(folder.path("progress.dat")).size(), oneEntry);
        }
        Window window(folder);
        TFormMain& form = window.open();
        QCOMPARE(form.gameInterface->solvedState(), Solved::WithHelp);
        const int outline = markPixels(window);
        QVERIFY(outline > 10);
        // Solved alone later (how, GameinterfaceTest plays through).
        form.gameInterface->progress.record(window.game().gameData->puzzles[0], false);
        window.board().ShowLevelPicture();
        QVERIFY(markPixels(window) > outline); // the star is filled now

        QStringList shownCounts;
        whenOpen([&](QDialog& dialog) {
            for (QLabel* label : dialog.findChildren<QLabel*>())
                shownCounts << label->text();
        });
        form.selectGameExecute();
        QCOMPARE(shownCounts, QStringList({"1/3", "0/0", "0/0", "0/0"}));
    }

    // What the player confirms is on disk before the window closes, redrawn
    // without ending play, and a second window on the same settings never
    // puts back what the first changed. Selecting a group loads it once and
    // opens its first puzzle; the same group, or a cancel, changes
    // nothing, and a missing file is said once while the loaded group stays.
    void everyConfirmedChangeIsOnDiskAtOnce()
    {
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick2.gam"));
        writeConfig(folder, 0, 1, 0);
        const auto onDisk = [&] {
            const ClSettings s = settingsOnDisk(folder);
            return std::tuple(s.lastPuzzle, s.brickStyle, s.soundOn, s.musicOn, s.group);
        };
        Window first(folder), second(folder);
        TFormMain& a = first.open();
        TFormMain& b = second.open();
        a.prevGameExecute(); // to the first puzzle, whose bar lies at (8, 48)
        a.playGameExecute();
        ClGameControl& game = first.game();
        game.movePiece(game.pickPiece(8, 48), 20, 30);
        game.selectedPiece = nullptr;
        a.showOptions = [](std::int32_t& sound, std::int32_t& music, std::int32_t& style) {
            return sound = 0, music = 0, style = 3, true;
        };
        a.FrameGameBoard1imgOptionClick();
        QVERIFY(first.board().PaintBox1->isEnabled());
        QCOMPARE(game.puzzle.pieces[0].x, 20);
        a.nextGameExecute();
        QCOMPARE(onDisk(), std::tuple(1, 3, 0, 0, 0));

        b.playGameExecute();
        for (const auto& [group, confirmed] : {std::pair{0, true}, {2, false}, {2, true}, {3, true}}) {
            b.showSelection = [group = group, confirmed = confirmed](std::int32_t& chosen, bool&) {
                chosen = confirmed ? group : chosen; // as the dialog does: a cancel leaves the group
                return confirmed;
            };
            b.selectGameExecute();
            QCOMPARE(second.board().PaintBox1->isEnabled(), b.currentGroup == 0); // play ends only on a change
        }
        QCOMPARE(b.currentGroup, 2);
        QCOMPARE(second.game().gameData->header.cellWidth, 8); // converted once
        QCOMPARE(second.problems.size(), 1);                   // the second window took the problems over
        QVERIFY(second.problems[0].contains("Brick3.gam"));
        QCOMPARE(onDisk(), std::tuple(0, 3, 0, 0, 2)); // the new group's first puzzle, for the next start too
        b.showOptions = [](std::int32_t&, std::int32_t& music, std::int32_t&) { return music = 1, false; };
        b.FrameGameBoard1imgOptionClick(); // cancelled: nothing written
        QCOMPARE(onDisk(), std::tuple(0, 3, 0, 0, 2));
        // The second still shows sound and music on: confirming only a new
        // brick style writes only that.
        b.showOptions = [](std::int32_t&, std::int32_t&, std::int32_t& style) { return style = 5, true; };
        b.FrameGameBoard1imgOptionClick();
        QCOMPARE(onDisk(), std::tuple(0, 5, 0, 0, 2));
        first.form.reset();
        second.form.reset();
        QCOMPARE(onDisk(), std::tuple(0, 5, 0, 0, 2));
    }

    // Play, Prev, Next, another puzzle or another group act at once, and
    // Ctrl+Z right after brings the puzzle left back: every piece where it
    // lay, its own history behind it, its group and number remembered again.
    // A move in the new play takes that chance away.
    void aStepThatLeavesMovesIsUndoneWhole_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("Play") << 0;
        QTest::newRow("Prev") << 1;
        QTest::newRow("Next") << 2;
        QTest::newRow("Choose") << 3;
        QTest::newRow("another group") << 4;
    }
    void aStepThatLeavesMovesIsUndoneWhole()
    {
        QFETCH(int, step);
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick2.gam"));
        writeConfig(folder, 0, 1, 0);
        Window window(folder);
        TFormMain& form = window.open();
        form.showChooser = [](std::int32_t& puzzle, const QString&, const std::vector<BestSolve>&, ChooserExtras&) {
            return puzzle = 2, true;
        };
        form.showSelection = [](std::int32_t& group, bool&) { return group = 2, true; };
        void (TFormMain::*const steps[])() = {&TFormMain::playGameExecute, &TFormMain::prevGameExecute,
                                              &TFormMain::nextGameExecute, &TFormMain::chooseGameExecute,
                                              &TFormMain::selectGameExecute};
        const auto pieces = [&] { // in the file's order
            std::vector<std::pair<int, int>> at;
            for (std::size_t k = 0; const ClPiece* piece = window.game().pieceInFileOrder(k); ++k)
                at.emplace_back(piece->x, piece->y);
            return at;
        };
        form.playGameExecute();
        const auto before = pieces();
        window.move(8, 48, 20, 30);
        window.move(40, 56, 60, 30);
        const auto left = pieces();

        (form.*steps[step])();
        QVERIFY(pieces() != left);
        form.undoExecute();
        QVERIFY(window.board().PaintBox1->isEnabled());
        QCOMPARE(form.currentGroup, 0);
        QCOMPARE(window.game().puzzleIndex, 1);
        QCOMPARE(pieces(), left);
        QCOMPARE(std::pair(settingsOnDisk(folder).group, settingsOnDisk(folder).lastPuzzle), std::pair(0, 1));
        form.undoExecute();
        form.undoExecute();
        QCOMPARE(pieces(), before); // its own history came back with it
        form.redoExecute();

        (form.*steps[step])();
        form.playGameExecute();
        window.move(8, 48, 20, 30);
        form.undoExecute(); // the new move, not the step
        QVERIFY(window.board().PaintBox1->isEnabled());
        form.undoExecute();
        QCOMPARE(window.game().puzzleIndex, (std::array{1, 0, 2, 2, 0}[std::size_t(step)]));
        QCOMPARE(form.currentGroup, step == 4 ? 2 : 0);
    }

    // N plays the fresh puzzle its code makes, of the group's kind; Ctrl+C
    // copies the code; the group's place on disk stays. Next goes back to the
    // group's puzzle, and Ctrl+Z right after brings the fresh puzzle back,
    // made again from its code, with its piece where it lay.
    void aFreshPuzzleIsTheOneItsCodeMakesAndLeadsBack()
    {
        ProgramFolder folder;
        writeConfig(folder, 0, 1, 0);
        Window window(folder);
        QVERIFY(window.openActive());
        TFormMain& form = *window.form;
        form.showNewPuzzle = [](Challenge& challenge, const QString&) { return challenge = Challenge::Hard, true; };
        form.freshSeed = [] { return 7u; };
        const PuzzleCode code{kGeneratorVersion, 0, Challenge::Hard, 7};
        QTest::keyClick(&form, Qt::Key_N);
        QCOMPARE(form.gameInterface->freshPuzzle(), code);
        ClGameFile made;
        std::string why;
        QVERIFY(makePuzzle(code, made, why));
        const auto& shown = window.game().gameData->puzzles;
        QCOMPARE(shown.size(), std::size_t(1));
        for (std::size_t k = 0; k < made.puzzles[0].pieces.size(); ++k)
            QCOMPARE(shown[0].pieces[k].startX, made.puzzles[0].pieces[k].startX);
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(codeText(code)));

        form.playGameExecute();
        ClGameControl& game = window.game();
        const ClPoint cell = game.pieceInFileOrder(0)->cells().front();
        window.move(cell.x, cell.y, 0, 0);
        const ClPiece moved = *game.pieceInFileOrder(0);
        QTest::keyClick(&form, Qt::Key_PageDown);
        QTest::keyClick(&form, Qt::Key_PageDown); // pressed twice: it leaves moves
        QVERIFY(!form.gameInterface->freshPuzzle());
        QCOMPARE(game.puzzleIndex, 1);
        form.undoExecute();
        QCOMPARE(form.gameInterface->freshPuzzle(), code);
        QCOMPARE(std::pair(game.pieceInFileOrder(0)->x, game.pieceInFileOrder(0)->y), std::pair(moved.x, moved.y));
        QCOMPARE(settingsOnDisk(folder).lastPuzzle, 1);

        // The chooser leads to the puzzle of the day (or a code typed there alike).
        form.today = [] { return std::int64_t(20000); };
        form.showChooser = [](std::int32_t&, const QString&, const std::vector<BestSolve>&, ChooserExtras& extras) {
            return extras.todayChosen = true;
        };
        form.chooseGameExecute();
        QCOMPARE(form.gameInterface->freshPuzzle(), puzzleOfTheDay(0, 20000));
        QVERIFY(window.problems.isEmpty());
    }

    // A puzzle file the player opens, by any name the file system allows, is
    // played as a group of its own: a fifth choice in Select, never the one
    // the next start opens. One that cannot be played is said once, and the
    // game goes on with its own groups.
    void aPuzzleFileOfThePlayersOwnIsAGroupOfItsOwn()
    {
        ProgramFolder folder;
        writeConfig(folder, 0, 1, 0);
        const QByteArray mine = folder.bytes() + "/mine \xff.gam", cut = folder.bytes() + "/cut.gam";
        // Named by its bytes, not all of them UTF-8.
        QVERIFY(::link((folder.bytes() + "/Brick0.gam").constData(), mine.constData()) == 0);
        QVERIFY(::close(::creat(cut.constData(), 0644)) == 0);
        const QByteArray none = folder.bytes() + "/none.gam";
        ClGameFile empty;
        QVERIFY(empty.load((folder.bytes() + "/Brick0.gam").toStdString()));
        empty.puzzles.clear();
        QVERIFY(empty.save(none.toStdString()));
        QVERIFY(::mkfifo((folder.bytes() + "/fifo.gam").constData(), 0644) == 0);
        for (const QByteArray& file : {mine, cut, none, folder.bytes() + "/fifo.gam", folder.bytes()}) {
            Window window(folder);
            window.form = std::make_unique<TFormMain>(folder.bytes());
            TFormMain& form = *window.form;
            form.gameInterface->ownFile = file;
            form.show();
            const bool playable = file == mine;
            QCOMPARE(form.currentGroup, playable ? kOwnFileGroup : settingsOnDisk(folder).group);
            QCOMPARE(window.problems.size(), playable ? 0 : 1);
            if (!playable)
                continue;
            form.nextGameExecute();
            QCOMPARE(window.game().puzzleIndex, 1);
            QString shown;
            whenOpen<TFormSelection>([&](TFormSelection& dialog) {
                shown = dialog.RadioButton5->isChecked() ? dialog.RadioButton5->text() : QString();
                dialog.RadioButton3->setChecked(true);
                dialog.done(mrOk);
            });
            QFile::copy(folder.path("Brick0.gam"), folder.path("Brick2.gam"));
            form.selectGameExecute();
            QCOMPARE(shown, QString("mine \uFFFD.gam"));
            QCOMPARE(form.currentGroup, 2);
            QCOMPARE(std::pair(settingsOnDisk(folder).group, settingsOnDisk(folder).lastPuzzle), std::pair(2, 0));
        }
    }

    // Settings past every end open the first puzzle of the first group, in
    // silence, and keep the brick style for a build that has it. Cells too
    // large, of no pixels or negative: the group is shown, said once, and no
    // piece can be dragged.
    void oddSettingsAndCellSizesOpenTheFirstPuzzle()
    {
        const struct {
            std::int32_t group, lastPuzzle, brickStyle, cellWidth, cellHeight;
        } rows[] = {{4, 3, 12, 32, 20},     {-1, -1, -1, 32, 20}, {INT32_MAX, INT32_MIN, INT32_MAX, 32, 20},
                    {0, 0, 0, 1 << 30, 20}, {0, 0, 0, 32, 3},     {0, 0, 0, -32, 20}}; // 3 / 4 is 0 pixels a unit
        for (const auto& row : rows) {
            ProgramFolder folder;
            writeConfig(folder, row.group, row.lastPuzzle, row.brickStyle);
            ClGameFile file;
            fixtures::fillSmallGame(file);
            const bool drawable = file.header.cellWidth == row.cellWidth && file.header.cellHeight == row.cellHeight;
            file.header.cellWidth = row.cellWidth;
            file.header.cellHeight = row.cellHeight;
            QVERIFY(file.save(folder.path("Brick0.gam").toStdString()));
            Window window(folder);
            TFormMain& form = window.open();
            QCOMPARE(std::pair(form.currentGroup, window.game().puzzleIndex), std::pair(0, 0));
            QCOMPARE(form.gameInterface->settings.brickStyle, row.brickStyle);
            QCOMPARE(window.problems.size(), drawable ? 0 : 1);
            if (drawable)
                continue;
            QVERIFY(window.problems[0].contains("cannot be drawn"));
            form.playGameExecute();
            Mouse(&form).drag(pixelOf(8, 48, 1, 1), QPoint(100, 100));
            QCOMPARE(window.game().puzzle.pieces[0].x, 8);
        }
    }

    // Eight problems are listed by name, the rest counted, all in one box
    // that never blocks.
    void problemsMakeOneBoxThatNeverBlocks()
    {
        TProblemReport report;
        for (int i = 1; i <= TProblemReport::kMaxListed; ++i)
            report.add(QString("Problem %1.").arg(i));
        QVERIFY(report.text().endsWith("Problem 7.\nProblem 8.")); // at the limit, nothing more to count
        report.add("Problem 9.");
        report.add("Problem 9."); // said twice, listed once
        QVERIFY(report.text().endsWith("Problem 8.\n... and 1 more."));
        QCoreApplication::processEvents();
        QList<QMessageBox*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                shown << box;
        QCOMPARE(shown.size(), 1);
        QVERIFY(!QApplication::activeModalWidget());
        shown[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        report.add("Problem 10."); // a closed box's list is done with
        QCOMPARE(report.text(), QString("Problem 10."));
    }
};

QTEST_MAIN(MainformTest)
#include "MainformTest.moc"
