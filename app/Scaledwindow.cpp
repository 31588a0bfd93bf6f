#include "app/Scaledwindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QWindow>

namespace {
// The window the game's dialogs are shown over and scaled to, and the part
// of the screen they must fit into.
QPointer<TScaledWindow> gameWindow;
std::function<QRect()> gameWindowArea;

// Gives the keys back to the game's window when a dialog closes: a window
// manager does that, an X server without one does not.
class KeysBackOnHide : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && gameWindow && gameWindow->isVisible())
            gameWindow->activateWindow();
        return false;
    }
};
} // namespace

QSize windowFrame(const QWidget& window)
{
    const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

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

void scaleDialogsTo(TScaledWindow& window, std::function<QRect()> availableArea)
{
    gameWindow = &window;
    gameWindowArea = std::move(availableArea);
}

void showAtGameScale(QWidget& dialog)
{
    if (!gameWindow)
        return;
    // A window made for one of the game's widgets is drawn inside the game's
    // view from the start; it is taken out, to be a window over the game's.
    if (QGraphicsProxyWidget* inside = dialog.graphicsProxyWidget()) {
        inside->setWidget(nullptr);
        delete inside;
    }
    dialog.setParent(gameWindow, dialog.windowFlags() | Qt::BypassGraphicsProxyWidget);
    dialog.installEventFilter(new KeysBackOnHide(&dialog));
    // As large as the game, as long as it fits the screen.
    const QSize area = gameWindowArea().size() - windowFrame(*gameWindow);
    const double scale = std::min({gameWindow->shownScale(), double(area.width()) / dialog.width(),
                                   double(area.height()) / dialog.height()});
    if (scale <= 1)
        return;
    auto* window = new TScaledWindow(dialog, scale, gameWindow);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&dialog, &QObject::destroyed, window, &QObject::deleteLater);
}
