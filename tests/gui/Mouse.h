#pragma once
// Mouse gestures delivered as the window system does: the press goes to the
// widget under the point, and the moves and the release, with the buttons
// held, go to the widget that took the press.
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

class Mouse {
public:
    explicit Mouse(QWidget* window)
        : window(window)
    {
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = window->childAt(at);
        grabber = target ? target : window;
        buttons |= button;
        send(QEvent::MouseButtonPress, at, button);
    }
    void move(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        buttons &= ~button;
        send(QEvent::MouseButtonRelease, at, button);
        if (!buttons)
            grabber = nullptr;
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        press(at, button);
        release(at, button);
    }
    // A left drag in steps, as a hand would move.
    void drag(QPoint from, QPoint to, int steps = 8)
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            move(from + (to - from) * i / steps);
        release(to);
    }

private:
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        QWidget* target = grabber ? grabber.data() : window->childAt(at);
        if (!target)
            target = window;
        const QPointF local = target->mapFrom(window, QPointF(at));
        QMouseEvent event(type, local, QPointF(window->mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    QWidget* window;
    QPointer<QWidget> grabber;
    Qt::MouseButtons buttons;
};
