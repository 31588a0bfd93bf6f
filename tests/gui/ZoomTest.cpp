#include <cstring>
#include <optional>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

#include "Window.h"
#include "app/Chooseform.h"
#include "app/Dialogstyle.h"
#include "app/Gameparts.h"
#include "app/Optionform.h"
#include "app/Scaledwindow.h"
#include "view/Artblocks.h"
#include "app/Selectform.h"
#include "view/Imagetool.h"

namespace {
// The game as the program runs it, on a throw-away program folder whose only
// picture is plain blue, on a screen of the given size, keys to its window.
struct ZoomedGame {
    explicit ZoomedGame(ProgramFolder& folder, QSize screen = {3840, 2160})
        : game(folder.bytes())
    {
        game.view.availableArea = [screen] { return QRect(QPoint(), screen); };
        problemReport().setReceiver([](const QString&) {}); // no box over the game
        game.form.show();
        game.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&game.view));
    }
    ~ZoomedGame() { problemReport().setReceiver(nullptr); }
    TGameView& view() { return game.view; }
    void keys(QKeyCombination key) { QTest::keyClick(&game.view, key.key(), key.keyboardModifiers()); }
    // As the player has it: a step, or full screen (0).
    void size(int percent)
    {
        if (percent == 0)
            return keys(Qt::Key_F11);
        while (view().zoom() < percent)
            keys(Qt::CTRL | Qt::Key_Plus);
    }
    QImage screen() { return game.view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    ClGameControl& play() { return *game.form.gameInterface->gameControl; }

    GameParts game;
};

QByteArray zoomFile(const ProgramFolder& folder)
{
    return QByteArray::fromStdString(fixtures::contentOf(folder.path("zoom.dat").toStdString()));
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
    // zoom. (That keys reach the game through the window that shows it, the
    // dialog case shows at every zoom.)
    void atTwiceTheSizeTheGameIsDrawnSharperAndPlaysAsAt1x()
    {
        ZoomedGame game(*folder);
        QCOMPARE(game.screen(), game.game.form.grab().toImage().convertToFormat(QImage::Format_RGB32));
        const TImgBtn& play = *game.game.form.FrameGameBoard1->imgPlay;
        Mouse(&game.view()).move(QPoint(130, 30)); // over Play at 1x and at 1.5x
        game.keys(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(play.shownPicture(), play.PicUp());
        QVERIFY(play.PicUp() != play.Pic());                   // lit, not resting
        QCOMPARE(play.shownPicture().devicePixelRatio(), 2.0); // at 1.5x from the large art
        game.keys(Qt::CTRL | Qt::Key_Equal);
        QCOMPARE(game.view().zoom(), 200);
        // Puzzle 0's bar lies at window pixels (64, 120).
        const QImage art(":/bricks/brick00@2x.png");
        QCOMPARE(rgb(game.screen().pixel(QPoint(128, 240) + QPoint(50, 20))), rgb(art.pixel(50, 20)));
        game.keys(Qt::Key_P);
        const auto bar = [&] { return QPoint(game.play().pieceInFileOrder(0)->x, game.play().pieceInFileOrder(0)->y); };
        Mouse mouse(&game.view());
        mouse.drag(pixelOf(8, 48, 1, 1) * 2, pixelOf(9, 9, 1, 1) * 2);
        QCOMPARE(bar(), QPoint(8, 8));
        // The L into its own place completes the wall, and each frame of the
        // fade reaches the screen though no events run meanwhile.
        game.game.form.FrameGameBoard1->fadeMilliseconds = 0;
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        QList<QRgb> fade;
        const auto spy = fadeFrames(game.view().viewport(), *game.game.form.FrameGameBoard1, fade);
        mouse.drag(pixelOf(40, 56, 1, 1) * 2, pixelOf(33, 9, 1, 1) * 2);
        QCOMPARE(fade.size(), 26);
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
        {
            ZoomedGame game(*folder, {1000, 800});
            QCOMPARE(game.view().zoom(), 150);
            game.keys(Qt::CTRL | Qt::Key_Plus);
            QCOMPARE(game.view().zoom(), 150);
            QCOMPARE(zoomFile(*folder), QByteArray("300\n"));

            // Back from full screen, again and again, the window stands exactly where it stood.
            const QRect normal = game.view().frameGeometry();
            for (int toggle = 0; toggle < 3; ++toggle) {
                game.keys(Qt::Key_F11);
                QVERIFY(game.view().isFullScreen());
                const QSize screen = game.view().screen()->geometry().size();
                QTRY_COMPARE(game.view().shownScale(), std::min(screen.width() / 640.0, screen.height() / 480.0));
                game.keys(Qt::Key_F11);
                QTRY_COMPARE(game.view().frameGeometry(), normal);
            }
            game.keys(Qt::CTRL | Qt::Key_0);
            QCOMPARE(game.view().size(), QSize(640, 480));
            QCOMPARE(zoomFile(*folder), QByteArray("100\n"));
            // Sized by its border, the game fits itself in, and the size is kept;
            // the zoom keys step on from the scale shown.
            game.view().resize(900, 600);
            QCOMPARE(game.view().shownScale(), 1.25);
            game.keys(Qt::CTRL | Qt::Key_Plus);
            QCOMPARE(game.view().size(), QSize(960, 720));
            game.view().resize(900, 600);
        }
        // Left maximised, the window opens maximised, over the size it
        // returns to when the player restores it.
        for (const bool maximised : {true, false}) {
            QCOMPARE(zoomFile(*folder), QByteArray(maximised ? "150 900x600\n" : "150 900x600 maximised\n"));
            ZoomedGame game(*folder, {1000, 800});
            QCOMPARE(game.view().isMaximized(), !maximised);
            if (maximised)
                game.view().showMaximized();
            else
                game.view().showNormal();
            QTRY_COMPARE(game.view().isMaximized(), maximised);
            QTRY_COMPARE(game.view().normalGeometry().size(), QSize(900, 600));
        }
        // A step that fits the screen exactly is reached.
        ZoomedGame exact(*folder);
        const QMargins frame = exact.view().windowHandle()->frameMargins();
        exact.view().availableArea = [frame] { return QRect(0, 0, 1280, 960).marginsAdded(frame); };
        for (int step = 0; step < 3; ++step)
            exact.keys(Qt::CTRL | Qt::Key_Plus);
        QCOMPARE(exact.view().zoom(), 200);
    }

    // The brick styles in Options are drawn from the art of the scale shown:
    // at 2x each is the 2x art pixel for pixel, not the 1x art enlarged.
    void optionBricksAreDrawnFromTheArtOfTheShownScale()
    {
        ZoomedGame game(*folder);
        game.size(200);
        QImage shown;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window);
            shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            window->close();
        });
        game.keys(Qt::Key_O);
        const QImage art = loadArt(":/bricks/icon02.png", 2).convertToFormat(QImage::Format_RGB32);
        const auto showsArtAt = [&](int left, int top) {
            for (int y = 0; y < art.height(); ++y)
                if (std::memcmp(shown.constScanLine(top + y) + 4 * left, art.constScanLine(y), 4 * art.width()))
                    return false;
            return true;
        };
        bool found = false;
        for (int top = 0; !found && top + art.height() <= shown.height(); ++top)
            for (int left = 0; !found && left + art.width() <= shown.width(); ++left)
                found = showsArtAt(left, top);
        QVERIFY(found);
        // Every picture has its own art at every scale up to the largest, so
        // full screen on a 3840 x 2160 screen (4.5x) is drawn from 5x art.
        readyArt(ArtBlock::Rest); // all of it listed, not only what was drawn so far
        for (const char* artFolder : {":/bricks", ":/buttons", ":/"})
            for (const QString& name : QDir(artFolder).entryList({"*.png"}, QDir::Files))
                for (int scale = 2; !name.contains('@') && scale <= kLargestArtScale; ++scale) {
                    const QString path = QDir(artFolder).filePath(name);
                    QVERIFY(!QImage(path).isNull());
                    QCOMPARE(loadArt(path, scale).size(), QImage(path).size() * scale);
                }
    }

    // At every size a dialog opens at the scale the game is shown at, zoomed
    // or in full screen, its keys work in it exactly as at 1x, and none
    // reaches the game behind it: the chosen piece stays as it lay. The
    // About box closes on Escape and on Enter. Each carries the game's icon.
    void dialogKeysStayInTheDialogAtEveryZoom_data()
    {
        QTest::addColumn<int>("percent");
        for (int percent : {100, 150, 200, 0})
            QTest::newRow(percent ? qPrintable(QString("%1%").arg(percent)) : "full screen") << percent;
    }
    void dialogKeysStayInTheDialogAtEveryZoom()
    {
        QFETCH(int, percent);
        ZoomedGame game(*folder);
        game.size(percent);
        for (Qt::Key key : {Qt::Key_P, Qt::Key_Tab})
            game.keys(key);
        const ClPiece before = *game.play().pieceInFileOrder(0);
        // What the dialog shows after its keys: Select's group, Options'
        // sound and brick style, the chooser's tile; of About, nothing.
        const auto shownIn = [](QWidget* d) {
            if (const auto* select = dynamic_cast<TFormSelection*>(d))
                return QString::number(select->RadioButton3->isChecked() * 3 + select->RadioButton2->isChecked() * 2);
            if (const auto* options = dynamic_cast<TFormOption*>(d))
                return QString("%1 %2").arg(options->cbSound->isChecked()).arg(options->lvBrick->currentRow());
            if (const auto* chooser = dynamic_cast<TFormChoose*>(d))
                return QString::number(chooser->tiles->current());
            return QString();
        };
        const struct {
            Qt::Key opens;
            QList<Qt::Key> keys;
            QString shown;
            Qt::Key closes; // or, without one, a click where Select's Cancel has always stood
            int result;
        } dialogs[] = {
            {Qt::Key_S, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space}, "2", Qt::Key_unknown, mrCancel},
            {Qt::Key_O,
             {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Left, Qt::Key_Right},
             "0 1",
             Qt::Key_Escape,
             QDialog::Rejected},
            {Qt::Key_A, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Space}, "", Qt::Key_Escape, QDialog::Rejected},
            {Qt::Key_A, {Qt::Key_Down, Qt::Key_Tab}, "", Qt::Key_Return, mrOk},
            {Qt::Key_G, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}, "1", Qt::Key_Escape, QDialog::Rejected},
        };
        for (const auto& dialog : dialogs) {
            QString shown;
            std::pair<QSize, QSize> sizes; // the dialog's, and the game's scale of it
            int result = -1;               // while the dialog stays open
            qint64 icon = 0;               // the window system's icon for it
            QTimer::singleShot(0, [&] {
                QWidget* window = QApplication::activeModalWidget();
                QVERIFY(window);
                window->activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), window);
                sizes = {window->size(), (QSizeF(shownWidget(window)->size()) * game.view().shownScale()).toSize()};
                icon = window->windowHandle()->icon().cacheKey();
                // Through the window system, as a key pressed on the keyboard.
                for (Qt::Key key : dialog.keys)
                    QTest::keyClick(window->windowHandle(), key);
                shown = shownIn(shownWidget(window));
                const double scale = double(window->width()) / shownWidget(window)->width();
                if (dialog.closes == Qt::Key_unknown)
                    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(136 + 40, 124 + 30) * scale);
                else
                    QTest::keyClick(window->windowHandle(), dialog.closes);
                if (window->isVisible())
                    return window->close(), void();
                result = static_cast<QDialog*>(shownWidget(window))->result();
            });
            game.view().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&game.view()));
            game.keys(dialog.opens);
            QCOMPARE(sizes.first, sizes.second);
            QCOMPARE(shown, dialog.shown);
            QCOMPARE(result, dialog.result);
            QCOMPARE(icon, game.view().windowHandle()->icon().cacheKey());
        }
        QVERIFY(!game.view().windowHandle()->icon().isNull());
        QCOMPARE(game.game.form.currentGroup, 0);
        const ClPiece& after = *game.play().pieceInFileOrder(0);
        QCOMPARE(QList<int>({after.x, after.y, after.angle, after.flipped}),
                 QList<int>({before.x, before.y, before.angle, before.flipped}));
    }

private:
    std::optional<ProgramFolder> folder;
};

QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
