// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The countdown of a clock: from its target and now, the four numbers it shows, the moment
// its end comes, and the time left in words for screen readers. No window.

#include "app/ClockEvent.h"
#include "common/DateTime.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

struct TCountdownParts {
    std::int32_t Days = 0;
    std::int32_t Hours = 0, Minutes = 0, Seconds = 0;
    std::array<std::int32_t, 4> Numbers() const { return {Days, Hours, Minutes, Seconds}; }
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
// 0 0 0 0; counting up since the end, "2 hours and 1 minute since the end". Translated,
// with the language's plural forms.
QString TimeLeftInWords(const TCountdownParts& parts, bool since = false);
// What the words depend on: they change at most once a minute.
std::int64_t TimeLeftInWordsKey(const TCountdownParts& parts);

class TCountdown {
public:
    // The moment to count down to once the target has passed: the date/time dialog's last
    // pick. Asked only then.
    using TFallback = std::function<TDateTime()>;

    struct TStep {
        TDateTime Target = 0;    // a passed target replaced by the fallback, never before now
        TDateTime Remaining = 0; // Target - now: never below zero (now - Target while Since)
        // Counting up from a target that has come (the event's choice after the end).
        bool Since = false;
        TCountdownParts Parts;
        // The target counted down to from above zero came at this step: once per target.
        bool EndedNow = false;
        // The time left in words, when they changed since the last step (once a minute at
        // most, so that a screen reader is not flooded).
        std::optional<QString> Words;
    };

    // One tick: the target as it stands, and now, read once for the whole tick. A target
    // exactly at now stands; one before now gives way as the event chooses: the numbers
    // count up from it, or its next occurrence comes, or (as designed, and once a rule has
    // no more) the fallback.
    TStep Step(TDateTime target, TDateTime now, const TFallback& fallback);
    // The target comes from elsewhere (a stored one, the dialog's): it is counted down from
    // here, and its end is told only once a step has seen it above zero.
    void Restart() { CountingDown = false; }
    // A picked moment as a target: never a moment before now.
    static TDateTime NotBefore(TDateTime picked, TDateTime now);

    bool CountingDown = false; // a step saw the target above zero since it was set
    TClockEvent Event;         // what the clock counts to, and what comes after it

private:
    // What the last words said (TimeLeftInWordsKey, and whether since): none yet.
    std::int64_t SpokenKey = std::numeric_limits<std::int64_t>::min();
};
