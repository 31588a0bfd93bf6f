#include <QTest>
#include <QTimer>

#include "Soundrecorder.h"
#include "Window.h"
#include "app/Keyplay.h"

// Mouse play on the small test group, puzzle 0: a bar of three bricks (shape 0,
// start at play (8, 48), place in the wall at (8, 8)) and an L (shape 1, start
// (40, 56), place (32, 8)).

// Where the piece a hint moves is drawn, at every repaint of the field while
// it slides, and the field it slides over.
struct SlideFrames : QObject {
    explicit SlideFrames(TFrameGameBoard& board)
        : board(board)
    {
        board.PaintBox1->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            origins << QPoint(board.dragLeft, board.dragTop);
            field = board.backBuffer.copy();
        }
        return false;
    }
    TFrameGameBoard& board;
    QList<QPoint> origins;
    QImage field;
};

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

private slots:
    void init()
    {
        mouse.reset();
        window.reset(); // before the next one takes the problem reports
        window = std::make_unique<Window>();
        QVERIFY(window->openActive()); // else no shortcut reaches it
        TFormMain& form = *window->form;
        form.FrameGameBoard1->soundPlayer = &sounds;
        form.FrameGameBoard1->fadeMilliseconds = 0;
        form.playGameExecute();
        mouse = std::make_unique<Mouse>(&form);
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
        QVERIFY(QTest::qWaitForWindowExposed(window->form.get())); // else no frame is painted
        const QRgb wall = rgb(window->board().imgBack->picture.pixel(20, 110)), picture = qRgb(0, 0, 255) & 0xffffff;
        FadeFrames fade(window->board().imgBack, window->board(), QPoint(20, 110));
        window->board().slideMilliseconds = kAnHour;
        typeMeanwhile(window->form.get());
        mouse->drag(pixelOf(25, 9, 1, 1), pixelOf(33, 9, 1, 1));
        window->board().slideMilliseconds = 0;
        QCoreApplication::processEvents();
        QCOMPARE(window->game().puzzleIndex, 0);
        // Each channel mixed exactly, so a weight off by one percent shows.
        const auto mixed = [](int from, int to, int weight) { return (from * (100 - weight) + to * weight) / 100; };
        QCOMPARE(fade.colours.size(), 26);
        QVERIFY(qRed(wall) > 40);
        for (int k = 0; k < fade.colours.size(); ++k)
            QCOMPARE(fade.colours[k], qRgb(mixed(qRed(wall), qRed(picture), 4 * k),
                                           mixed(qGreen(wall), qGreen(picture), 4 * k),
                                           mixed(qBlue(wall), qBlue(picture), 4 * k)) & 0xffffff);
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
        QCOMPARE(window->game().puzzle.pieces[0].angle, 0);
        QCOMPARE(sounds.played, (std::vector<Sound>{Sound::Pick, Sound::Pick, Sound::Turn, Sound::Pick}));
        window->form->gameInterface->settings.soundOn = 0;
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
        QVERIFY(QTest::qWaitForWindowExposed(window->form.get())); // else no frame is painted
        const ClPuzzle before = window->game().puzzle;
        const QPoint atPlay = board.imgPlay->geometry().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(board.imgPlay, new QMouseEvent(type, QPointF(atPlay - board.imgPlay->pos()),
                                                                       QPointF(atPlay), Qt::LeftButton,
                                                                       Qt::LeftButton, Qt::NoModifier));
        SlideFrames frames(board);
        board.fadeMilliseconds = kAnHour;
        typeMeanwhile(window->form.get());
        const HintResult given = board.ShowHint();
        QCoreApplication::processEvents();
        QCOMPARE(sounds.played, std::vector<Sound>{Sound::Drop});
        QVERIFY(!window->form->keyPlay->chosen() && board.note().isEmpty() && window->game().puzzleIndex == 0);
        const auto& now = window->game().puzzle.pieces;
        const auto moved = std::count_if(now.begin(), now.end(), [&](const ClPiece& piece) {
            return std::none_of(before.pieces.begin(), before.pieces.end(),
                                [&](const ClPiece& lay) { return lay.cells() == piece.cells(); });
        });
        QCOMPARE(moved, std::ptrdiff_t(1)); // by the one hint

        QVERIFY(given.piece);
        const auto index = std::size_t(given.piece - window->game().puzzle.pieces.data());
        const auto pixels = [](ClPoint p) { return QPoint(p.x * 8, p.y * 5); };
        const QPoint travel = pixels(cornerOf(before.pieces[index].cells())) - pixels(cornerOf(given.piece->cells()));
        const QPoint origin = pixels({given.piece->x, given.piece->y});
        QVERIFY(frames.origins.size() > 8);
        QCOMPARE(frames.origins.first(), origin + travel);
        QCOMPARE(frames.origins.last(), origin);
        for (qsizetype k = 1; k < frames.origins.size(); ++k) // steadily nearer
            QVERIFY((origin - frames.origins[k]).manhattanLength()
                    <= (origin - frames.origins[k - 1]).manhattanLength());
        // Drawn in its place, and its start left bare.
        const QImage screen = window->screen();
        const ClPoint brick = given.piece->cells().front(), start = before.pieces[index].cells().front();
        QVERIFY(rgb(screen.pixel(pixelOf(brick.x, brick.y, 4, 2))) != (qRgb(0, 0, 255) & 0xffffff));
        QCOMPARE(rgb(screen.pixel(pixelOf(start.x, start.y, 4, 2))),
                 window->wallPixel(start.x * 8 + 4, kFieldTop + start.y * 5 + 2));
        QCOMPARE(rgb(frames.field.pixel(brick.x * 8 + 4, brick.y * 5 + 2)),
                 window->wallPixel(brick.x * 8 + 4, kFieldTop + brick.y * 5 + 2));
        QVERIFY(board.PaintBox1->isEnabled()); // the click on Play was dropped

        // Marked where it landed, for a moment; an undo slides it back, and
        // marks it there until the moment is over.
        const QRgb markColour = rgb(qRgb(255, 255, 0));
        QCOMPARE(rgb(screen.pixel(pixelOf(brick.x, brick.y, -1, 10))), markColour);
        board.landedMarkMilliseconds = 0;
        frames.origins.clear();
        window->form->undoExecute();
        QVERIFY(frames.origins.size() > 8);
        QCOMPARE(frames.origins.first(), origin);
        QCOMPARE(frames.origins.last(), pixels({before.pieces[index].x, before.pieces[index].y}));
        const QPoint startRim = pixelOf(start.x, start.y, -1, 10);
        QCOMPARE(rgb(window->screen().pixel(startRim)), markColour);
        QCoreApplication::processEvents();
        QVERIFY(rgb(window->screen().pixel(startRim)) != markColour);
    }
};

QTEST_MAIN(GestureTest)
#include "GestureTest.moc"
