#include "app/Gameview.h"

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QScreen>

#include "game/Gameinterface.h"

TGameView::TGameView(QWidget& game, ClGameInterface& gameInterface)
    : TScaledWindow(game, 1)
    , availableArea([this] { return screen()->availableGeometry(); })
    , gameInterface(gameInterface)
    , zoomFile(gameInterface.pathBesideSettings(zoom::kFileName))
    , kept(zoomFile.isEmpty() ? zoom::Kept() : zoom::load(zoomFile.toStdString()))
{
    zoomPercent = kept.percent;
    scaleDialogsTo(*this, [this] { return availableArea(); });
    // A desktop window: sized by its border, maximised, down to half the game.
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) & ~Qt::MSWindowsFixedSizeDialogHint);
    setMinimumSize(contentSize() / 2);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    keepWhenSettled.setSingleShot(true);
    keepWhenSettled.setInterval(500);
    connect(&keepWhenSettled, &QTimer::timeout, this, &TGameView::keep);
    const struct {
        QList<QKeySequence> keys;
        void (TGameView::*handler)();
    } keys[] = {
        {{Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, &TGameView::zoomIn},
        {{Qt::CTRL | Qt::Key_Minus}, &TGameView::zoomOut},
        {{Qt::CTRL | Qt::Key_0}, &TGameView::zoomReset},
        {{Qt::Key_F11}, &TGameView::toggleFullScreen},
    };
    for (const auto& k : keys) {
        auto* action = new QAction(this);
        action->setShortcuts(k.keys);
        connect(action, &QAction::triggered, this, k.handler);
        addAction(action);
    }
}

TGameView::~TGameView()
{
    if (keepWhenSettled.isActive())
        keep();
}

void TGameView::showEvent(QShowEvent* event)
{
    if (!opened) {
        const QSize handSize(kept.width, kept.height);
        const QSize area = availableArea().size() - windowFrame(*this);
        if (!handSize.isEmpty() && handSize.width() <= area.width() && handSize.height() <= area.height())
            resizeHere(QRect(QPoint(), handSize));
        else
            applyZoom(std::min(zoomPercent, largestFittingStep()));
        move(availableArea().center() - rect().center());
        // Maximised over the size it returns to, as the player left it.
        if (kept.maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
        opened = true;
    }
    TScaledWindow::showEvent(event);
}

void TGameView::changeEvent(QEvent* event)
{
    TScaledWindow::changeEvent(event);
    // Full screen is never kept: the window returns to what it was before.
    if (event->type() != QEvent::WindowStateChange || !opened || isFullScreen() || isMaximized() == kept.maximised)
        return;
    kept.maximised = isMaximized();
    keep();
}

void TGameView::resizeEvent(QResizeEvent* event)
{
    TScaledWindow::resizeEvent(event);
    if (!opened || sizing || windowState() != Qt::WindowNoState)
        return;
    zoom::Kept now{zoomPercent};
    if (size() != contentSize() * zoomPercent / 100)
        now = {zoomPercent, width(), height()};
    now.maximised = kept.maximised;
    if (now == kept)
        return;
    kept = now;
    keepWhenSettled.start();
}

int TGameView::largestFittingStep() const
{
    const QSize area = availableArea().size() - windowFrame(*this);
    const QSize game = contentSize();
    return zoom::largestFitting(game.width(), game.height(), area.width(), area.height());
}

int TGameView::shownPercent() const
{
    return kept.width == 0 || isMaximized() ? zoomPercent : qRound(shownScale() * 100);
}

void TGameView::resizeHere(const QRect& geometry)
{
    sizing = true;
    setGeometry(geometry);
    sizing = false;
}

void TGameView::applyZoom(int percent)
{
    zoomPercent = percent;
    const QRect before = frameGeometry();
    resizeHere(QRect(geometry().topLeft(), contentSize() * percent / 100));
    if (!opened)
        return;
    // The window grows or shrinks about its centre, and stays on the screen.
    const QRect area = availableArea();
    QRect after(QPoint(), size() + windowFrame(*this));
    after.moveCenter(before.center());
    after.moveLeft(std::clamp(after.left(), area.left(), std::max(area.left(), area.right() + 1 - after.width())));
    after.moveTop(std::clamp(after.top(), area.top(), std::max(area.top(), area.bottom() + 1 - after.height())));
    move(after.topLeft());
}

void TGameView::chooseZoom(int percent)
{
    if (isFullScreen())
        toggleFullScreen();
    if (isMaximized())
        showNormal();
    if (percent == zoomPercent && kept.width == 0 && !kept.maximised)
        return;
    applyZoom(percent);
    kept = {percent};
    keep();
}

void TGameView::keep()
{
    keepWhenSettled.stop();
    if (!zoomFile.isEmpty())
        gameInterface.keep(
            zoomFile,
            {tr("The size of the window cannot be saved to \"%1\" now: %2. It is kept and saved as soon as it can "
                "be."),
             tr("wallwright: The size of the window could not be saved to %1: another running game holds its "
                "folder's lock, or the folder refuses the write.")},
            [file = zoomFile.toStdString(), kept = kept](Failure& failure) { return zoom::save(file, kept, failure); });
}

void TGameView::zoomIn()
{
    const int larger = zoom::larger(shownPercent());
    if (larger <= largestFittingStep())
        chooseZoom(larger);
}

void TGameView::zoomOut()
{
    chooseZoom(zoom::smaller(shownPercent()));
}

void TGameView::zoomReset()
{
    chooseZoom(zoom::kNormal);
}

void TGameView::toggleFullScreen()
{
    if (isFullScreen()) {
        // Back exactly where the window was: its own geometry, which the
        // frame goes round, not the frame's corner, which the window
        // manager draws anew.
        sizing = true;
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (!isMaximized())
            setGeometry(normalBeforeFullScreen);
        sizing = false;
        return;
    }
    normalBeforeFullScreen = isMaximized() ? normalGeometry() : geometry();
    sizing = true;
    // Where no window manager makes it so, the window covers the screen itself.
    setGeometry(screen()->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
    sizing = false;
}
