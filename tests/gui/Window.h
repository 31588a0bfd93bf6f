#pragma once
// The real main window on a throw-away program folder whose only picture is
// plain blue, with the dialogs and the error box answered by the test.
#include <functional>
#include <memory>

#include <QTest>
#include <QTimer>

#include "Mouse.h"
#include "Programfolder.h"
#include "app/Mainform.h"
#include "app/Problemreport.h"
#include "view/Gameboardframe.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

struct Window {
    // On a program folder of its own, or on the one given.
    Window()
        : Window(ownFolder)
    {
    }
    explicit Window(ProgramFolder& folder)
        : folder(folder)
    {
        folder.addPicture("blue.bmp", QColor(0, 0, 255));
        problemReport().setReceiver([this](const QString& message) { problems << message; });
    }
    ~Window() { problemReport().setReceiver(nullptr); }
    // Builds and shows the window; the first showing loads the group.
    TFormMain& open()
    {
        form = std::make_unique<TFormMain>(folder.bytes());
        form->FrameGameBoard1->slideMilliseconds = 0; // a hint's slide, drawn unpaced
        form->show();
        return *form;
    }
    // Shown and active, else no shortcut reaches it.
    bool openActive()
    {
        open().activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    // The dialogs answered by naming themselves in `dialogs` and cancelling.
    void recordDialogs()
    {
        form->showSelection = [this](std::int32_t&, bool&) { return dialogs << "select", false; };
        form->showChooser = [this](std::int32_t&, const QString&, const std::vector<BestSolve>&, ChooserExtras&) {
            return dialogs << "choose", false;
        };
        form->showOptions = [this](std::int32_t&, std::int32_t&, std::int32_t&) { return dialogs << "option", false; };
    }
    // The puzzle at its level picture, play ended.
    void showPuzzle(std::int32_t index) const
    {
        form->gameInterface->selectPuzzle(index);
        board().ShowLevelPicture();
    }
    // The piece on play cell (x, y) moved to (toX, toY) and let go: one move.
    void move(int x, int y, int toX, int toY) const
    {
        game().movePiece(game().pickPiece(x, y), toX, toY);
        form->gameInterface->letGo();
    }
    TFrameGameBoard& board() const { return *form->FrameGameBoard1; }
    ClGameControl& game() const { return *form->gameInterface->gameControl; }
    QImage screen() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The board's picture as it is shown, caption and all, without the pieces or buttons.
    QImage backdrop() const { return board().imgBack->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb wallPixel(int x, int y) const { return board().imgBack->picture.pixel(x, y) & 0xffffff; }

    ProgramFolder ownFolder;
    ProgramFolder& folder;
    std::unique_ptr<TFormMain> form;
    QStringList problems;
    QStringList dialogs;
};

// Answers the next modal dialog, once it is open, with `answer(dialog)`, and
// ends it if it is still open then, so that a test fails instead of waiting.
template <typename Dialog = QDialog, typename Answer> void whenOpen(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
        if (dialog->isVisible())
            dialog->done(0);
    });
}

// The window pixel at (dx, dy) from a play position of the test group, whose
// play unit is 8 x 5 pixels of the paint box below the button row.
inline QPoint pixelOf(int playX, int playY, int dx = 0, int dy = 0)
{
    return {playX * 8 + dx, kFieldTop + playY * 5 + dy};
}

inline QRgb rgb(QRgb pixel)
{
    return pixel & 0xffffff;
}

// The star's gold, on the level picture and the chooser's tiles.
inline constexpr QRgb kGold = qRgb(255, 200, 0);

// The points of `area` in `picture` of the given colour, row by row.
inline QList<QPoint> pixelsOf(const QImage& picture, QRgb colour, const QRect& area)
{
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgb(picture.pixel(x, y)) == rgb(colour))
                found << QPoint(x, y);
    return found;
}

// A pixel of a brick image as the shaded wall draws it.
inline QRgb shaded(QRgb pixel)
{
    return qRgb(qRed(pixel) * 60 / 100, qGreen(pixel) * 60 / 100, qBlue(pixel) * 60 / 100) & 0xffffff;
}

// Runs `seen` at every painting of `painted`.
struct PaintSpy : QObject {
    PaintSpy(QWidget* painted, std::function<void()> seen)
        : seen(std::move(seen))
    {
        painted->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen();
        return false;
    }
    std::function<void()> seen;
};

// The board's bitmap at one pixel, at every painting of `painted` while the
// pieces are hidden: the fade's frames.
inline std::unique_ptr<PaintSpy> fadeFrames(QWidget* painted, const TFrameGameBoard& board, QList<QRgb>& colours,
                                            QPoint pixel = {})
{
    return std::make_unique<PaintSpy>(painted, [&board, &colours, pixel] {
        if (!board.PaintBox1->isVisible())
            colours << rgb(board.imgBack->picture.pixel(pixel));
    });
}
