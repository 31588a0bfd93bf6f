#pragma once
// The bench programs' first-frame report: with WALLWRIGHT_REPORT_FIRST_FRAME set, "first frame" goes to standard
// output once the window has been painted, and the program quits then unless
// the variable says "stay".
#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

class FirstFrameReport : public QObject {
public:
    static void watch(QObject* window)
    {
        if (qEnvironmentVariableIsSet("WALLWRIGHT_REPORT_FIRST_FRAME"))
            window->installEventFilter(new FirstFrameReport(window));
    }

protected:
    explicit FirstFrameReport(QObject* parent)
        : QObject(parent)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint event the frame is flushed; then it is on screen.
            QTimer::singleShot(0, this, [] {
                std::puts("first frame");
                std::fflush(stdout);
                if (qgetenv("WALLWRIGHT_REPORT_FIRST_FRAME") != "stay")
                    QCoreApplication::quit();
            });
        }
        return false;
    }
};
