// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one guard that stands at every boundary between Qt's event loop and the program's
// handlers: exceptions never cross the event loop, they end the handler and reach the
// user in the standard error box. Also the program's plain message box.

#include "common/Errors.h"

#include <QString>
#include <Qt>
#include <functional>

class QObject;
class QTimer;

namespace widgets {

// Shows the application's standard error box: a message box with the text, captioned
// with the application's title. Tests replace it to collect the messages.
void ShowException(const QString& message);
void SetExceptionReporter(std::function<void(const QString&)> reporter);

// A plain message box with an OK button, captioned with the application's title. Tests
// replace it to collect the messages.
void ShowMessage(const QString& message);
void SetMessageReporter(std::function<void(const QString&)> reporter);

// Runs f; an exception ends it and is shown. Returns false when one was thrown.
template <class F> bool Guarded(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        try {
            ShowException(common::CurrentExceptionMessage());
        } catch (...) {
        }
        return false;
    }
}

// Runs handler under the guard each time the application steps from active to inactive,
// while owner lives.
void OnDeactivation(QObject* owner, std::function<void()> handler);

// A repeating timer of the owner's whose every tick runs tick under the guard.
QTimer* GuardedTimer(QObject* owner, int intervalMs, std::function<void()> tick,
                     Qt::TimerType type = Qt::CoarseTimer);

} // namespace widgets
