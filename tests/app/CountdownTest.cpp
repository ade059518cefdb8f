// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Countdown.h"
#include "support/ClockTest.h"

#include <cmath>
#include <limits>

TEST(CountdownTest, SplitsDaysHoursMinutesSeconds) {
    const TCountdownParts p = SplitRemaining(1 + 2 / 24.0 + 3 / 1440.0 + 4.6 * Second);
    EXPECT_EQ(p.Days, 1);
    EXPECT_EQ(p.Hours, 2);
    EXPECT_EQ(p.Minutes, 3);
    EXPECT_EQ(p.Seconds, 4); // the fraction of a second is dropped, not rounded
}

TEST(CountdownTest, DaysHaveNoModulus) {
    EXPECT_EQ(SplitRemaining(400.5).Days, 400);
    EXPECT_EQ(SplitRemaining(12345.25).Days, 12345);
    EXPECT_EQ(SplitRemaining(12345.25).Hours, 6);
}

TEST(CountdownTest, MillisecondsRoundBeforeTheSplit) {
    // 4.9996 s rounds to 5000 ms, so the seconds read 5, as the standard decoding does.
    EXPECT_EQ(SplitRemaining(4.9996 * Second).Seconds, 5);
    EXPECT_EQ(SplitRemaining(4.4 * Second).Seconds, 4);
    // Just below a whole day: days round down while the time of day rounds to 00:00:00.
    const TCountdownParts p = SplitRemaining(1 - 0.0001 * Second);
    EXPECT_EQ(p.Days, 0);
    EXPECT_EQ(p.Hours + p.Minutes + p.Seconds, 0);
}

TEST(CountdownTest, AbsurdValuesDoNotOverflow) {
    EXPECT_EQ(SplitRemaining(1e30).Days, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SplitRemaining(std::nan("")).Days, 0);
    const TCountdownParts p = SplitRemaining(std::numeric_limits<double>::infinity());
    EXPECT_EQ(p.Hours, 0);
}

TEST(CountdownTest, NextTickComesJustAfterTheNextSecond) {
    const TDateTime second = At(2026, 3, 14, 10, 0, 0);
    for (const auto& [ms, wait] :
         std::vector<std::pair<double, int>>{{0, 1000 + TickLag},
                                             {TickLag, 1000},
                                             {300, 700 + TickLag},
                                             {999, 1 + TickLag},
                                             {999.6, 1000 + TickLag}}) // rounds to the next second
        EXPECT_EQ(MillisecondsToNextTick(second + ms / 1000 * Second), wait) << ms;
    EXPECT_EQ(MillisecondsToNextTick(std::nan("")), 1000 + TickLag);
}

TEST(CountdownTest, TheTimeLeftInWordsChangesOnceAMinute) {
    const struct {
        TCountdownParts Parts;
        const char* Words;
    } rows[] = {{{380, 12, 13, 5}, "380 days, 12 hours and 13 minutes left"},
                {{1, 1, 1, 59}, "1 day, 1 hour and 1 minute left"},
                {{2, 0, 5, 0}, "2 days and 5 minutes left"},
                {{0, 3, 0, 0}, "3 hours left"},
                {{0, 0, 0, 40}, "Less than a minute left"},
                {{0, 0, 0, 0}, "The countdown has ended."}};
    for (const auto& row : rows)
        EXPECT_EQ(TimeLeftInWords(row.Parts), row.Words) << row.Words;
    EXPECT_EQ(TimeLeftInWordsKey({0, 0, 12, 59}), TimeLeftInWordsKey({0, 0, 12, 0}));
    EXPECT_NE(TimeLeftInWordsKey({0, 0, 0, 1}), TimeLeftInWordsKey({0, 0, 0, 0}));
}
