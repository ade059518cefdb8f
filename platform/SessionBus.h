// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the session bus answers, found out on a thread of its own. Qt connects to the bus
// and says hello synchronously the first time anything asks for it, and a bus that accepts
// connections and never answers (a hung daemon, a stuck proxy) would hold that caller for as
// long as it stays: the clock asks nothing of the bus before this says it answered.

#include <QObject>
#include <functional>

namespace platform {

class TSessionBus {
public:
    enum class TState { Connecting, Connected, NoBus };

    // The state now; the first call starts finding out.
    static TState State();
    // Calls settled on context's thread once the bus answered (true) or is known to be
    // missing (false); at once when that is known already. Never, while the bus is silent.
    static void WhenSettled(QObject* context, std::function<void(bool connected)> settled);
    // Waits up to ms for the answer; false when the bus has not answered by then.
    static bool WaitSettled(int ms);
    // Before the application object: Qt asks the session bus synchronously in places (the
    // accessibility bridge at the first window, the platform theme). A bus that has not
    // answered within a second is given up for the run: nothing waits on it, the tray icon
    // docks in an X11 tray and notifications show as its balloons.
    static void Prepare();
    // Tests: the state, without asking any bus.
    static void Pretend(TState state);
};

} // namespace platform
