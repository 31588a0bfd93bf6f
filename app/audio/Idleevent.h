#pragma once
// The application's idle handler: one at a time, run on the GUI thread when
// the event queue has run dry. Each install runs it once at the next idle
// moment; it never polls, so an idle game uses no CPU.
#include <functional>

#include <QObject>

class TIdleEvent : public QObject {
    Q_OBJECT
public:
    // The one for the GUI thread; needs the application object.
    static TIdleEvent& application();

    // Replaces any handler and asks for a run at the next idle moment.
    void install(std::function<void()> handler);
    void remove();
    bool installed() const { return bool(handler); }

private:
    explicit TIdleEvent(QObject* parent);
    void aboutToBlock();
    void run();

    std::function<void()> handler;
    bool wanted = false;  // a run asked for and not yet posted
    bool posted = false;  // a run waiting in the event queue
    bool running = false; // the handler may open a dialog with its own loop
};
