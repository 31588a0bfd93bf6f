#include "app/Safekeys.h"

#include "app/Scaledwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

#include "app/Keynames.h"

namespace {
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}
} // namespace

TSafeKeys::TSafeKeys(QWidget* window, std::function<bool()> movesAtStake, std::function<void(const QString&)> showNote)
    : window(window)
    , movesAtStake(std::move(movesAtStake))
    , showNote(std::move(showNote))
{
    // Keys go to whichever widget has the focus and clicks to the one under
    // the mouse: only the application sees them all.
    QCoreApplication::instance()->installEventFilter(this);
}

TSafeKeys::~TSafeKeys()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void TSafeKeys::add(const QKeySequence& key, const QString& outcome, std::function<void()> act)
{
    auto* shortcut = new QShortcut(key, window);
    // A key held down is one press, not the second of two.
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this,
            [this, key, outcome, act = std::move(act)] { press(key, outcome, act); });
}

void TSafeKeys::press(const QKeySequence& key, const QString& outcome, const std::function<void()>& act)
{
    if (asked == key || !movesAtStake()) {
        forget();
        act();
        return;
    }
    asked = key;
    showNote(tr("Press %1 again to %2.").arg(keyName(key), outcome));
}

void TSafeKeys::forget()
{
    if (asked.isEmpty())
        return;
    asked = QKeySequence();
    showNote({});
}

bool TSafeKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (asked.isEmpty() || !watched->isWidgetType() || shownWidget(static_cast<QWidget*>(watched)->window()) != window)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride: // a key that may be a shortcut: sent before the shortcut acts
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        if (!key->isAutoRepeat() && !isModifierKey(key->key()) && pressed != asked)
            forget();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        forget();
        break;
    case QEvent::WindowDeactivate:
        if (watched == window)
            forget();
        break;
    default:
        break;
    }
    return false;
}
