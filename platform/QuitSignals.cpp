// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int Pipe[2] = {-1, -1};
const int Signals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int sig) {
    const char byte = char(sig);
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] ssize_t n = ::write(Pipe[1], &byte, 1);
}

} // namespace

TQuitSignals::TQuitSignals(std::function<void()> onQuit, QObject* parent)
    : QObject(parent), OnQuit(std::move(onQuit)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Pipe) != 0)
        return;
    ::fcntl(Pipe[1], F_SETFL, O_NONBLOCK);
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        char buf[16];
        [[maybe_unused]] ssize_t n = ::read(Pipe[0], buf, sizeof buf);
        FRequested = true;
        if (OnQuit)
            OnQuit();
        // Before the main loop runs, quit() would do nothing: exit() ends every loop.
        QCoreApplication::exit(0);
    });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : Signals)
        ::sigaction(sig, &sa, nullptr);
}

TQuitSignals::~TQuitSignals() {
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    for (int sig : Signals)
        ::sigaction(sig, &sa, nullptr);
    delete Notifier;
    Notifier = nullptr;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

} // namespace platform
