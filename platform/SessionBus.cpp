// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionBus.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <dbus/dbus.h>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

namespace {

// The session bus's address: the one the session gives, or the usual socket; empty: none.
QByteArray SessionBusAddress() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime + QStringLiteral("/bus");
    if (runtime.isEmpty() || !QFileInfo::exists(socket))
        return {};
    return "unix:path=" + QFile::encodeName(socket);
}

// Says hello to the bus on a connection of its own, through the D-Bus library itself: Qt's
// connections share one thread, which a silent bus would hold for everybody.
bool BusAnswers(const QByteArray& address) {
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* connection = dbus_connection_open_private(address.constData(), &error);
    bool answered = false;
    if (connection) {
        answered = dbus_bus_register(connection, &error);
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
    dbus_error_free(&error);
    return answered;
}

struct TProbe {
    std::atomic<TSessionBus::TState> State{TSessionBus::TState::Connecting};
    bool Started = false;
    bool Pretended = false;
    std::mutex Lock;
    struct TWaiter {
        QPointer<QObject> Context;
        std::function<void(bool)> Settled;
    };
    std::vector<TWaiter> Waiters; // under Lock
};

TProbe& Probe() {
    // Never destroyed: a probe thread still waiting on a slow bus at the program's end must
    // not find it gone.
    static TProbe* const probe = new TProbe;
    return *probe;
}

void Tell(TProbe& probe, std::vector<TProbe::TWaiter> waiters) {
    const bool connected = probe.State == TSessionBus::TState::Connected;
    for (TProbe::TWaiter& waiter : waiters)
        if (waiter.Context)
            QMetaObject::invokeMethod(
                waiter.Context,
                [settled = std::move(waiter.Settled), connected] { settled(connected); },
                Qt::QueuedConnection);
}

void Start(TProbe& probe) {
    if (probe.Started || probe.Pretended)
        return;
    probe.Started = true;
    const QByteArray address = SessionBusAddress();
    if (address.isEmpty()) {
        probe.State = TSessionBus::TState::NoBus;
        return;
    }
    // The thread is never joined: one that waits on a silent bus is left to the end of the
    // program, which does not wait for it.
    std::thread([address] {
        TProbe& p = Probe();
        const bool connected = BusAnswers(address);
        std::vector<TProbe::TWaiter> waiters;
        {
            const std::lock_guard<std::mutex> lock(p.Lock);
            if (p.State != TSessionBus::TState::Connecting)
                return; // given up on at start-up: the answer comes too late
            p.State = connected ? TSessionBus::TState::Connected : TSessionBus::TState::NoBus;
            waiters.swap(p.Waiters);
        }
        Tell(p, std::move(waiters));
    }).detach();
}

} // namespace

TSessionBus::TState TSessionBus::State() {
    TProbe& probe = Probe();
    {
        const std::lock_guard<std::mutex> lock(probe.Lock);
        Start(probe);
    }
    return probe.State;
}

void TSessionBus::WhenSettled(QObject* context, std::function<void(bool connected)> settled) {
    TProbe& probe = Probe();
    {
        const std::lock_guard<std::mutex> lock(probe.Lock);
        Start(probe);
        if (probe.State == TState::Connecting) {
            probe.Waiters.push_back({context, std::move(settled)});
            return;
        }
    }
    const bool connected = probe.State == TState::Connected;
    QTimer::singleShot(0, context,
                       [settled = std::move(settled), connected] { settled(connected); });
}

bool TSessionBus::WaitSettled(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (State() == TState::Connecting) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void TSessionBus::Prepare() {
    if (WaitSettled(1000))
        return;
    // Qt asks the session bus synchronously in more places than the clock can keep it from
    // (the accessibility bridge, the platform theme's settings): for this run the bus is
    // one that is not there, so every such question fails at once. The tray icon then
    // docks in an X11 tray, and notifications fall back to its balloon.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/korvane5-silent-session-bus");
    if (qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS"))
        qputenv("AT_SPI_BUS_ADDRESS", "unix:abstract=korvane5-no-accessibility-bus");
    Pretend(TState::NoBus);
}

void TSessionBus::Pretend(TState state) {
    TProbe& probe = Probe();
    std::vector<TProbe::TWaiter> waiters;
    {
        const std::lock_guard<std::mutex> lock(probe.Lock);
        probe.Pretended = true;
        probe.State = state;
        if (state != TState::Connecting)
            waiters.swap(probe.Waiters);
    }
    Tell(probe, std::move(waiters));
}

} // namespace platform
