// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The split of a remaining time into the four numbers the clock shows.

#include "common/DateTime.h"

#include <QString>
#include <cstdint>

struct TCountdownParts {
    std::int32_t Days = 0;
    std::int32_t Hours = 0, Minutes = 0, Seconds = 0;
};

// Days = the remaining time rounded down, without modulus; hours, minutes and seconds by
// the standard time decoding (milliseconds rounded half to even, then dropped). A value
// beyond the 32-bit day count saturates instead of overflowing.
TCountdownParts SplitRemaining(TDateTime remaining);

// The wall clock's seconds turn this long before the tick that shows them: enough for a
// precise timer's lateness and the drift between the timer's clock and the wall clock
// over one second, far below what an eye can see.
inline constexpr int TickLag = 2; // milliseconds

// The wait from now until TickLag after the wall clock's next second. Scheduled from each
// tick's own reading of now, the ticks follow the wall clock and catch up with a step of
// it at the next tick; a tick that comes on time waits exactly 1000 ms.
int MillisecondsToNextTick(TDateTime now);

// The time left in words, for screen readers: "380 days, 12 hours and 13 minutes left"
// (parts that are 0 left out), "Less than a minute left", "The countdown has ended." at
// 0 0 0 0. Translated, with the language's plural forms.
QString TimeLeftInWords(const TCountdownParts& parts);
// What the words depend on: they change at most once a minute.
std::int64_t TimeLeftInWordsKey(const TCountdownParts& parts);
