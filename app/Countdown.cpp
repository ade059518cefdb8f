// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Countdown.h"

#include <cmath>
#include <limits>

TCountdownParts SplitRemaining(TDateTime remaining) {
    TCountdownParts parts;
    const double days = std::floor(remaining);
    if (std::isnan(days))
        parts.Days = 0;
    else if (days >= double(std::numeric_limits<std::int32_t>::max()))
        parts.Days = std::numeric_limits<std::int32_t>::max();
    else if (days <= double(std::numeric_limits<std::int32_t>::min()))
        parts.Days = std::numeric_limits<std::int32_t>::min();
    else
        parts.Days = std::int32_t(days);
    const common::TTimeParts t = common::DecodeTime(remaining);
    parts.Hours = t.Hour;
    parts.Minutes = t.Minute;
    parts.Seconds = t.Second;
    return parts;
}

int MillisecondsToNextTick(TDateTime now) {
    return 1000 - common::DecodeTime(now).MSec + TickLag;
}
