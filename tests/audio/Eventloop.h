#pragma once
// A real event loop reaches idle moments; the QTest wait helpers only poll.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

inline void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

template <typename Condition>
bool runEventLoopUntil(Condition done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        runEventLoop(20);
    return done();
}
