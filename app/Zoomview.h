#pragma once
// The game at any size. Its window of 640 x 480 pixels is shown through a
// view that scales it: larger in steps, or in full screen as large as fits,
// centred between black bars. The widgets inside keep their own pixels and
// the view hands them the mouse in those pixels, so every drawing and mouse
// rule of the game works as at 640 x 480. The game's dialogs are shown at
// the game's scale.
#include <functional>

#include <QByteArray>
#include <QGraphicsView>
#include <QPointer>
#include <QTimer>

#include "game/Zoom.h"

class ClGameInterface;

class QGraphicsProxyWidget;

// A window that shows one widget of fixed size, its content, scaled and
// centred on black. The content leads: the window shows, closes and is named
// with it, and closing the window closes the content.
class TScaledWindow : public QGraphicsView {
    Q_OBJECT
public:
    TScaledWindow(QWidget& content, double scale, QWidget* parent = nullptr);
    ~TScaledWindow() override; // hands the content back, whole

    // The scale the content is drawn at: the window's, or in full screen the
    // largest that fits.
    double shownScale() const;
    QWidget* content() const;

signals:
    // The content is drawn at another scale.
    void rescaled();

protected:
    QSize contentSize() const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The window's size for the content at the chosen scale: a dialog's
    // window keeps it, outside full screen.
    virtual void sizeToContent();

private:
    // The content drawn as large as the window allows.
    void fit();
    // A dialog's window stays centred over the window it belongs to.
    void centreOverParent();

    QPointer<QGraphicsProxyWidget> proxy;
    double chosenScale;
    bool closing = false;
};

// The widget a window shows: a scaled window's content, else the window
// itself. Keys pressed in the window are meant for it.
QWidget* shownWidget(QWidget* window);

// The game's own window: the zoom the player chose (Ctrl+Plus or Ctrl+=,
// Ctrl+Minus, Ctrl+0) or any size given by its border, kept in a file of its
// own beside the settings, maximised, and full screen (F11). It opens
// centred, at the chosen size or at the largest step that fits the screen.
class TGameView : public TScaledWindow {
    Q_OBJECT
public:
    // The zoom is kept beside the game's settings, as they are.
    TGameView(QWidget& game, ClGameInterface& gameInterface);
    ~TGameView() override; // keeps a size not yet kept

    void zoomIn();
    void zoomOut();
    void zoomReset();
    void toggleFullScreen();
    // In percent, one of the steps: the last chosen, in effect unless the
    // window was sized by hand since.
    int zoom() const { return zoomPercent; }

    // The part of the screen the window must fit into; replaceable for tests.
    std::function<QRect()> availableArea;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The game's window keeps whatever size it is given.
    void sizeToContent() override {}

private:
    // The largest step at which the window, frame and all, fits the screen.
    int largestFittingStep() const;
    // The size the zoom keys step from: the chosen step, or the scale of a
    // size given by hand.
    int shownPercent() const;
    // Sizes the window for the step about its centre, on the screen.
    void applyZoom(int percent);
    // The player's choice: applied and kept.
    void chooseZoom(int percent);
    // Sizes the window itself: not a size given by hand.
    void resizeHere(const QRect& geometry);
    // Writes the kept size, saying once if it cannot.
    void keep();

    ClGameInterface& gameInterface;
    const QByteArray zoomFile; // empty when nothing is saved
    int zoomPercent;
    zoom::Kept kept;           // as the file holds it, or is about to
    QTimer keepWhenSettled;    // a size dragged by the border is kept when the drag rests
    QRect normalBeforeFullScreen;
    bool opened = false;
    bool sizing = false;
};

// Makes one of the game's dialogs or message boxes a window over the game's,
// at the game's scale: called once, when it is made, before it is shown.
// Without a game window nothing changes.
void showAtGameScale(QWidget& dialog);
