#include "app/audio/Idleevent.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>

TIdleEvent& TIdleEvent::application()
{
    static QPointer<TIdleEvent> instance;
    if (!instance)
        instance = new TIdleEvent(QCoreApplication::instance());
    return *instance;
}

TIdleEvent::TIdleEvent(QObject* parent) : QObject(parent)
{
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TIdleEvent::aboutToBlock);
}

void TIdleEvent::install(std::function<void()> newHandler)
{
    handler = std::move(newHandler);
    wanted = true;
}

void TIdleEvent::remove()
{
    handler = nullptr;
    wanted = false;
}

void TIdleEvent::aboutToBlock()
{
    // Not while the handler runs: a dialog it opens has its own idle moments.
    if (!wanted || posted || running || !handler)
        return;
    // Not from inside the dispatcher: the handler may open a modal dialog.
    posted = true;
    QMetaObject::invokeMethod(this, &TIdleEvent::run, Qt::QueuedConnection);
}

void TIdleEvent::run()
{
    posted = false;
    if (!handler)
        return;
    wanted = false;
    running = true;
    const auto call = handler; // the handler may remove or replace itself
    call();
    running = false;
}
