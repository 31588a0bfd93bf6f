#pragma once
// The game at any size. Its window of 640 x 480 pixels is shown scaled:
// larger in steps, or in full screen as large as fits, centred between
// black bars, so every drawing and mouse rule of the game works as at
// 640 x 480.
#include <functional>

#include <QByteArray>
#include <QTimer>

#include "app/Scaledwindow.h"
#include "game/Zoom.h"

class ClGameInterface;

// The game's own window: the zoom the player chose (Ctrl+Plus or Ctrl+=,
// Ctrl+Minus, Ctrl+0) or any size given by its border, kept in a file of its
// own beside the settings, maximised, and full screen (F11). It opens
// centred, at the chosen size or at the largest step that fits the screen.
// The game's dialogs are shown over it, at its scale.
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
    // Maximised or not is kept as the player leaves it.
    void changeEvent(QEvent* event) override;
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
    zoom::Kept kept;        // as the file holds it, or is about to
    QTimer keepWhenSettled; // a size dragged by the border is kept when the drag rests
    QRect normalBeforeFullScreen;
    bool opened = false;
    bool sizing = false;
};
