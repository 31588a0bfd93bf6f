#include <set>

#include <QTest>

#include "Shippedgroups.h"

// Every puzzle of every shipped group, played with the mouse alone as a
// player would: Play, then for each piece right clicks until it faces the
// way its place in the wall needs, and a drag into that place.
class PlaythroughTest : public QObject {
    Q_OBJECT
private:
    void playPuzzle(Window& window, std::int32_t index)
    {
        Mouse mouse(window.form.get());
        ClGameControl& game = window.game();
        mouse.click(window.board().imgPlay->geometry().center());
        for (std::size_t i = 0; i < game.puzzle.pieces.size(); ++i) {
            const ClPoints wanted = placeInWall(game.gameData->puzzles[std::size_t(index)].pieces[i]);
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
    void everyShippedPuzzleCanBePlayed_data() { addShippedGroupRows(); }
    void everyShippedPuzzleCanBePlayed()
    {
        QFETCH(int, group);
        playEveryPuzzle(group, [this](Window& w, SoundRecorder&, std::int32_t index) { playPuzzle(w, index); });
    }

    // A held piece looks exactly as it does lying, brick by brick, only
    // shifted with the mouse: each shape of a shipped puzzle, in every style.
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
        for (int style = 0; style < kBrickStyles; ++style) {
            form.gameInterface->settings.brickStyle = style;
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
        }
        QCOMPARE(shapes.size(), std::size_t(5));
    }
};

QTEST_MAIN(PlaythroughTest)
#include "PlaythroughTest.moc"
