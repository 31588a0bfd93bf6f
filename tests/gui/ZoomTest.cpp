#include <optional>

#include <QTest>
#include <QTimer>

#include "Window.h"
#include "app/Chooseform.h"
#include "app/Gamewindow.h"
#include "app/Problemreport.h"
#include "app/Zoomview.h"

namespace {
// The game as the program runs it, on a throw-away program folder whose only
// picture is plain blue, on a screen of the given size, keys to its window.
struct ZoomedGame {
    explicit ZoomedGame(ProgramFolder& folder, QSize screen = {3840, 2160})
        : game(folder.bytes())
    {
        game.view.availableArea = [screen] { return QRect(QPoint(), screen); };
        problemReport().setReceiver([this](const QString& message) { problems << message; });
        game.form.show();
        game.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&game.view));
    }
    ~ZoomedGame() { problemReport().setReceiver(nullptr); }
    TGameView& view() { return game.view; }
    void keys(QKeyCombination key) { QTest::keyClick(&game.view, key.key(), key.keyboardModifiers()); }
    QImage screen() { return game.view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    ClGameControl& play() { return *game.form.gameInterface->gameControl; }

    TGameWindow game;
    QStringList problems;
};

QByteArray zoomFile(const ProgramFolder& folder)
{
    QFile file(folder.path("zoom.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void init() { folder.emplace().addPicture("blue.bmp", QColor(0, 0, 255)); }

    // At 1x the window shows the game's pixels unchanged; at 2x the bricks come
    // from the large art, in the same places (the art itself as HidpiTest checks
    // it). The mouse works in the game's own pixels: a drop snaps exactly as at
    // 1x, and the buttons light up under it, keeping their lit face through a
    // zoom. The play key reaches the game through the window that shows it.
    void atTwiceTheSizeTheGameIsDrawnSharperAndPlaysAsAt1x()
    {
        ZoomedGame game(*folder);
        QCOMPARE(game.screen(), game.game.form.grab().toImage().convertToFormat(QImage::Format_RGB32));
        const TImgBtn& play = *game.game.form.FrameGameBoard1->imgPlay;
        Mouse(&game.view()).move(QPoint(130, 30)); // over Play at 1x and at 1.5x
        game.keys(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(play.shownPicture(), play.PicUp());
        QCOMPARE(play.shownPicture().devicePixelRatio(), 2.0); // at 1.5x from the large art
        game.keys(Qt::CTRL | Qt::Key_Equal);
        QCOMPARE(game.view().zoom(), 200);
        // Puzzle 0's bar lies at window pixels (64, 120).
        const QImage art(":/bricks/brick00@2x.png");
        QCOMPARE(rgb(game.screen().pixel(QPoint(128, 240) + QPoint(50, 20))), rgb(art.pixel(50, 20)));
        game.keys(Qt::Key_P);
        const auto bar = [&] { return QPoint(game.play().pieceInFileOrder(0)->x, game.play().pieceInFileOrder(0)->y); };
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return})
            game.keys(key);
        QCOMPARE(bar(), QPoint(8, 52));
        game.keys(Qt::ControlModifier | Qt::Key_Z);
        QCOMPARE(bar(), QPoint(8, 48));
        Mouse mouse(&game.view());
        mouse.drag(pixelOf(8, 48, 1, 1) * 2, pixelOf(9, 9, 1, 1) * 2);
        QCOMPARE(bar(), QPoint(8, 8));
        // The L into its own place completes the wall, and each frame of the
        // fade reaches the screen though no events run meanwhile.
        game.game.form.FrameGameBoard1->fadeMilliseconds = 0;
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        FadeFrames fade(game.view().viewport(), *game.game.form.FrameGameBoard1);
        mouse.drag(pixelOf(40, 56, 1, 1) * 2, pixelOf(33, 9, 1, 1) * 2);
        QCOMPARE(fade.colours.size(), 26);
        mouse.move(QPoint(120, 30) * 2);
        QCOMPARE(play.shownPicture(), play.PicUp());
        QCOMPARE(play.shownPicture().devicePixelRatio(), 2.0);
    }

    // The zoom is kept over a restart in a file of its own. Remembered at 3x,
    // on a smaller screen the window opens at the largest step the screen
    // takes, and grows no further; the choice is kept until the player makes
    // another. Full screen fills the screen at any size; Ctrl+0 returns to
    // the game's own size. A step that fits the screen exactly is reached.
    void theZoomIsKeptAndOpensAtTheLargestStepThatFits()
    {
        {
            ZoomedGame game(*folder);
            for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Plus})
                game.keys(Qt::CTRL | key);
            QCOMPARE(zoomFile(*folder), QByteArray("300\n"));
        }
        QCOMPARE(QFileInfo(folder->path("config.dat")).size(), qint64(ClSettings::kSize));
        ZoomedGame game(*folder, {1000, 800});
        QCOMPARE(game.view().zoom(), 150);
        game.keys(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(game.view().zoom(), 150);
        QCOMPARE(zoomFile(*folder), QByteArray("300\n"));

        game.keys(Qt::Key_F11);
        QVERIFY(game.view().isFullScreen());
        const QSize screen = game.view().screen()->geometry().size();
        QTRY_COMPARE(game.view().shownScale(), std::min(screen.width() / 640.0, screen.height() / 480.0));
        game.keys(Qt::Key_F11);
        QTRY_COMPARE(game.view().size(), QSize(960, 720));
        game.keys(Qt::CTRL | Qt::Key_0);
        QCOMPARE(game.view().size(), QSize(640, 480));
        QCOMPARE(zoomFile(*folder), QByteArray("100\n"));

        ZoomedGame exact(*folder);
        const QMargins frame = exact.view().windowHandle()->frameMargins();
        exact.view().availableArea = [frame] { return QRect(0, 0, 1280, 960).marginsAdded(frame); };
        for (int step = 0; step < 3; ++step)
            exact.keys(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(exact.view().zoom(), 200);
    }

    // A dialog opens at the scale the game is shown at, zoomed or in full
    // screen, and its keys reach it.
    void dialogsFollowTheZoom_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("at 2x") << false;
        QTest::newRow("in full screen") << true;
    }
    void dialogsFollowTheZoom()
    {
        QFETCH(bool, fullScreen);
        ZoomedGame game(*folder);
        if (fullScreen)
            game.view().toggleFullScreen();
        else
            game.view().zoomIn(), game.view().zoomIn();
        QTRY_VERIFY(game.view().shownScale() > 1);
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            const auto* chooser = game.view().findChild<TFormChoose*>();
            QVERIFY(window && chooser);
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window);
            QCOMPARE(window->size(), (QSizeF(chooser->size()) * game.view().shownScale()).toSize());
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Return})
                QTest::keyClick(window, key);
        });
        game.keys(Qt::Key_G);
        QCOMPARE(game.play().puzzleIndex, 1);
    }

private:
    std::optional<ProgramFolder> folder;
};

QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
