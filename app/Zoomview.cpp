#include "Zoomview.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QScreen>
#include <QWindow>

#include "Problemreport.h"
#include "game/Gameinterface.h"
#include "game/Zoom.h"

namespace {
QPointer<TGameView> gameView;

QSize windowFrame(const QWidget& window)
{
    const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

// Gives the keys back to the game's window when a dialog closes: a window
// manager does that, an X server without one does not.
class KeysBackOnHide : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && gameView && gameView->isVisible())
            gameView->activateWindow();
        return false;
    }
};
} // namespace

TScaledWindow::TScaledWindow(QWidget& content, double scale, QWidget* parent)
    : QGraphicsView(parent)
    , chosenScale(scale)
{
    setWindowFlags(content.windowFlags() & ~Qt::BypassGraphicsProxyWidget);
    setWindowTitle(content.windowTitle());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setScene(new QGraphicsScene(this));
    // Shown with the window, not on being embedded.
    content.hide();
    proxy = scene()->addWidget(&content);
    // A key the content leaves unused goes no further than the content, as
    // in a window of its own: never on to the widget it belongs to, the game.
    proxy->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // A dialog places itself on showing; the view follows it wherever it goes.
    connect(proxy, &QGraphicsWidget::geometryChanged, this, [this] {
        setSceneRect(proxy->geometry());
        sizeToContent();
        if (isVisible())
            centreOverParent();
    });
    setSceneRect(proxy->geometry());
    content.installEventFilter(this);
    sizeToContent();
}

TScaledWindow::~TScaledWindow()
{
    if (proxy && proxy->widget()) {
        proxy->widget()->removeEventFilter(this);
        proxy->setWidget(nullptr);
    }
}

QSize TScaledWindow::contentSize() const
{
    return proxy ? proxy->size().toSize() : QSize();
}

double TScaledWindow::shownScale() const
{
    return transform().m11();
}

void TScaledWindow::sizeToContent()
{
    if (isFullScreen() || contentSize().isEmpty())
        return;
    // A window over the game's stays within it.
    double scale = chosenScale;
    if (parentWidget()) {
        const QSize over = parentWidget()->window()->size();
        scale = std::min({scale, double(over.width()) / contentSize().width(),
                          double(over.height()) / contentSize().height()});
    }
    setFixedSize((QSizeF(contentSize()) * scale).toSize());
    fit();
}

void TScaledWindow::centreOverParent()
{
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
}

void TScaledWindow::fit()
{
    const QSize content = contentSize();
    if (content.isEmpty())
        return;
    const double scale = std::min(double(width()) / content.width(), double(height()) / content.height());
    if (scale == shownScale())
        return;
    setTransform(QTransform::fromScale(scale, scale));
    setRenderHint(QPainter::SmoothPixmapTransform, scale != 1);
    emit rescaled();
}

bool TScaledWindow::eventFilter(QObject*, QEvent* event)
{
    QWidget* content = proxy ? proxy->widget() : nullptr;
    if (!content)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (isVisible())
            break;
        // The content's own window is made but never mapped; unnamed, it is
        // not taken for this one by tools that look for windows by name.
        if (QWindow* own = content->windowHandle())
            own->setTitle(QString());
        setWindowModality(content->windowModality());
        centreOverParent();
        show();
        break;
    case QEvent::Hide:
        if (isVisible() && !closing)
            close();
        break;
    case QEvent::WindowTitleChange:
        setWindowTitle(content->windowTitle());
        break;
    case QEvent::UpdateRequest:
        // The content hands what it has to repaint to the scene, and the
        // view paints it at once: a repaint inside a loop that runs no
        // events, as the fade's frames, reaches the screen as it would
        // without the view.
        static_cast<QObject*>(content)->event(event);
        QCoreApplication::sendPostedEvents(scene(), QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
        return true;
    default:
        break;
    }
    return false;
}

QWidget* TScaledWindow::content() const
{
    return proxy ? proxy->widget() : nullptr;
}

QWidget* shownWidget(QWidget* window)
{
    const auto* scaled = qobject_cast<const TScaledWindow*>(window);
    QWidget* content = scaled ? scaled->content() : nullptr;
    return content ? content : window;
}

void TScaledWindow::showEvent(QShowEvent* event)
{
    QGraphicsView::showEvent(event);
    if (proxy && proxy->widget() && proxy->widget()->isHidden())
        proxy->widget()->show();
    setFocus(); // taken when the window is activated
}

void TScaledWindow::focusInEvent(QFocusEvent* event)
{
    QGraphicsView::focusInEvent(event);
    // The keys go to the content, to the widget in it that had them last,
    // or, as a window that opens gives them, to the first that takes them.
    if (!proxy || !proxy->widget())
        return;
    if (!proxy->widget()->focusWidget()) {
        proxy->clearFocus();
        proxy->setFocus(Qt::TabFocusReason);
    } else if (!scene()->focusItem())
        proxy->setFocus(event->reason());
}

void TScaledWindow::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    fit();
}

void TScaledWindow::changeEvent(QEvent* event)
{
    QGraphicsView::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        sizeToContent();
}

void TScaledWindow::closeEvent(QCloseEvent* event)
{
    QWidget* content = proxy ? proxy->widget() : nullptr;
    if (content && content->isVisible() && !closing) {
        closing = true;
        const bool closed = content->close();
        closing = false;
        if (!closed) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

TGameView::TGameView(QWidget& game, ClGameInterface& gameInterface)
    : TScaledWindow(game, 1)
    , availableArea([this] { return screen()->availableGeometry(); })
    , gameInterface(gameInterface)
    , zoomFile(gameInterface.pathBesideSettings(zoom::kFileName))
    , kept(zoomFile.isEmpty() ? zoom::Kept() : zoom::load(zoomFile.toStdString()))
{
    zoomPercent = kept.percent;
    gameView = this;
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
        opened = true;
    }
    TScaledWindow::showEvent(event);
}

void TGameView::resizeEvent(QResizeEvent* event)
{
    TScaledWindow::resizeEvent(event);
    if (!opened || sizing || windowState() != Qt::WindowNoState)
        return;
    zoom::Kept now{zoomPercent};
    if (size() != contentSize() * zoomPercent / 100)
        now = {zoomPercent, width(), height()};
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
    if (percent == zoomPercent && kept.width == 0)
        return;
    applyZoom(percent);
    kept = {percent};
    keep();
}

void TGameView::keep()
{
    keepWhenSettled.stop();
    if (!zoomFile.isEmpty())
        gameInterface.keep(zoomFile, "The size of the window", [file = zoomFile.toStdString(), kept = kept](Failure& failure) {
            return zoom::save(file, kept, failure);
        });
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

void showAtGameScale(QWidget& dialog)
{
    if (!gameView)
        return;
    // A window made for one of the game's widgets is drawn inside the game's
    // view from the start; it is taken out, to be a window over the game's.
    if (QGraphicsProxyWidget* inside = dialog.graphicsProxyWidget()) {
        inside->setWidget(nullptr);
        delete inside;
    }
    dialog.setParent(gameView, dialog.windowFlags() | Qt::BypassGraphicsProxyWidget);
    dialog.installEventFilter(new KeysBackOnHide(&dialog));
    // As large as the game, as long as it fits the screen.
    const QSize area = gameView->availableArea().size() - windowFrame(*gameView);
    const double scale = std::min({gameView->shownScale(), double(area.width()) / dialog.width(),
                                   double(area.height()) / dialog.height()});
    if (scale <= 1)
        return;
    auto* window = new TScaledWindow(dialog, scale, gameView);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&dialog, &QObject::destroyed, window, &QObject::deleteLater);
}
