#include <algorithm>

#include <QFile>
#include <QTest>

#include "Soundrecorder.h"
#include "Window.h"
#include "game/Checkerboard.h"

// Every puzzle of every shipped group, played with the mouse alone as a
// player would: Play, then for each piece right clicks until it faces the
// way its place in the wall needs, and a drag into that place.
namespace {

ClPoints sortedRelative(ClPoints cells)
{
    std::sort(cells.begin(), cells.end(), [](ClPoint a, ClPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    const ClPoint first = cells.empty() ? ClPoint{} : cells.front();
    for (auto& c : cells)
        c = {c.x - first.x, c.y - first.y};
    return cells;
}

ClPoint topLeft(const ClPoints& cells)
{
    return *std::min_element(cells.begin(), cells.end(),
                             [](ClPoint a, ClPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
}

} // namespace

class PlaythroughTest : public QObject {
    Q_OBJECT
private:
    // A point a little inside the brick at a play anchor, in window pixels.
    static QPoint inside(ClPoint anchor) { return {anchor.x * 8 + 5, 80 + anchor.y * 5 + 3}; }

    ClPiece* pieceCovering(ClGameControl& game, const ClPoints& cells)
    {
        for (auto& piece : game.puzzle.pieces)
            if (piece.cells() == cells)
                return &piece;
        return nullptr;
    }

    void playPuzzle(Window& window, Mouse& mouse, SoundRecorder& sounds, std::int32_t index)
    {
        TFormMain& form = *window.form;
        ClGameControl& game = window.game();
        form.gameInterface->selectPuzzle(index);
        form.FrameGameBoard1->ShowLevelPicture();
        mouse.click(window.board().imgPlay->geometry().center());
        QVERIFY(window.board().PaintBox1->isEnabled());

        // Right after Play the pieces stand in the order of the file.
        const ClPuzzle& record = game.gameData->puzzles[std::size_t(index)];
        std::vector<ClPoints> starts;
        std::vector<ClPoints> places;
        for (std::size_t i = 0; i < record.pieces.size(); ++i) {
            starts.push_back(game.puzzle.pieces[i].cells());
            ClPiece solved = record.pieces[i];
            solved.x *= kBrickScale;
            solved.y *= kBrickScale;
            places.push_back(solved.cells());
        }
        sounds.played.clear();
        for (std::size_t i = 0; i < starts.size(); ++i) {
            ClPiece* piece = pieceCovering(game, starts[i]);
            QVERIFY2(piece, qPrintable(QString("piece %1 is not where it started").arg(i)));
            // The brick under the mouse keeps its place while the piece turns,
            // so the same point serves for every click.
            const ClPoint handle = topLeft(starts[i]);
            for (int turns = 0; sortedRelative(piece->cells()) != sortedRelative(places[i]); ++turns) {
                QVERIFY2(turns < 8, qPrintable(QString("piece %1 never faces its place").arg(i)));
                mouse.click(inside(handle), Qt::RightButton);
                piece = &game.puzzle.pieces[0];
            }
            const ClPoint shift = {topLeft(places[i]).x - topLeft(piece->cells()).x,
                                   topLeft(places[i]).y - topLeft(piece->cells()).y};
            const ClPoint to = topLeft(places[i]);
            // Dropped a play unit off its place, so the snap has work to do.
            mouse.drag(inside(handle), inside({handle.x + shift.x + 1, handle.y + shift.y + 1}), 6);
            ClPoints now = game.puzzle.pieces[0].cells();
            QVERIFY2(sortedRelative(now) == sortedRelative(places[i]) && topLeft(now) == to,
                     qPrintable(QString("piece %1 did not snap into its place: at %2,%3 not %4,%5")
                                    .arg(i).arg(topLeft(now).x).arg(topLeft(now).y).arg(to.x).arg(to.y)));
        }
        QVERIFY(std::find(sounds.played.begin(), sounds.played.end(), Sound::Solve) != sounds.played.end());
        QVERIFY(!window.board().PaintBox1->isEnabled());
        QVERIFY(window.board().imgPlay->isVisible());
        // The level picture: no shaded wall left over the picture.
        QCOMPARE(window.board().imgBack->picture.pixel(5, 470), form.gameInterface->background.pixel(5, 470));
    }

private slots:
    void everyShippedPuzzleCanBePlayed_data()
    {
        QTest::addColumn<int>("group");
        for (int group = 0; group < 4; ++group)
            QTest::newRow(qPrintable(QString("group %1").arg(group))) << group;
    }

    void everyShippedPuzzleCanBePlayed()
    {
        QFETCH(int, group);
        ProgramFolder folder;
        const QString shipped = QString(PUZZLE_DIR "/Brick%1.gam").arg(group);
        QFile::remove(folder.path("Brick0.gam"));
        QVERIFY(QFile::copy(shipped, folder.path("Brick0.gam")));
        Window window(folder);
        TFormMain& form = window.open();
        SoundRecorder sounds;
        form.FrameGameBoard1->soundPlayer = &sounds;
        form.FrameGameBoard1->fadeMilliseconds = 0;
        Mouse mouse(&form);
        const auto count = std::int32_t(window.game().gameData->puzzles.size());
        QVERIFY(count >= 60);
        for (std::int32_t index = 0; index < count; ++index) {
            playPuzzle(window, mouse, sounds, index);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("group %1, puzzle %2").arg(group).arg(index + 1)));
        }
    }
};

QTEST_MAIN(PlaythroughTest)
#include "PlaythroughTest.moc"
