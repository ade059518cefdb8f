#pragma once
// Turns the signals that end a desktop program (SIGTERM, SIGINT, SIGHUP) into a call on
// the event loop, so the program leaves through its normal close path and saves.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace platform {

class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> OnQuit;
    QSocketNotifier* Notifier = nullptr;
};

} // namespace platform
