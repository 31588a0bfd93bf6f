#include <set>

#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "Soundrecorder.h"
#include "Window.h"
#include "app/Chooseform.h"
#include "app/Selectform.h"
#include "game/Playerchoices.h"
#include "game/Regions.h"

namespace {
// The brick anchor that comes first row by row: where a piece stands,
// whichever way it faces.
ClPoint topLeft(const ClPoints& cells)
{
    return *std::min_element(cells.begin(), cells.end(), RowMajorOrder{});
}

// The folder's group 0 made a copy of a shipped group.
bool useShippedGroup(ProgramFolder& folder, int group)
{
    QFile::remove(folder.path("Brick0.gam"));
    return QFile::copy(QString(PUZZLE_DIR "/Brick%1.gam").arg(group), folder.path("Brick0.gam"));
}

// Gold pixels of each tile: none unsolved, a few for the outline, most for the filled star.
std::vector<int> goldOnTiles(TPuzzleTiles& tiles)
{
    const QImage shot = tiles.grab().toImage();
    std::vector<int> gold;
    for (int i = 0; i < tiles.count(); ++i)
        gold.push_back(int(pixelsOf(shot, kGold, tiles.tileRect(i)).size()));
    return gold;
}
} // namespace

// Every puzzle of every shipped group, played with the mouse alone as a
// player would: Play, then for each piece
// right clicks until it faces the way its place in the wall needs, and a
// drag into that place. And the chooser of a group's puzzles.
class PlaythroughTest : public QObject {
    Q_OBJECT
private:
    void playPuzzle(Window& window, std::int32_t index)
    {
        Mouse mouse(window.form.get());
        ClGameControl& game = window.game();
        mouse.click(window.board().imgPlay->geometry().center());
        for (std::size_t i = 0; i < game.puzzle.pieces.size(); ++i) {
            ClPiece inWall = game.gameData->puzzles[std::size_t(index)].pieces[i]; // its place, in file units
            inWall.x *= kBrickScale;
            inWall.y *= kBrickScale;
            const ClPoints wanted = inWall.cells();
            // Picking moves it in the list: it is found by its place in the file.
            const auto cells = [&] { return game.pieceInFileOrder(i)->cells(); };
            // The brick under the mouse keeps its place while the piece turns,
            // so the same point serves for every click.
            const ClPoint handle = topLeft(cells());
            for (int turns = 0; normalised(cells()) != normalised(wanted); ++turns) {
                QVERIFY2(turns < kMostTurns, qPrintable(QString("piece %1 never faces its place").arg(i)));
                mouse.click(pixelOf(handle.x, handle.y, 5, 3), Qt::RightButton);
            }
            const ClPoint to = topLeft(wanted), from = topLeft(cells());
            // Dropped a play unit off its place, so the snap has work to do.
            mouse.drag(pixelOf(handle.x, handle.y, 5, 3),
                       pixelOf(handle.x + to.x - from.x + 1, handle.y + to.y - from.y + 1, 5, 3), 6);
            const ClPoints now = cells();
            QVERIFY2(normalised(now) == normalised(wanted) && topLeft(now) == to,
                     qPrintable(QString("piece %1 did not snap into its place").arg(i)));
        }
        QVERIFY(!window.board().PaintBox1->isEnabled());
        // The level picture: no shaded wall left over the picture.
        QCOMPARE(window.board().imgBack->picture.pixel(5, 470), window.form->gameInterface->background.pixel(5, 470));
    }

private slots:
    void everyShippedPuzzleCanBePlayed_data()
    {
        QTest::addColumn<int>("group");
        for (int group = 0; group < kGroupCount; ++group)
            QTest::newRow(qPrintable(QString("group %1").arg(group))) << group;
    }
    // Stopping at the first puzzle that fails, and naming it.
    void everyShippedPuzzleCanBePlayed()
    {
        QFETCH(int, group);
        ProgramFolder folder;
        QVERIFY(useShippedGroup(folder, group));
        Window window(folder);
        window.open();
        SoundRecorder quiet;
        window.board().soundPlayer = &quiet;
        window.board().fadeMilliseconds = 0;
        const auto count = std::int32_t(window.game().gameData->puzzles.size());
        QVERIFY(count >= 60);
        for (std::int32_t index = 0; index < count && !QTest::currentTestFailed(); ++index) {
            window.showPuzzle(index);
            playPuzzle(window, index);
            if (QTest::currentTestFailed())
                qWarning("group %d, puzzle %d", group, index + 1);
        }
    }

    // A held piece looks exactly as it does lying, brick by brick, only
    // shifted with the mouse: each shape of a shipped puzzle.
    void aHeldPieceIsDrawnAsItLies()
    {
        ProgramFolder folder;
        QVERIFY(useShippedGroup(folder, 0));
        Window window(folder);
        TFormMain& form = window.open();
        Mouse mouse(&form);
        const TFrameGameBoard& board = window.board();
        const int cw = board.cellWidth(), ch = board.cellHeight();
        std::set<std::int32_t> shapes;
        for (std::size_t i = 0; i < window.game().puzzle.pieces.size(); ++i) {
            form.playGameExecute();
            const ClPiece piece = window.game().puzzle.pieces[i];
            shapes.insert(piece.shapeIndex);
            const ClPoints bricks = piece.cells();
            const QPoint grip(bricks[0].x * cw + 5, kFieldTop + bricks[0].y * ch + 3);
            // Off toward the middle of the field by an odd number of pixels.
            const QPoint shift(grip.x() < kWindowWidth / 2 ? 13 : -13, grip.y() < kWindowHeight / 2 ? 7 : -7);
            const QImage lying = window.screen();
            mouse.press(grip);
            mouse.move(grip + shift);
            const QImage held = window.screen();
            mouse.release(grip + shift);
            for (const ClPoint& brick : bricks) {
                const QRect place(brick.x * cw, kFieldTop + brick.y * ch, 2 * kBrickScale * cw, kBrickScale * ch);
                QCOMPARE(held.copy(place.translated(shift)), lying.copy(place));
            }
        }
        QCOMPARE(shapes.size(), std::size_t(5));
    }

    // 130 puzzles, the first three solved: the current tile starts on the
    // fourth, and the rows beyond the sixth scroll into sight.
    void keysChooseOrCancel()
    {
        const struct {
            const char* what;
            QList<int> keys;
            int chosen; // -7: cancelled, the puzzle left as it was
        } cases[] = {
            {"Enter at once: the first unsolved", {Qt::Key_Return}, 3},
            {"arrows, stopping at the edge",
             {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter},
             2},
            {"a typed number", {Qt::Key_3, Qt::Key_7, Qt::Key_Return}, 36},
            {"a digit past the end starts anew, Backspace takes one back",
             {Qt::Key_5, Qt::Key_9, Qt::Key_9, Qt::Key_4, Qt::Key_Backspace, Qt::Key_1, Qt::Key_Return},
             90},
            {"the last number", {Qt::Key_1, Qt::Key_3, Qt::Key_0, Qt::Key_Return}, 129},
            {"Escape", {Qt::Key_3, Qt::Key_Escape}, -7},
        };
        std::vector<BestSolve> marks(130);
        marks[0].state = marks[2].state = Solved::Alone;
        marks[1].state = Solved::WithHelp;
        for (const auto& [what, keys, chosen] : cases) {
            bool focused = false, inSight = false;
            whenOpen<TFormChoose>([&, &keys = keys](TFormChoose& dialog) {
                focused = dialog.focusWidget() == dialog.tiles;
                for (int key : keys)
                    QTest::keyClick(dialog.tiles, Qt::Key(key));
                const QRect seen(-dialog.tiles->pos(), dialog.scrollBox->viewport()->size());
                inSight = seen.contains(dialog.tiles->tileRect(dialog.tiles->current()));
            });
            std::int32_t shown = -7;
            const bool confirmed = ShowChooser(shown, "Group", marks);
            QVERIFY2(confirmed == (chosen != -7) && shown == chosen && focused && inSight, what);
        }
        // With every puzzle solved, the current tile starts on the one shown.
        QCOMPARE(TFormChoose("Group", std::vector<BestSolve>(130, {Solved::Alone}), 77).tiles->current(), 77);
    }

    // A code typed over the tiles, its first digit included, goes on into the
    // code field, in either case; Enter there takes it, or says what is wrong
    // and stays. The tile after the group's is today's puzzle.
    void aCodeOrTodaysPuzzleCanBeChosen()
    {
        const PuzzleCode code{kGeneratorVersion, 1, Challenge::Hard, 7};
        const QString good = QString::fromStdString(codeText(code));
        const QString mistyped = good.left(10) + (good.endsWith('0') ? "1" : "0");
        for (const QString& typed : {good.toLower(), mistyped, QString()}) { // empty: today's tile
            QString said;
            whenOpen<TFormChoose>([&](TFormChoose& dialog) {
                for (int row = 0; typed.isEmpty() && row < 6; ++row)
                    QTest::keyClick(dialog.tiles, Qt::Key_Down);
                for (const QChar letter : typed)
                    QTest::keyClicks(dialog.focusWidget(), QString(letter));
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                said = dialog.lblGroup->text();
            });
            std::int32_t shown = 0;
            ChooserExtras extras;
            QCOMPARE(ShowChooser(shown, "Group", std::vector<BestSolve>(60), &extras), typed != mistyped);
            QCOMPARE(extras.todayChosen, typed.isEmpty());
            QCOMPARE(extras.code, typed == mistyped || typed.isEmpty() ? std::nullopt : std::optional(code));
            QCOMPARE(said.contains("mistyped"), typed == mistyped);
        }
    }

    // Key G over the shipped first group: the chooser shows the record of
    // solved puzzles and the current one's best; a click goes to puzzle 37,
    // which the next start returns to.
    void theChoiceIsShownAndKeptOverARestart()
    {
        ProgramFolder folder;
        QVERIFY(useShippedGroup(folder, 0));
        {
            Window window(folder);
            QVERIFY(window.openActive());
            TFormMain& form = *window.form;
            for (const auto& [index, withHelp] : {std::pair{0, false}, {1, true}, {2, false}, {4, true}})
                form.gameInterface->progress.record(window.game().gameData->puzzles[std::size_t(index)], withHelp,
                                                    {58'400 + 1'000 * std::uint32_t(index), 11});
            whenOpen<TFormChoose>([](TFormChoose& dialog) {
                QVERIFY(dialog.width() <= kWindowWidth && dialog.height() <= kWindowHeight);
                QCOMPARE(dialog.scrollBox->verticalScrollBar()->maximum(), 0); // all 60 in sight
                QCOMPARE(dialog.lblGroup->text() + " " + dialog.lblSolved->text(),
                         QString("Solid Wall (One Set) 4/60"));
                QCOMPARE(dialog.tiles->current(), 3);
                QCOMPARE(dialog.lblBest->text(), QString()); // unsolved
                QTest::keyClick(dialog.tiles, Qt::Key_Left);
                QCOMPARE(dialog.lblBest->text(), QString("Best: 1:00, 11 moves"));
                const std::vector<int> gold = goldOnTiles(*dialog.tiles);
                QVERIFY(gold[1] > 0 && gold[4] == gold[1] && gold[0] > gold[1] && gold[2] == gold[0]);
                // None on the rest but puzzle 5, nor on today's puzzle after them.
                QCOMPARE(std::count(gold.begin() + 3, gold.end(), 0), std::ptrdiff_t(57));
                Mouse(&dialog).click(dialog.tiles->mapTo(&dialog, dialog.tiles->tileRect(36).center()));
            });
            QTest::keyClick(&form, kChooseKey);
            QCOMPARE(form.gameInterface->settings.lastPuzzle, 36);
        }
        Window window(folder);
        window.open();
        QCOMPARE(window.game().puzzleIndex, 36);
    }

    // From Select, G (or the Choose button) confirms the group and opens the
    // chooser on it.
    void selectLeadsOnToTheChooserOfTheChosenGroup()
    {
        ProgramFolder folder;
        QFile::copy(folder.path("Brick0.gam"), folder.path("Brick1.gam"));
        Window window(folder);
        TFormMain& form = window.open();
        QString shownGroup;
        form.showChooser = [&](std::int32_t& puzzle, const QString& group, const std::vector<BestSolve>&,
                               ChooserExtras&) { return shownGroup = group, puzzle = 2, true; };
        whenOpen<TFormSelection>([](TFormSelection& dialog) {
            dialog.RadioButton2->setChecked(true);
            dialog.activateWindow();
            if (QTest::qWaitForWindowActive(&dialog))
                QTest::keyClick(&dialog, kChooseKey);
        });
        form.selectGameExecute();
        QCOMPARE(form.currentGroup, 1);
        QCOMPARE(shownGroup, QString("Wall with Hole (One Set)"));
        QCOMPARE(window.game().puzzleIndex, 2);
    }
};

QTEST_MAIN(PlaythroughTest)
#include "PlaythroughTest.moc"
