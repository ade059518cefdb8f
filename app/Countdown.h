#pragma once
// The split of a remaining time into the four numbers the clock shows.

#include "common/DateTime.h"

#include <cstdint>

struct TCountdownParts {
    std::int32_t Days = 0;
    std::int32_t Hours = 0, Minutes = 0, Seconds = 0;
};

// Days = the remaining time rounded down, without modulus; hours, minutes and seconds by
// the standard time decoding (milliseconds rounded half to even, then dropped). A value
// beyond the 32-bit day count saturates instead of overflowing.
TCountdownParts SplitRemaining(TDateTime remaining);
