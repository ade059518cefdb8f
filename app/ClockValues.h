// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values a clock keeps in its settings key, store::keys::Clock(n): one table (in
// MainSettings.cpp) holds each value's name, type, default, the values that count and the
// menu handler that applies it. LoadSettings reads in the table's order and applies in
// ApplyRank order; SaveSettings writes in the table's order.

#include "common/DateTime.h"

#include <cstdint>
#include <span>
#include <variant>

class TMainForm;

// One clock's values as LoadSettings reads them, each starting at its default.
struct TClockValues {
    bool StickToDesktop = false;
    bool AlwaysOnTop = false;
    bool HideTray = false; // off: the icon is shown
    std::int32_t Left = 0; // defaults: where the window is now
    std::int32_t Top = 0;
    std::int32_t RandomTime = -1; // matches no interval: the one in force stays
    std::int32_t Opacity = 255;   // 100 percent, blending off
    bool NotifyAtEnd = true;      // a desktop notification when the countdown ends
};

struct TClockValue {
    const char* Name;
    // Where the value goes, and so its type: a flag (a 32-bit integer, any non-zero value
    // is on), a 32-bit integer, or the target (8 bytes, the date-time double itself), which
    // is read into the window itself so that a missing value always leaves 0 there.
    std::variant<bool TClockValues::*, std::int32_t TClockValues::*, TDateTime TMainForm::*> Field;
    // The values that change anything; empty: every value.
    std::span<const int> Accepted;
    // The step of LoadSettings that applies it, through the menu command's own handler;
    // none for Left and the target (Top moves the window to both).
    void (TMainForm::*Apply)(const TClockValues&);
    int ApplyRank; // 0 first
};

// The accepted values of the two radio choices, which are also their menu items' tags.
inline constexpr int RandomTimes[] = {5, 10, 20, 30, 60};    // minutes
inline constexpr int Opacities[] = {51, 102, 153, 204, 255}; // alpha: 20 to 100 percent
