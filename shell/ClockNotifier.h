// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a clock tells its user: the end of a countdown and, for a clock never saved before,
// how to set it. The desktop's notification service first; without one the tray's balloon,
// while the icon is shown; without either, nothing.

#include "common/DateTime.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace platform {
class TDesktopNotifier;
}
class TTrayIcon;

class TClockNotifier : public QObject {
    Q_OBJECT
public:
    // Connects to the session bus at once: connecting never waits in a tick.
    TClockNotifier(QObject* parent, TTrayIcon* tray);

    // The clock told about from now on (0-based), and whether it is new: a clock never
    // saved before explains itself, once the window is there.
    void Activate(int clock, bool firstStart);
    void WindowShown();
    // The countdown to target came to its end; an event's name says which.
    void EndReached(TDateTime target, const QString& eventName);

    bool NotifyAtEnd = true; // the stored "NotifyAtEnd"

private:
    void Tell(const QString& body);

    platform::TDesktopNotifier* Notifier;
    QPointer<TTrayIcon> Tray;
    int Clock = 0;
    bool Shown = false;
    bool HintPending = false;
};
