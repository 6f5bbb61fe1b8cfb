#include "app/SessionEnd.h"

#include "app/Form1.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <pthread.h>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array EndingSignals = {SIGTERM, SIGHUP, SIGINT};

// The write end of the pipe into the event loop; a plain number, as all
// that a signal handler may touch.
volatile sig_atomic_t signalPipe = -1;

void WakeEventLoop(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
    errno = savedErrno;
}

void HandleEndingSignals(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : EndingSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

void BlockEndingSignals(bool blocked)
{
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signalNumber : EndingSignals)
        sigaddset(&signals, signalNumber);
    ::pthread_sigmask(blocked ? SIG_BLOCK : SIG_UNBLOCK, &signals, nullptr);
}

} // namespace

void HoldEndingSignals()
{
    BlockEndingSignals(true);
}

void SaveWhenTheSessionEnds(QGuiApplication& application, Form1& window)
{
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.SaveWithoutQuestion(); });

    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends.data()) != 0) {
        BlockEndingSignals(false);
        return;
    }
    signalPipe = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        notifier->setEnabled(false);
        // A second signal ends the program at once, should the save hang.
        HandleEndingSignals(SIG_DFL);
        window.EndWithoutQuestion();
        QCoreApplication::exit(0);
    });
    HandleEndingSignals(WakeEventLoop);
    // A signal held until now arrives here, and waits for the event loop.
    BlockEndingSignals(false);
}
