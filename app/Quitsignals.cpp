#include "app/Quitsignals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include <QApplication>
#include <QSocketNotifier>

namespace {
constexpr int kQuitSignals[] = {SIGTERM, SIGHUP, SIGINT};
// The handler may only write a byte; the GUI thread reads it.
int signalPipe[2] = {-1, -1};

void onQuitSignal(int signalNumber)
{
    const int saved = errno;
    char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t sent = ::write(signalPipe[1], &byte, 1);
    // The next one, of any kind, is not waited for; one the caller ignored stays ignored.
    for (int quitSignal : kQuitSignals) {
        struct sigaction now {};
        if (::sigaction(quitSignal, nullptr, &now) == 0 && now.sa_handler == onQuitSignal)
            ::signal(quitSignal, SIG_DFL);
    }
    errno = saved;
}
} // namespace

void quitOnSignals(QObject* parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char byte;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        // Every event loop ends, a dialog's too; the code after each runs
        // on as after a cancel, then the window's owner saves.
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kQuitSignals) {
        struct sigaction before {};
        // A signal the caller chose to ignore (nohup) stays ignored.
        if (::sigaction(signalNumber, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
}
