// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/Schedule.h"

#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace events;

namespace {

const QTimeZone NewYork("America/New_York");

QDateTime Utc(const char* text) {
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
}

TDateTime Wall(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(common::TryEncodeDate(y, mo, d, date));
    EXPECT_TRUE(common::TryEncodeTime(h, mi, s, 0, time));
    return common::CombineDateTime(date, time);
}

// One example of RFC 5545, 3.8.5.3, from tests/events/rfc5545-examples.txt.
struct TRfcExample {
    std::string Name;
    QDateTime Start; // in New York
    QString Repeat;
    QStringList Expected; // "yyyy-MM-dd HH:mm" in New York
    bool Forever = false;
};

// A failing row names itself, not its bytes.
void PrintTo(const TRfcExample& row, std::ostream* out) {
    *out << row.Name;
}

// "1997-09 2,4,10-12" or "1997-09-02 09:00,12:00" or "1997-09-02 09:00-16:40/20".
QStringList Expand(const QString& entry) {
    const QString first = entry.section(QLatin1Char(' '), 0, 0);
    const QString rest = entry.section(QLatin1Char(' '), 1);
    QStringList out;
    for (const QString& item : rest.split(QLatin1Char(','))) {
        if (first.count(QLatin1Char('-')) == 2 && item.contains(QLatin1Char('/'))) {
            QTime t = QTime::fromString(item.section(QLatin1Char('-'), 0, 0), "HH:mm");
            const QTime last =
                QTime::fromString(item.section(QLatin1Char('-'), 1).section('/', 0, 0), "HH:mm");
            for (; t <= last; t = t.addSecs(60 * item.section('/', 1).toInt()))
                out << first + QLatin1Char(' ') + t.toString("HH:mm");
        } else if (first.count(QLatin1Char('-')) == 2) {
            out << first + QLatin1Char(' ') + item;
        } else {
            const int from = item.section(QLatin1Char('-'), 0, 0).toInt();
            const int to = item.contains(QLatin1Char('-')) ? item.section('-', 1).toInt() : from;
            for (int day = from; day <= to; ++day)
                out << QStringLiteral("%1-%2 09:00").arg(first).arg(day, 2, 10, QLatin1Char('0'));
        }
    }
    return out;
}

std::vector<TRfcExample> RfcExamples() {
    QFile file(QStringLiteral(KORVANE5_SOURCE_DIR "/tests/events/rfc5545-examples.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<TRfcExample> rows;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            rows.push_back({line.mid(1, line.size() - 2).toStdString(), {}, {}, {}, false});
        } else if (line.startsWith(QLatin1String("start "))) {
            rows.back().Start =
                QDateTime(QDateTime::fromString(line.mid(6), "yyyyMMdd'T'HHmmss").date(),
                          QDateTime::fromString(line.mid(6), "yyyyMMdd'T'HHmmss").time(), NewYork);
        } else if (line.startsWith(QLatin1String("expect "))) {
            for (const QString& entry : line.mid(7).split(QLatin1Char(';')))
                rows.back().Expected << Expand(entry.trimmed());
        } else if (line == QLatin1String("forever")) {
            rows.back().Forever = true;
        } else {
            rows.back().Repeat += line + QLatin1Char('\n');
        }
    }
    return rows;
}

QStringList InNewYork(const std::vector<QDateTime>& moments) {
    QStringList out;
    for (const QDateTime& m : moments)
        out << m.toTimeZone(NewYork).toString("yyyy-MM-dd HH:mm");
    return out;
}

class Rfc5545Example : public ::testing::TestWithParam<TRfcExample> {};

} // namespace

// Every example of the RFC through the event's own code, pinned to New York: the moments
// from the start are the RFC's list (and no more, where the rule ends), and the next
// moment from just after each one is the one after it, which is where libical is asked
// to start late.
TEST_P(Rfc5545Example, GivesTheRfcsMoments) {
    const TRfcExample& row = GetParam();
    const TEvent event{common::FromQDateTime(row.Start.toTimeZone(NewYork)),
                       row.Repeat,
                       QStringLiteral("America/New_York"),
                       {},
                       TAfterEnd::AsDesigned};
    const TSchedule schedule(event);
    const int asked = int(row.Expected.size()) + (row.Forever ? 0 : 1);
    const QStringList moments = InNewYork(schedule.Occurrences(row.Start, asked));
    EXPECT_EQ(moments.join(QLatin1Char(' ')).toStdString(),
              row.Expected.join(QLatin1Char(' ')).toStdString());
    for (qsizetype i = 0; i + 1 < row.Expected.size(); ++i) {
        const QDateTime after = QDateTime::fromString(row.Expected[i], "yyyy-MM-dd HH:mm");
        const std::optional<QDateTime> next =
            schedule.Next(QDateTime(after.date(), after.time(), NewYork).addSecs(1));
        ASSERT_TRUE(next) << row.Expected[i].toStdString();
        EXPECT_EQ(next->toTimeZone(NewYork).toString("yyyy-MM-dd HH:mm"), row.Expected[i + 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(ScheduleTest, Rfc5545Example, ::testing::ValuesIn(RfcExamples()),
                         [](const auto& info) { return info.param.Name; });

namespace {

struct TMomentRow {
    const char* Name;
    TEvent Event;
    const char* From;                  // ISO 8601 with offset
    std::vector<const char*> Expected; // UTC, ISO 8601
    bool Ends = false;                 // no moment after those
};

} // namespace

// Zones are the instants of their wall clocks on both sides of a daylight-saving change,
// wherever the program runs; exceptions and extra dates count; 29 February has its policy.
TEST(ScheduleTest, MomentsAreTheZonesInstants) {
    const QString berlin = QStringLiteral("Europe/Berlin");
    const std::vector<TMomentRow> rows = {
        {"yearly in Berlin",
         {Wall(2025, 12, 24, 18), "RRULE:FREQ=YEARLY", berlin, {}, {}},
         "2026-01-01T00:00:00Z",
         {"2026-12-24T17:00:00Z", "2027-12-24T17:00:00Z"}},
        {"weekly in Berlin across the spring change",
         {Wall(2026, 3, 22, 9), "RRULE:FREQ=WEEKLY", berlin, {}, {}},
         "2026-03-20T00:00:00Z",
         {"2026-03-22T08:00:00Z", "2026-03-29T07:00:00Z"}},
        {"daily in Berlin across the autumn change",
         {Wall(2026, 10, 24, 9), "RRULE:FREQ=DAILY", berlin, {}, {}},
         "2026-10-24T00:00:00Z",
         {"2026-10-24T07:00:00Z", "2026-10-25T08:00:00Z"}},
        {"New York after 2037",
         {Wall(2050, 1, 1, 9), "RRULE:FREQ=MONTHLY;BYMONTHDAY=1", "America/New_York", {}, {}},
         "2050-06-15T00:00:00Z",
         {"2050-07-01T13:00:00Z", "2050-08-01T13:00:00Z"}},
        {"UTC",
         {Wall(2026, 1, 1, 12), "RRULE:FREQ=DAILY;COUNT=2", "UTC", {}, {}},
         "2025-01-01T00:00:00Z",
         {"2026-01-01T12:00:00Z", "2026-01-02T12:00:00Z"},
         true},
        {"a one-off moment before it",
         {Wall(2026, 5, 1, 10), {}, berlin, {}, {}},
         "2026-01-01T00:00:00Z",
         {"2026-05-01T08:00:00Z"},
         true},
        {"a one-off moment after it",
         {Wall(2026, 5, 1, 10), {}, berlin, {}, {}},
         "2026-05-01T08:00:01Z",
         {},
         true},
        {"the moment itself is at or after it",
         {Wall(2026, 5, 1, 10), {}, berlin, {}, {}},
         "2026-05-01T08:00:00Z",
         {"2026-05-01T08:00:00Z"},
         true},
        {"after the last of a count",
         {Wall(2026, 1, 1, 9), "RRULE:FREQ=DAILY;COUNT=3", berlin, {}, {}},
         "2026-01-03T08:00:01Z",
         {},
         true},
        {"EXDATE and RDATE",
         {Wall(2026, 1, 1, 9),
          "RRULE:FREQ=DAILY;COUNT=4\nEXDATE;TZID=Europe/Berlin:20260102T090000\n"
          "RDATE:20260110T120000Z",
          berlin,
          {},
          {}},
         "2026-01-01T00:00:00Z",
         {"2026-01-01T08:00:00Z", "2026-01-03T08:00:00Z", "2026-01-04T08:00:00Z",
          "2026-01-10T12:00:00Z"},
         true},
        {"an EXDATE of a day leaves out that day",
         {Wall(2026, 1, 1, 9),
          "RRULE:FREQ=DAILY;COUNT=3\nEXDATE;VALUE=DATE:20260102",
          berlin,
          {},
          {}},
         "2026-01-01T00:00:00Z",
         {"2026-01-01T08:00:00Z", "2026-01-03T08:00:00Z"},
         true},
        {"two rules are one set",
         {Wall(2026, 1, 5, 9),
          "RRULE:FREQ=WEEKLY;BYDAY=MO;COUNT=2\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE;COUNT=2",
          "UTC",
          {},
          {}},
         "2026-01-01T00:00:00Z",
         {"2026-01-05T09:00:00Z", "2026-01-07T09:00:00Z", "2026-01-12T09:00:00Z"},
         true},
        {"29 February, skipping back in common years",
         {Wall(2024, 2, 29, 12), "RRULE:RSCALE=GREGORIAN;FREQ=YEARLY;SKIP=BACKWARD", "UTC", {}, {}},
         "2024-03-01T00:00:00Z",
         {"2025-02-28T12:00:00Z", "2026-02-28T12:00:00Z", "2027-02-28T12:00:00Z",
          "2028-02-29T12:00:00Z"}},
        {"29 February, leap years only by plain RFC 5545",
         {Wall(2024, 2, 29, 12), "RRULE:FREQ=YEARLY", "UTC", {}, {}},
         "2024-03-01T00:00:00Z",
         {"2028-02-29T12:00:00Z", "2032-02-29T12:00:00Z"}},
        {"every minute, asked decades later",
         {Wall(1997, 9, 2, 9), "RRULE:FREQ=MINUTELY;INTERVAL=7", "UTC", {}, {}},
         "2026-01-01T00:00:00Z",
         {"2026-01-01T00:05:00Z", "2026-01-01T00:12:00Z"}},
        {"a fraction of a second is after the moment",
         {Wall(2026, 1, 1, 9), "RRULE:FREQ=DAILY", "UTC", {}, {}},
         "2026-01-01T09:00:00.500Z",
         {"2026-01-02T09:00:00Z"}},
    };
    for (const TMomentRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string moments, expected;
        for (const QDateTime& m :
             TSchedule(row.Event).Occurrences(Utc(row.From), int(row.Expected.size()) + row.Ends))
            moments += m.toUTC().toString(Qt::ISODate).toStdString() + ' ';
        for (const char* text : row.Expected)
            expected += std::string(text) + ' ';
        EXPECT_EQ(moments, expected);
    }
}

// What cannot be worked out says so, and nothing keeps the program busy for long.
TEST(ScheduleTest, BadRulesAndZonesAreRefusedWithAMessage) {
    struct TRow {
        const char* Name;
        const char* Repeat;
        const char* Zone;
        const char* Message;
    };
    const TRow rows[] = {
        {"no frequency", "RRULE:COUNT=3", "", "cannot be read"},
        {"an unknown frequency", "RRULE:FREQ=SOMETIMES", "", "cannot be read"},
        {"another property", "DTSTART:20260101T000000Z", "", "not DTSTART"},
        {"another component", "BEGIN:VEVENT", "", "not BEGIN:VEVENT"},
        {"an unfinished zone", "BEGIN:VTIMEZONE\nTZID:X", "", "has no end"},
        {"an unknown zone", "", "Mars/Olympus_Mons", "unknown time zone Mars/Olympus_Mons"},
        {"a path for a zone", "", "../../../etc/passwd", "unknown time zone"},
        {"an unknown zone of an EXDATE", "EXDATE;TZID=Nowhere:20260101T000000", "",
         "unknown time zone Nowhere"},
        {"a rule that never comes", "RRULE:FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30", "UTC",
         "no moment within"},
        {"a dense rule counted from long ago", "RRULE:FREQ=SECONDLY;COUNT=2000000000", "UTC",
         "the clock cannot follow it"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        try {
            const TSchedule schedule({Wall(1997, 9, 2, 9),
                                      QString::fromUtf8(row.Repeat),
                                      QString::fromUtf8(row.Zone),
                                      {},
                                      {}});
            schedule.Occurrences(Utc("2026-01-01T00:00:00Z"), 3);
            ADD_FAILURE() << "no error";
        } catch (const EEventError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(row.Message)))
                << e.Message().toStdString();
        }
    }
}
