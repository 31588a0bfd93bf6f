#include <sys/stat.h>

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "Window.h"
#include "app/Optionform.h"
#include "app/Problemreport.h"
#include "app/Selectform.h"

namespace {
void writeConfig(const ProgramFolder& folder, std::int32_t group, std::int32_t lastPuzzle, std::int32_t brickStyle)
{
    ClSettings settings;
    settings.group = group;
    settings.lastPuzzle = lastPuzzle;
    settings.brickStyle = brickStyle;
    settings.saveTo(folder.path("config.dat").toStdString());
}

// Answers the next modal dialog by clicking one of its image buttons.
void answerDialogWith(const char* buttonName)
{
    QTimer::singleShot(0, [buttonName] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* button = dialog->findChild<TImgBtn*>(buttonName);
        QVERIFY(button);
        Mouse(dialog).click(button->geometry().center());
    });
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
        QCOMPARE(window.game().puzzle.pieces[0].y, 12); // the finished wall, play units

        form.nextGameExecute();
        const qint64 shown = window.board().imgBack->picture.cacheKey();
        form.nextGameExecute(); // the last puzzle: not even a redraw
        QCOMPARE(window.board().imgBack->picture.cacheKey(), shown);
        form.prevGameExecute();
        form.prevGameExecute();
        QCOMPARE(window.game().puzzleIndex, 0);
        const qint64 first = window.board().imgBack->picture.cacheKey();
        form.prevGameExecute();
        QCOMPARE(window.board().imgBack->picture.cacheKey(), first);
        QCOMPARE(form.gameInterface->settings.lastPuzzle, 0);
    }

    // Each button and each of its keys fires its own action and nothing else;
    // Ctrl+Q quits, and no key acts while a dialog is open.
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
        // What a press did: on the middle puzzle shown, so both steps can
        // go, or on the first in play, whose bricks lie on the bond for hints.
        const auto actionsOf = [&](bool playing, const std::function<void()>& press) {
            const std::int32_t shown = playing ? 0 : 1;
            form.gameInterface->selectPuzzle(shown);
            board.ShowLevelPicture();
            if (playing)
                form.playGameExecute();
            const ClPuzzle before = game.puzzle;
            fired.clear();
            press();
            if (game.puzzleIndex != shown)
                fired << (game.puzzleIndex < shown ? "prev" : "next");
            if (!playing && board.PaintBox1->isEnabled())
                fired << "play";
            for (std::size_t i = 0; playing && i < before.pieces.size(); ++i)
                if (game.puzzle.pieces[i].cells() != before.pieces[i].cells()) {
                    fired << "hint";
                    break;
                }
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
        QVERIFY2(window.problems.isEmpty(), qPrintable(window.problems.join("; ")));

        form.showOptions = [&](std::int32_t& sound, std::int32_t& music, std::int32_t& style) {
            QTimer::singleShot(0, [] {
                for (Qt::Key key : {Qt::Key_O, Qt::Key_Right, Qt::Key_S, Qt::Key_Escape})
                    QTest::keyClick(QApplication::activeModalWidget(), key);
            });
            fired << "option";
            return ShowOptions(sound, music, style);
        };
        QCOMPARE(actionsOf(false, [&] { QTest::keyClick(&form, Qt::Key_O); }), QStringList{"option"});

        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form.isVisible());
    }

    // Solved with hints, the puzzle is on disk at once (a killed game loses
    // nothing), marked after a restart, counted in the selection, and a later
    // solve without hints upgrades it.
    void solvedPuzzlesAreRememberedAndMarked()
    {
        ProgramFolder folder;
        const auto solve = [](Window& window, bool withHints) {
            TFormMain& form = *window.form;
            form.FrameGameBoard1->fadeMilliseconds = 0;
            form.playGameExecute();
            if (!withHints) { // the pieces straight to their places, as a player would drag them
                ClGameControl& game = window.game();
                for (std::size_t i = 0; i < game.puzzle.pieces.size(); ++i) {
                    const ClPiece& solved = game.gameData->puzzles[0].pieces[i];
                    game.selectedPiece = &game.puzzle.pieces[i];
                    game.movePiece(game.selectedPiece, solved.x * kBrickScale, solved.y * kBrickScale);
                }
                game.selectedPiece = nullptr;
                // The last drop, by the mouse.
                const ClPoint brick = game.puzzle.pieces[0].cells()[0];
                Mouse(&form).drag(pixelOf(brick.x, brick.y, 2, 2), pixelOf(brick.x, brick.y, 2, 2));
            }
            for (int press = 0; press < 4 && window.board().PaintBox1->isEnabled(); ++press)
                form.hintExecute();
        };
        const auto markPixels = [](Window& window) {
            int gold = 0;
            for (int y = 60; y < 84; ++y)
                for (int x = 60; x < 140; ++x)
                    gold += window.wallPixel(x, y) == (qRgb(255, 200, 0) & 0xffffff);
            return gold;
        };
        {
            Window window(folder);
            window.open();
            QCOMPARE(markPixels(window), 0);
            solve(window, true);
            QCOMPARE(QFileInfo(folder.path("progress.dat")).size(), qint64(ClProgress::kHeaderSize + ClProgress::kEntrySize));
        }
        Window window(folder);
        TFormMain& form = window.open();
        QCOMPARE(form.gameInterface->solvedState(), Solved::WithHelp);
        const int outline = markPixels(window);
        QVERIFY(outline > 10);
        QCOMPARE(form.gameInterface->solvedInGroup(0), std::make_pair(1, 3));
        solve(window, false);
        QCOMPARE(form.gameInterface->solvedState(), Solved::Alone);
        QVERIFY(markPixels(window) > outline); // the star is filled now

        QStringList shownCounts;
        QTimer::singleShot(0, [&] {
            for (QLabel* label : QApplication::activeModalWidget()->findChildren<QLabel*>())
                shownCounts << label->text();
            QApplication::activeModalWidget()->close();
        });
        form.selectGameExecute();
        QCOMPARE(shownCounts, QStringList({"1/3", "0/0", "0/0", "0/0"}));
    }

    void selectingAGroupLoadsItAndKeepsTheRememberedPuzzle()
    {
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick2.gam"));
        writeConfig(folder, 0, 1, 0);
        Window window(folder);
        TFormMain& form = window.open();
        form.playGameExecute();

        form.showSelection = [](std::int32_t&, bool&) { return true; }; // the same group
        form.selectGameExecute();
        form.showSelection = [](std::int32_t&, bool&) { return false; }; // cancelled
        form.selectGameExecute();
        QVERIFY(window.board().PaintBox1->isEnabled()); // neither changed anything
        form.showSelection = [](std::int32_t& group, bool&) { return group = 2, true; };
        form.selectGameExecute();
        QCOMPARE(form.currentGroup, 2);
        QCOMPARE(window.game().puzzleIndex, 0);
        QVERIFY(!window.board().PaintBox1->isEnabled());
        QCOMPARE(window.game().gameData->header.cellWidth, 8); // converted once
        QCOMPARE(form.gameInterface->settings.group, 2);
        QCOMPARE(form.gameInterface->settings.lastPuzzle, 1);

        // A group whose file is missing: said once, and the loaded group stays.
        form.showSelection = [](std::int32_t& group, bool&) { return group = 3, true; };
        form.selectGameExecute();
        QCOMPARE(window.problems.size(), 1);
        QVERIFY(window.problems[0].contains("Brick3.gam"));
        QCOMPARE(form.currentGroup, 2);
        QCOMPARE(window.game().gameData->header.cellWidth, 8);
    }

    // What the player confirms is on disk before the window closes, and a
    // second window on the same settings never puts back what the first
    // changed.
    void everyConfirmedChangeIsOnDiskAtOnce()
    {
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick2.gam"));
        const auto onDisk = [&] {
            ClSettings settings;
            settings.loadFrom(folder.path("config.dat").toStdString());
            return settings;
        };
        Window first(folder), second(folder);
        TFormMain& a = first.open();
        TFormMain& b = second.open();
        a.nextGameExecute();
        QCOMPARE(onDisk().lastPuzzle, 1);
        a.showOptions = [](std::int32_t& sound, std::int32_t& music, std::int32_t& style) {
            return sound = 0, music = 0, style = 3, true;
        };
        a.FrameGameBoard1imgOptionClick();
        QCOMPARE(onDisk().brickStyle, 3);
        QCOMPARE(onDisk().soundOn, 0);
        b.showSelection = [](std::int32_t& group, bool&) { return group = 2, true; };
        b.selectGameExecute();
        QCOMPARE(onDisk().group, 2);
        QCOMPARE(onDisk().brickStyle, 3); // the second window never touched it
        b.showOptions = [](std::int32_t&, std::int32_t& music, std::int32_t&) { return music = 1, false; };
        b.FrameGameBoard1imgOptionClick(); // cancelled: nothing written
        QCOMPARE(onDisk().musicOn, 0);
        first.close();
        second.close();
        const ClSettings last = onDisk();
        QCOMPARE(last.lastPuzzle, 1);
        QCOMPARE(last.brickStyle, 3);
        QCOMPARE(last.group, 2);
    }

    void optionsRedrawInPlace()
    {
        Window window;
        TFormMain& form = window.open();
        form.playGameExecute();
        ClGameControl& game = window.game();
        ClPiece* bar = game.pickPiece(8, 48);
        game.movePiece(bar, 20, 30);
        game.selectedPiece = nullptr;
        form.showOptions = [](std::int32_t&, std::int32_t&, std::int32_t& style) { return style = 4, true; };
        form.FrameGameBoard1imgOptionClick();
        QVERIFY(window.board().PaintBox1->isEnabled());
        QCOMPARE(game.puzzle.pieces[0].x, 20);
    }

    void oddSettingsOpenTheFirstPuzzleOfTheFirstGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("lastPuzzle");
        QTest::addColumn<int>("brickStyle");
        QTest::newRow("one past") << 4 << 3 << 12;
        QTest::newRow("negative") << -1 << -1 << -1;
        QTest::newRow("int32 limits") << INT32_MAX << INT32_MIN << INT32_MAX;
    }

    void oddSettingsOpenTheFirstPuzzleOfTheFirstGroup()
    {
        QFETCH(int, group);
        QFETCH(int, lastPuzzle);
        QFETCH(int, brickStyle);
        ProgramFolder folder;
        writeConfig(folder, group, lastPuzzle, brickStyle);
        Window window(folder);
        TFormMain& form = window.open();
        QCOMPARE(form.currentGroup, 0);
        QVERIFY(window.problems.isEmpty());
        QCOMPARE(window.game().puzzleIndex, 0);
        form.playGameExecute();
        QVERIFY(window.board().PaintBox1->isEnabled());
        QCOMPARE(form.gameInterface->settings.brickStyle, brickStyle); // kept, not lost
    }

    void absurdCellSizesShowTheGroupWithoutPlay_data()
    {
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cellHeight");
        QTest::newRow("huge") << (1 << 30) << 20;
        QTest::newRow("zero") << 32 << 3; // 3 / 4 is 0 pixels per play unit
        QTest::newRow("negative") << -32 << 20;
    }

    void absurdCellSizesShowTheGroupWithoutPlay()
    {
        QFETCH(int, cellWidth);
        QFETCH(int, cellHeight);
        ProgramFolder folder;
        ClGameFile file;
        fixtures::fillSmallGame(file);
        file.header.cellWidth = cellWidth;
        file.header.cellHeight = cellHeight;
        QVERIFY(file.save(folder.path("Brick0.gam").toStdString()));
        Window window(folder);
        TFormMain& form = window.open();
        form.playGameExecute();
        Mouse(&form).drag(pixelOf(8, 48, 1, 1), QPoint(100, 100));
        QVERIFY(!window.board().dragging);
        QCOMPARE(window.game().puzzle.pieces[0].x, 8);
        QCOMPARE(window.problems.size(), 1); // said once, when the group opens
        QVERIFY(window.problems[0].contains("cannot be drawn"));
    }

    // A Latin-1 folder name, and FIFOs where the settings and the group
    // should be: the window opens, says what is wrong, and writes nothing.
    void anOddFolderWithFifosOpensAndSaysWhatIsWrong()
    {
        ProgramFolder base;
        const QByteArray folder = base.bytes() + "/caf\xe9";
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
        QVERIFY(::mkfifo((folder + "/config.dat").constData(), 0644) == 0);
        QVERIFY(::mkfifo((folder + "/Brick1.gam").constData(), 0644) == 0);
        ClGameFile group;
        fixtures::fillSmallGame(group);
        QVERIFY(group.save((folder + "/Brick0.gam").toStdString()));

        QStringList problems;
        problemReport().setReceiver([&](const QString& message) { problems << message; });
        const auto restore = qScopeGuard([] { problemReport().setReceiver(nullptr); });
        {
            TFormMain form(folder);
            form.show();
            QCOMPARE(form.gameInterface->settingsPath(), folder + "/config.dat");
            QCOMPARE(form.gameInterface->gameControl->gameData->puzzles.size(), group.puzzles.size());
            form.showSelection = [](std::int32_t& chosen, bool&) { return chosen = 1, true; };
            form.selectGameExecute();
            QCOMPARE(form.currentGroup, 0);
        }
        QCOMPARE(problems.size(), 2);
        QVERIFY2(problems[0].contains("config.dat\" cannot be read: it is a FIFO, not a file"), qPrintable(problems[0]));
        QVERIFY2(problems[1].contains("Brick1.gam\" cannot be opened: it is a FIFO, not a file"), qPrintable(problems[1]));
        struct stat info {};
        QVERIFY(::stat((folder + "/config.dat").constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        // Nothing new beside the game or in its folder: Brick0.gam and the odd folder; the two FIFOs and Brick0.gam.
        QCOMPARE(fixtures::entriesIn(base.bytes().toStdString()), std::size_t(2));
        QCOMPARE(fixtures::entriesIn(folder.toStdString()), std::size_t(3));
    }

    // Eight problems are listed by name, the rest counted, all in one box
    // that never blocks.
    void problemsMakeOneBoxThatNeverBlocks()
    {
        TProblemReport report;
        for (int i = 1; i <= TProblemReport::kMaxListed; ++i)
            report.add(QString("Problem %1.").arg(i));
        QCOMPARE(report.text().count('\n'), TProblemReport::kMaxListed - 1);
        QVERIFY(report.text().endsWith("Problem 8."));
        report.add("Problem 9.");
        report.add("Problem 9."); // said twice, listed once
        QVERIFY(report.text().endsWith("Problem 8.\n... and 1 more."));
        QCoreApplication::processEvents();
        const auto boxes = QApplication::topLevelWidgets();
        const auto shown = std::count_if(boxes.begin(), boxes.end(), [](QWidget* w) {
            return qobject_cast<QMessageBox*>(w) && w->isVisible();
        });
        QCOMPARE(shown, 1);
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget* w : boxes)
            if (qobject_cast<QMessageBox*>(w))
                w->close();
    }

    void dialogsCarryValuesBackOnlyOnConfirm()
    {
        std::int32_t group = 5;
        answerDialogWith("ok");
        QVERIFY(ShowSelection(group));
        QCOMPARE(group, 5); // nothing was checked
        answerDialogWith("cancel");
        QVERIFY(!ShowSelection(group));

        std::int32_t sound = 7, music = 0, style = 9;
        answerDialogWith("ok");
        QVERIFY(ShowOptions(sound, music, style));
        QCOMPARE(std::tuple(sound, music, style), std::tuple(1, 0, 0)); // never a style the board does not have
        answerDialogWith("cancel");
        QVERIFY(!ShowOptions(sound, music, style));

        // Return confirms and Escape cancels, as in any dialog.
        for (const auto& [key, confirmed] : {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_Escape, false}}) {
            QTimer::singleShot(0, [key = key] {
                QWidget* dialog = QApplication::activeModalWidget();
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
                if (dialog->isVisible()) // not heard: end it, so the test fails instead of waiting
                    static_cast<QDialog*>(dialog)->done(0);
            });
            QCOMPARE(ShowSelection(group), confirmed);
        }
    }
};

QTEST_MAIN(MainformTest)
#include "MainformTest.moc"
