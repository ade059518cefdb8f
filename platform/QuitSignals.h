// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the signals that end a desktop program (SIGTERM, SIGINT, SIGHUP) into a call on
// the event loop, so the program leaves through its normal close path and saves. Every
// event loop running then ends, a message box's or a dialog's included, and Requested()
// tells the program not to start a new one.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace platform {

class TQuitSignals : public QObject {
public:
    explicit TQuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~TQuitSignals() override;

    bool Requested() const { return FRequested; }

private:
    std::function<void()> OnQuit;
    QSocketNotifier* Notifier = nullptr;
    bool FRequested = false;
};

} // namespace platform
