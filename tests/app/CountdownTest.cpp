// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Countdown.h"
#include "support/ClockTest.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

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
        bool Since = false;
    } rows[] = {{{380, 12, 13, 5}, "380 days, 12 hours and 13 minutes left"},
                {{1, 1, 1, 59}, "1 day, 1 hour and 1 minute left"},
                {{2, 0, 5, 0}, "2 days and 5 minutes left"},
                {{0, 3, 0, 0}, "3 hours left"},
                {{0, 0, 0, 40}, "Less than a minute left"},
                {{0, 0, 0, 0}, "The countdown has ended."},
                {{0, 2, 1, 0}, "2 hours and 1 minute since the end", true},
                {{0, 0, 0, 40}, "Less than a minute since the end", true}};
    for (const auto& row : rows)
        EXPECT_EQ(TimeLeftInWords(row.Parts, row.Since), row.Words) << row.Words;
    EXPECT_EQ(TimeLeftInWordsKey({0, 0, 12, 59}), TimeLeftInWordsKey({0, 0, 12, 0}));
    EXPECT_NE(TimeLeftInWordsKey({0, 0, 0, 1}), TimeLeftInWordsKey({0, 0, 0, 0}));
}

// Ticks of a countdown against a clock that moves only as each row says.
TEST(CountdownTest, EachTickFromTargetAndNow) {
    const TDateTime start = At(2026, 3, 14, 10, 0, 0);
    constexpr double Keep = -1e9, LongPast = -4e9; // seconds after start
    constexpr double Day = 86400;
    struct TTick {
        double Now;       // seconds after start
        double SetTarget; // before the tick, a target from elsewhere (Keep: none)
        TCountdownParts Parts;
        double Target; // after the tick
        bool Ended;
        const char* Words = nullptr; // the new words, "" for none; nullptr: not looked at
    };
    const struct {
        const char* Name;
        double Target, Fallback; // seconds after start: the target, the dialog's last pick
        std::vector<TTick> Ticks;
        // The event whose first moment is the target: what comes after its end.
        events::TAfterEnd AfterEnd = events::TAfterEnd::AsDesigned;
        const char* Repeat = "";
    } rows[] = {
        {"a day, two hours, three minutes and 4.6 s ahead",
         Day + 2 * 3600 + 3 * 60 + 4.6,
         LongPast,
         {{0,
           Keep,
           {1, 2, 3, 4},
           Day + 2 * 3600 + 3 * 60 + 4.6,
           false,
           "1 day, 2 hours and 3 minutes left"}}},
        {"12345 days ahead",
         12345 * Day,
         LongPast,
         {{0, Keep, {12345, 0, 0, 0}, 12345 * Day, false}}},
        {"a target equal to now stands without a re-take",
         0,
         5 * Day,
         {{0, Keep, {0, 0, 0, 0}, 0, false, "The countdown has ended."},
          // One millisecond later the target has passed: the pick is taken.
          {0.001, Keep, {4, 23, 59, 59}, 5 * Day, false, "4 days, 23 hours and 59 minutes left"}}},
        {"no target and a pick long past stand at zero following now",
         LongPast,
         LongPast,
         {{0, Keep, {0, 0, 0, 0}, 0, false}, {1, Keep, {0, 0, 0, 0}, 1, false}}},
        {"the end is told once, at the target",
         3,
         LongPast,
         {{1, Keep, {0, 0, 0, 2}, 3, false, "Less than a minute left"},
          {2, Keep, {0, 0, 0, 1}, 3, false, ""},
          {3, Keep, {0, 0, 0, 0}, 3, true, "The countdown has ended."},
          {4, Keep, {0, 0, 0, 0}, 4, false},
          {7, Keep, {0, 0, 0, 0}, 7, false}}},
        {"a target taken again from the pick and reached is a new end",
         3,
         5,
         {{2, Keep, {0, 0, 0, 1}, 3, false},
          {3, Keep, {0, 0, 0, 0}, 3, true},
          {4, Keep, {0, 0, 0, 1}, 5, false},
          {5, Keep, {0, 0, 0, 0}, 5, true}}},
        {"a target passed before the start is no end",
         -5,
         LongPast,
         {{0, Keep, {0, 0, 0, 0}, 0, false}, {8, Keep, {0, 0, 0, 0}, 8, false}}},
        {"a moment in the past picked is no end",
         3,
         LongPast,
         {{1, Keep, {0, 0, 0, 2}, 3, false}, {2, 1.5, {0, 0, 0, 0}, 2, false}}},
        {"the words change once a minute",
         2 * 3600 + 61,
         LongPast,
         {{0, Keep, {0, 2, 1, 1}, 2 * 3600 + 61, false, "2 hours and 1 minute left"},
          {1, Keep, {0, 2, 1, 0}, 2 * 3600 + 61, false, ""},
          {2, Keep, {0, 2, 0, 59}, 2 * 3600 + 61, false, "2 hours left"}}},
        {"counting up: the numbers go up from the end, which is told once",
         3,
         5,
         {{2, Keep, {0, 0, 0, 1}, 3, false},
          {3, Keep, {0, 0, 0, 0}, 3, true, "The countdown has ended."},
          {4, Keep, {0, 0, 0, 1}, 3, false, "Less than a minute since the end"},
          {3 + 3661, Keep, {0, 1, 1, 1}, 3, false, "1 hour and 1 minute since the end"}},
         events::TAfterEnd::CountUp},
        {"counting up from a target passed before the start tells no end",
         -5,
         LongPast,
         {{0, Keep, {0, 0, 0, 5}, -5, false}},
         events::TAfterEnd::CountUp},
        {"the next occurrence comes at once, and each end is told",
         3,
         LongPast,
         {{2, Keep, {0, 0, 0, 1}, 3, false},
          {3, Keep, {0, 0, 0, 0}, 3, true},
          {4, Keep, {0, 23, 59, 59}, 3 + Day, false},
          {3 + Day, Keep, {0, 0, 0, 0}, 3 + Day, true}},
         events::TAfterEnd::NextOccurrence,
         "RRULE:FREQ=DAILY"},
        {"a rule with no occurrence left gives way to the pick",
         3,
         10,
         {{2, Keep, {0, 0, 0, 1}, 3, false},
          {3, Keep, {0, 0, 0, 0}, 3, true},
          {4, Keep, {0, 0, 0, 6}, 10, false}},
         events::TAfterEnd::NextOccurrence,
         "RRULE:FREQ=DAILY;COUNT=1"},
    };
    const auto at = [&](double seconds) { return start + seconds * Second; };
    for (const auto& row : rows) {
        TCountdown countdown;
        TDateTime target = at(row.Target);
        countdown.Event.Set({target, row.Repeat, {}, {}, row.AfterEnd});
        for (const TTick& tick : row.Ticks) {
            const std::string where = std::string(row.Name) + " at " + std::to_string(tick.Now);
            if (tick.SetTarget != Keep) {
                target = at(tick.SetTarget);
                countdown.Restart();
            }
            const TDateTime now = at(tick.Now);
            const TCountdown::TStep step =
                countdown.Step(target, now, [&] { return at(row.Fallback); });
            EXPECT_EQ(std::vector<int>({step.Parts.Days, step.Parts.Hours, step.Parts.Minutes,
                                        step.Parts.Seconds}),
                      std::vector<int>({tick.Parts.Days, tick.Parts.Hours, tick.Parts.Minutes,
                                        tick.Parts.Seconds}))
                << where;
            // Within a microsecond: an occurrence comes through the calendar's own seconds.
            EXPECT_NEAR(step.Target, at(tick.Target), 1e-11) << where;
            EXPECT_DOUBLE_EQ(step.Remaining, step.Since ? now - step.Target : step.Target - now)
                << where;
            EXPECT_GE(step.Remaining, 0) << where;
            EXPECT_EQ(step.EndedNow, tick.Ended) << where;
            if (tick.Words)
                EXPECT_EQ(step.Words.value_or(""), tick.Words) << where;
            target = step.Target;
        }
    }
}
