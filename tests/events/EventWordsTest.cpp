// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventWords.h"
#include "events/Schedule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace events;

namespace {
TRepeatChoice Choice(TRepeatKind kind, std::vector<int> days = {}, QDate until = {},
                     int count = 0) {
    return {kind, std::move(days), until, count};
}
} // namespace

// Each choice of the interface: the rule it writes, the choice it reads back as, its words
// and the days it comes on (at noon UTC).
TEST(EventWordsTest, ChoicesWriteRulesThatComeOnTheirDays) {
    struct TRow {
        const char* Name;
        QDate Start;
        TRepeatChoice Choice;
        const char* Repeat;
        QString Words;
        const char* Days;
    };
    const QLocale locale;
    const TRow rows[] = {
        {"every year",
         {2026, 12, 24},
         Choice(TRepeatKind::Yearly),
         "RRULE:FREQ=YEARLY",
         "every year",
         "2026-12-24 2027-12-24"},
        {"29 February every year",
         {2024, 2, 29},
         Choice(TRepeatKind::Yearly),
         "RRULE:RSCALE=GREGORIAN;FREQ=YEARLY;SKIP=BACKWARD",
         "every year",
         "2024-02-29 2025-02-28 2026-02-28 2027-02-28 2028-02-29"},
        {"the 31st every month",
         {2026, 1, 31},
         Choice(TRepeatKind::MonthlyOnDay, {}, {}, 3),
         "RRULE:RSCALE=GREGORIAN;FREQ=MONTHLY;SKIP=BACKWARD;COUNT=3",
         // The English catalogue may spell out the plural.
         QCoreApplication::translate("TEventWords", "%1, %n time(s)", nullptr, 3)
             .arg("every month on the same day"),
         "2026-01-31 2026-02-28 2026-03-31"},
        {"the second Tuesday",
         {2026, 3, 10},
         Choice(TRepeatKind::MonthlyOnWeekday),
         "RRULE:FREQ=MONTHLY;BYDAY=2TU",
         "every month on the second " + locale.dayName(2),
         "2026-03-10 2026-04-14 2026-05-12"},
        {"a fifth Friday is the last",
         {2026, 1, 30},
         Choice(TRepeatKind::MonthlyOnWeekday),
         "RRULE:FREQ=MONTHLY;BYDAY=-1FR",
         "every month on the last " + locale.dayName(5),
         "2026-01-30 2026-02-27 2026-03-27"},
        {"every week on chosen days until a date",
         {2026, 3, 2},
         Choice(TRepeatKind::Weekly, {1, 3}, {2026, 3, 9}),
         "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;UNTIL=20260309T235959",
         "every week on " + locale.createSeparatedList({locale.dayName(1), locale.dayName(3)}) +
             ", until " + locale.toString(QDate(2026, 3, 9), QLocale::ShortFormat),
         "2026-03-02 2026-03-04 2026-03-09"},
        {"every day",
         {2026, 3, 2},
         Choice(TRepeatKind::Daily),
         "RRULE:FREQ=DAILY",
         "every day",
         "2026-03-02 2026-03-03"},
        {"once", {2026, 3, 2}, Choice(TRepeatKind::Once), "", "does not repeat", "2026-03-02"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString repeat = RepeatFor(row.Choice, row.Start);
        EXPECT_EQ(repeat.toStdString(), row.Repeat);
        TRepeatChoice expected = row.Choice;
        if (expected.Kind == TRepeatKind::Weekly && expected.Weekdays.empty())
            expected.Weekdays = {row.Start.dayOfWeek()};
        EXPECT_TRUE(ChoiceOf(repeat, row.Start) == expected);
        const TEvent event{common::FromQDate(row.Start) + 0.5,
                           repeat,
                           QStringLiteral("UTC"),
                           {},
                           TAfterEnd::AsDesigned};
        EXPECT_EQ(InWords(event).toStdString(), row.Words.toStdString());
        const QStringList days = QString::fromLatin1(row.Days).split(QLatin1Char(' '));
        QStringList moments;
        for (const QDateTime& m : TSchedule(event).Occurrences(
                 QDateTime(row.Start, QTime(0, 0), QTimeZone::utc()), int(days.size())))
            moments << m.toUTC().toString(QStringLiteral("yyyy-MM-dd"));
        EXPECT_EQ(moments.join(QLatin1Char(' ')).toStdString(),
                  days.join(QLatin1Char(' ')).toStdString());
    }
}

// Rules the interface does not write, from a calendar file or typed in, are "custom".
TEST(EventWordsTest, OtherRulesAreCustom) {
    for (const char* repeat : {"RRULE:FREQ=YEARLY;INTERVAL=2", "RRULE:FREQ=MONTHLY;BYDAY=3TU",
                               "RRULE:FREQ=YEARLY\nEXDATE:20270101T000000", "RRULE:FREQ=HOURLY",
                               "RDATE:20270101T000000", "RRULE:FREQ=MONTHLY;BYMONTHDAY=-1"}) {
        SCOPED_TRACE(repeat);
        const TEvent event{common::FromQDate(QDate(2026, 3, 10)),
                           QString::fromLatin1(repeat),
                           {},
                           {},
                           TAfterEnd::AsDesigned};
        EXPECT_EQ(ChoiceOf(event.Repeat, QDate(2026, 3, 10)).Kind, TRepeatKind::Custom);
        EXPECT_EQ(InWords(event).toStdString(), "custom");
    }
}
