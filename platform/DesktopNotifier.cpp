// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotifier.h"

#include "platform/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTimer>
#include <QVariantMap>

namespace platform {

namespace {

std::function<bool(const TNotification&)>& Sink() {
    static std::function<bool(const TNotification&)> sink;
    return sink;
}

// How long a message waits for a bus that is still being connected to (ms), in steps.
constexpr int RetryStep = 100, RetrySteps = 50;

} // namespace

TDesktopNotifier::TDesktopNotifier(QObject* parent) : QObject(parent) {
    // Ahead of the first message: connecting never waits in one.
    if (!Sink())
        TSessionBus::State();
}

TDesktopNotifier::~TDesktopNotifier() = default;

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
    switch (TSessionBus::State()) {
    case TSessionBus::TState::Connected:
        SendNow(message, taken);
        return;
    case TSessionBus::TState::NoBus:
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
