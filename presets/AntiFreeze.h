// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the user interface alive while the preset download waits on the network: every
// wait of the download is cut short and the pending events of the application are
// processed in between, so the countdown, window moves and repaints go on.

#include <functional>

class TAntiFreeze {
public:
    // At most one pump exists in the process; creating a second one is an error.
    TAntiFreeze();
    ~TAntiFreeze();
    TAntiFreeze(const TAntiFreeze&) = delete;
    TAntiFreeze& operator=(const TAntiFreeze&) = delete;

    static TAntiFreeze* Instance();
    // Processes all pending events, when a pump exists, is active and this is the
    // user-interface thread.
    static void DoProcess();

    bool Active = true;
    int IdleTimeOut = 250; // ms: the longest single wait
    // Tests count the pump's runs.
    std::function<void()> OnProcess;
};
