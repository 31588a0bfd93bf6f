#pragma once
// Runs a real event loop, which blocks and so reaches idle moments; the
// QTest wait helpers only poll and never do.
#include <QEventLoop>
#include <QTimer>

inline void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the loop until the condition holds or the time is up.
template <typename Condition>
bool runEventLoopUntil(Condition condition, int milliseconds)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    poll.start(20);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    if (!condition())
        loop.exec();
    return condition();
}
