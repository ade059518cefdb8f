// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClockEvent.h"
#include "support/ClockTest.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

// The local moment of a wall clock in a zone.
TDateTime InZone(int y, int mo, int d, int h, const char* zone) {
    return common::FromQDateTime(
        QDateTime(QDate(y, mo, d), QTime(h, 0), QTimeZone(zone)).toLocalTime());
}

} // namespace

TEST(ClockEventTest, TheMomentToCountToFromNowAndTheTitle) {
    const TDateTime now = At(2026, 12, 24, 12);
    const struct {
        const char* Name;
        events::TEvent Event;
        TDateTime Target;
        bool Plain;
        const char* Title = "Clock 2"; // in the tray's tool-tip
    } rows[] = {
        {"a one-off moment is the stored one, passed or not",
         {At(2025, 1, 1), {}, {}, {}, {}},
         At(2025, 1, 1),
         true},
        {"a yearly event counts to this year's occurrence",
         {At(2020, 12, 25), "RRULE:FREQ=YEARLY", {}, "Christmas", {}},
         At(2026, 12, 25),
         false,
         "Clock 2 — Christmas"},
        {"an occurrence now is counted to",
         {At(2026, 12, 17, 12), "RRULE:FREQ=WEEKLY", {}, {}, {}},
         now,
         false},
        {"a rule with none left counts to its first moment",
         {At(2026, 1, 1), "RRULE:FREQ=DAILY;COUNT=2", {}, {}, {}},
         At(2026, 1, 1),
         false},
        {"a moment pinned to a zone is that instant",
         {At(2026, 3, 30, 12), {}, "Europe/Berlin", {}, {}},
         InZone(2026, 3, 30, 12, "Europe/Berlin"),
         false},
        {"a rule libical refuses leaves the first moment",
         {At(2027, 1, 1), "RRULE:FREQ=SOMETIMES", {}, {}, {}},
         At(2027, 1, 1),
         false},
    };
    for (const auto& row : rows) {
        TClockEvent event;
        event.Set(row.Event);
        EXPECT_NEAR(event.TargetAt(now), row.Target, 1e-11) << row.Name;
        EXPECT_EQ(event.Plain(), row.Plain) << row.Name;
        EXPECT_EQ(event.Title(1, std::nullopt), row.Title) << row.Name;
        EXPECT_EQ(event.Problem().isEmpty(),
                  std::string(row.Name).find("refuses") == std::string::npos)
            << row.Name;
    }
}

TEST(ClockEventTest, TheNextOccurrenceIsAskedOnceARuleHasEnded) {
    TClockEvent event;
    event.Set(
        {At(2026, 1, 1), "RRULE:FREQ=DAILY;COUNT=3", {}, {}, events::TAfterEnd::NextOccurrence});
    EXPECT_NEAR(*event.NextAfter(At(2026, 1, 1)), At(2026, 1, 2), 1e-11);
    EXPECT_EQ(event.NextAfter(At(2026, 1, 3)), std::nullopt);
    EXPECT_EQ(event.NextAfter(At(2026, 1, 4)), std::nullopt);
    // A moment picked in local time becomes the wall clock of the event's zone.
    event.Set({At(2026, 1, 1), {}, "Asia/Tokyo", {}, {}});
    const TDateTime picked = InZone(2026, 7, 1, 9, "Asia/Tokyo");
    EXPECT_NEAR(event.StartingAt(picked).Start, At(2026, 7, 1, 9), 1e-11);
}
