// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages to the user through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), never waiting for it: the bus is
// connected on a thread of its own, ahead of the first message, and a message goes out
// asynchronously. Where there is no bus or no service the caller hears so, and shows the
// message another way.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

struct TNotification {
    QString AppName;
    QString Icon; // an icon name of the desktop's theme
    QString Summary;
    QString Body;
};

class TDesktopNotifier : public QObject {
    Q_OBJECT
public:
    // Starts connecting to the session bus, in the background.
    explicit TDesktopNotifier(QObject* parent = nullptr);
    ~TDesktopNotifier() override;
    TDesktopNotifier(const TDesktopNotifier&) = delete;
    TDesktopNotifier& operator=(const TDesktopNotifier&) = delete;

    // Sends a message; taken(true) once the service took it, taken(false) when there is
    // no bus, no service, or it refused. Never waits; taken is called later, on this
    // object's thread (at once for a test's sink).
    void Send(const TNotification& message, std::function<void(bool)> taken);

    // Takes the messages instead of the bus (tests): it says whether they are taken.
    // Empty: the bus.
    static void SetSink(std::function<bool(const TNotification&)> sink);

private:
    // Sends once the bus is connected, trying again for a while meanwhile.
    void Try(const TNotification& message, const std::function<void(bool)>& taken, int left);
    void SendNow(const TNotification& message, const std::function<void(bool)>& taken);
};

} // namespace platform
