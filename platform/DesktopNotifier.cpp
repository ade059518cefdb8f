// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QTimer>
#include <QVariantMap>
#include <atomic>
#include <thread>

namespace platform {

namespace {

std::atomic<int>& ConnectingCount() {
    static std::atomic<int> count{0};
    return count;
}

std::function<bool(const TNotification&)>& Sink() {
    static std::function<bool(const TNotification&)> sink;
    return sink;
}

// A session bus to ask: the address the session gives, or the usual socket.
bool SessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// How long a message waits for a bus that is still being connected to (ms), in steps.
constexpr int RetryStep = 100, RetrySteps = 50;

} // namespace

struct TDesktopNotifier::TState {
    enum TPhase { Connecting, Connected, NoBus };
    std::atomic<int> Phase{Connecting};
    std::thread Worker;
};

TDesktopNotifier::TDesktopNotifier(QObject* parent)
    : QObject(parent), State(std::make_shared<TState>()) {
    if (Sink() || !SessionBusExists()) {
        State->Phase = Sink() ? TState::Connected : TState::NoBus;
        return;
    }
    // Qt connects to the bus and says hello synchronously, the first time it is asked:
    // a thread of its own waits for that, not the clock.
    ++ConnectingCount();
    State->Worker = std::thread([state = State] {
        state->Phase =
            QDBusConnection::sessionBus().isConnected() ? TState::Connected : TState::NoBus;
        --ConnectingCount();
    });
}

TDesktopNotifier::~TDesktopNotifier() {
    if (!State->Worker.joinable())
        return;
    // A bus that never answered is not waited for: the thread keeps the state it shares.
    if (State->Phase == TState::Connecting)
        State->Worker.detach();
    else
        State->Worker.join();
}

bool TDesktopNotifier::AnyStillConnecting() {
    return ConnectingCount() > 0;
}

void TDesktopNotifier::SetSink(std::function<bool(const TNotification&)> sink) {
    Sink() = std::move(sink);
}

void TDesktopNotifier::Send(const TNotification& message, std::function<void(bool)> taken) {
    if (Sink()) {
        taken(Sink()(message));
        return;
    }
    QTimer::singleShot(0, this, [this, message, taken] { Try(message, taken, RetrySteps); });
}

void TDesktopNotifier::Try(const TNotification& message, const std::function<void(bool)>& taken,
                           int left) {
    switch (State->Phase) {
    case TState::Connected:
        SendNow(message, taken);
        return;
    case TState::NoBus:
        taken(false);
        return;
    default:
        if (left == 0)
            taken(false);
        else
            QTimer::singleShot(RetryStep, this,
                               [this, message, taken, left] { Try(message, taken, left - 1); });
    }
}

void TDesktopNotifier::SendNow(const TNotification& message,
                               const std::function<void(bool)>& taken) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},
        {QStringLiteral("desktop-entry"), QStringLiteral("example.korvane5.Korvane5")}};
    call << message.AppName << 0u << message.Icon << message.Summary << message.Body
         << QStringList() << hints << -1; // -1: it expires as the server decides
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 10000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [taken](QDBusPendingCallWatcher* finished) {
                taken(!finished->isError());
                finished->deleteLater();
            });
}

} // namespace platform
