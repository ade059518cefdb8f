// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ClockNotifier.h"

#include "app/ClockEvent.h"
#include "platform/DesktopNotifier.h"
#include "shell/TrayIcon.h"

#include <QDateTime>
#include <QLocale>

TClockNotifier::TClockNotifier(QObject* parent, TTrayIcon* tray)
    : QObject(parent), Notifier(new platform::TDesktopNotifier(this)), Tray(tray) {}

void TClockNotifier::Activate(int clock, bool firstStart) {
    Clock = clock;
    HintPending = firstStart;
    if (Shown)
        WindowShown();
}

void TClockNotifier::WindowShown() {
    Shown = true;
    if (HintPending)
        Tell(tr("Right-click the clock to choose the moment to count down to."));
}

void TClockNotifier::EndReached(TDateTime target, const QString& eventName) {
    if (!NotifyAtEnd)
        return;
    if (!eventName.isEmpty()) {
        Tell(tr("%1 — the countdown has ended").arg(eventName));
        return;
    }
    const QDateTime reached = common::ToQDateTime(target);
    const QLocale locale;
    Tell(tr("The countdown to %1 %2 has ended.")
             .arg(locale.toString(reached.date(), QLocale::LongFormat),
                  locale.toString(reached.time(), QLocale::ShortFormat)));
}

void TClockNotifier::Tell(const QString& body) {
    HintPending = false;
    const QString summary = ClockName(Clock);
    Notifier->Send({QStringLiteral("Korvane5"), QStringLiteral("korvane5"), summary, body},
                   [tray = Tray, summary, body](bool taken) {
                       if (!taken && tray)
                           tray->ShowMessage(summary, body);
                   });
}
