// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/CalendarFile.h"
#include "events/Schedule.h"
#include "support/Calendars.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace events;

namespace {

QDateTime Utc(const char* text) {
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
}

struct TImportRow {
    const char* Name;
    QByteArray File;
    const char* Uid; // the event picked; "" the first
    const char* Zone;
    const char* Title;
    std::vector<const char*> Moments; // from 2026-01-01, UTC
};

} // namespace

// What a clock takes from a file: zone, name, rule, exceptions and overrides, with the
// moments the calendar means.
TEST(CalendarFileTest, EventsBecomeAClocksEvent) {
    const std::vector<TImportRow> rows = {
        {"an IANA TZID with EXDATE skipping a day",
         Calendar("BEGIN:VEVENT\r\nUID:standup\r\nSUMMARY:Stand-up\r\n"
                  "DTSTART;TZID=Europe/Berlin:20260105T093000\r\n"
                  "RRULE:FREQ=DAILY;COUNT=4\r\n"
                  "EXDATE;TZID=Europe/Berlin:20260106T093000\r\nEND:VEVENT\r\n"),
         "",
         "Europe/Berlin",
         "Stand-up",
         {"2026-01-05T08:30:00Z", "2026-01-07T08:30:00Z", "2026-01-08T08:30:00Z"}},
        {"a RECURRENCE-ID override moves one moment",
         Calendar("BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Weekly\r\nDTSTART:20260105T120000Z\r\n"
                  "RRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VEVENT\r\n"
                  "BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Weekly (moved)\r\n"
                  "RECURRENCE-ID:20260112T120000Z\r\nDTSTART:20260113T150000Z\r\nEND:VEVENT\r\n"),
         "w",
         "UTC",
         "Weekly",
         {"2026-01-05T12:00:00Z", "2026-01-13T15:00:00Z", "2026-01-19T12:00:00Z"}},
        {"a cancelled override leaves the moment out",
         Calendar("BEGIN:VEVENT\r\nUID:c\r\nDTSTART:20260105T120000Z\r\n"
                  "RRULE:FREQ=DAILY;COUNT=3\r\nEND:VEVENT\r\n"
                  "BEGIN:VEVENT\r\nUID:c\r\nRECURRENCE-ID:20260106T120000Z\r\n"
                  "STATUS:CANCELLED\r\nDTSTART:20260106T120000Z\r\nEND:VEVENT\r\n"),
         "",
         "UTC",
         "",
         {"2026-01-05T12:00:00Z", "2026-01-07T12:00:00Z"}},
        {"a VTIMEZONE without an IANA name",
         Calendar((std::string(OwnZone) + "BEGIN:VEVENT\r\nUID:own\r\nSUMMARY:Own zone\r\n"
                                          "DTSTART;TZID=Central Europe (own):20260322T090000\r\n"
                                          "RRULE:FREQ=WEEKLY;COUNT=2\r\nEND:VEVENT\r\n")
                      .c_str()),
         "",
         "Central Europe (own)",
         "Own zone",
         {"2026-03-22T08:00:00Z", "2026-03-29T07:00:00Z"}},
        {"a TZID with a path before the IANA name",
         Calendar("BEGIN:VEVENT\r\nUID:m\r\n"
                  "DTSTART;TZID=/mozilla.org/20050126_1/America/New_York:20260701T090000\r\n"
                  "END:VEVENT\r\n"),
         "",
         "America/New_York",
         "",
         {"2026-07-01T13:00:00Z"}},
        {"a Windows zone name",
         Calendar("BEGIN:VEVENT\r\nUID:win\r\n"
                  "DTSTART;TZID=W. Europe Standard Time:20260701T090000\r\nEND:VEVENT\r\n"),
         "",
         "Europe/Berlin",
         "",
         {"2026-07-01T07:00:00Z"}},
        {"a day-long yearly event with an EXDATE of a date",
         Calendar("BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Birthday\r\nDTSTART;VALUE=DATE:20250310\r\n"
                  "RRULE:FREQ=YEARLY;UNTIL=20280310\r\nEXDATE;VALUE=DATE:20270310\r\n"
                  "END:VEVENT\r\n"),
         "b",
         "",
         "Birthday",
         {}},
        {"the event picked by its UID",
         Calendar("BEGIN:VEVENT\r\nUID:one\r\nDTSTART:20260201T000000Z\r\nEND:VEVENT\r\n"
                  "BEGIN:VEVENT\r\nUID:two\r\nSUMMARY:Two\r\nDTSTART:20260301T000000Z\r\n"
                  "END:VEVENT\r\n"),
         "two",
         "UTC",
         "Two",
         {"2026-03-01T00:00:00Z"}},
        {"an RDATE of a period",
         Calendar("BEGIN:VEVENT\r\nUID:p\r\nDTSTART:20260101T100000Z\r\n"
                  "RDATE;VALUE=PERIOD:20260201T100000Z/PT1H\r\nEND:VEVENT\r\n"),
         "",
         "UTC",
         "",
         {"2026-01-01T10:00:00Z", "2026-02-01T10:00:00Z"}},
    };
    for (const TImportRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TCalendarFile file(row.File);
        const TCalendarEvent& picked = file.Pick(QString::fromUtf8(row.Uid));
        EXPECT_EQ(picked.Event.Zone, QString::fromUtf8(row.Zone));
        EXPECT_EQ(picked.Event.Name, QString::fromUtf8(row.Title));
        if (row.Moments.empty())
            continue;
        std::string moments, expected;
        for (const QDateTime& m :
             TSchedule(picked.Event)
                 .Occurrences(Utc("2026-01-01T00:00:00Z"), int(row.Moments.size()) + 1))
            moments += m.toUTC().toString(Qt::ISODate).toStdString() + ' ';
        for (const char* text : row.Moments)
            expected += std::string(text) + ' ';
        EXPECT_EQ(moments, expected);
    }
}

// A day-long event's moments are its local midnights; its EXDATE of a date skips that year.
TEST(CalendarFileTest, DayLongEventsCountToLocalMidnight) {
    const TCalendarFile file(
        Calendar("BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20250310\r\n"
                 "RRULE:FREQ=YEARLY;UNTIL=20280310\r\nEXDATE;VALUE=DATE:20270310\r\n"
                 "END:VEVENT\r\n"));
    QStringList moments;
    for (const QDateTime& m :
         TSchedule(file.Pick().Event).Occurrences(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), 5))
        moments << m.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    EXPECT_EQ(moments.join(' ').toStdString(), "2026-03-10 00:00:00 2028-03-10 00:00:00");
}

// The list to choose from: soonest first, past one-off events and events that cannot be
// taken left out.
TEST(CalendarFileTest, UpcomingEventsComeSoonestFirst) {
    const TCalendarFile file(
        Calendar("BEGIN:VEVENT\r\nUID:late\r\nDTSTART:20270101T000000Z\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:past\r\nDTSTART:20200101T000000Z\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:weekly\r\nDTSTART:20200106T000000Z\r\nRRULE:FREQ=WEEKLY\r\n"
                 "END:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:nostart\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:soon\r\nDTSTART:20260102T000000Z\r\nEND:VEVENT\r\n"));
    QStringList uids;
    for (const TUpcomingEvent& e : file.Upcoming(Utc("2026-01-01T12:00:00Z")))
        uids << e.Event->Uid + QLatin1Char(' ') + e.Next.toUTC().toString(Qt::ISODate);
    EXPECT_EQ(uids.join(QLatin1String(", ")).toStdString(),
              "soon 2026-01-02T00:00:00Z, weekly 2026-01-05T00:00:00Z, late 2027-01-01T00:00:00Z");
    EXPECT_EQ(file.Events().size(), 5u);
}

// Files that cannot give an event say why.
TEST(CalendarFileTest, BadFilesAreRefusedWithAMessage) {
    struct TRow {
        const char* Name;
        QByteArray File;
        const char* Uid;
        const char* Message;
    };
    const std::vector<TRow> rows = {
        {"not a calendar", "Windows Registry Editor Version 5.00\r\n", "", "not a calendar"},
        {"empty", "", "", "not a calendar"},
        {"a calendar with a to-do only", Calendar("BEGIN:VTODO\r\nUID:t\r\nEND:VTODO\r\n"), "",
         "holds no event"},
        {"an event without a start",
         Calendar("BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Party\r\nEND:VEVENT\r\n"), "",
         "the event \"Party\" has no start (DTSTART)"},
        {"no event with that UID",
         Calendar("BEGIN:VEVENT\r\nUID:x\r\nDTSTART:20260101T000000Z\r\nEND:VEVENT\r\n"), "y",
         "no event with the UID y"},
        {"an unknown zone",
         Calendar("BEGIN:VEVENT\r\nUID:x\r\nDTSTART;TZID=Atlantis:20260101T000000\r\n"
                  "END:VEVENT\r\n"),
         "", "names the unknown time zone Atlantis"},
        {"nested without end",
         QByteArray("BEGIN:VCALENDAR\r\n") + QByteArray("BEGIN:X\r\n").repeated(100), "",
         "not a calendar"},
        {"too large", QByteArray(TCalendarFile::MaxSize + 1, ' '), "", "larger than 16 MiB"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        try {
            TCalendarFile(row.File).Pick(QString::fromUtf8(row.Uid));
            ADD_FAILURE() << "no error";
        } catch (const EEventError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(row.Message)))
                << e.Message().toStdString();
        }
    }
}

// A calendar file is read only when it is a regular file within the bound.
TEST(CalendarFileTest, OnlyARegularFileWithinTheBoundIsRead) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const struct {
        const char* Name;
        QString Path;
        bool Read;
    } rows[] = {
        {"a calendar",
         write("good.ics",
               Calendar("BEGIN:VEVENT\r\nUID:x\r\nDTSTART:20260101T000000Z\r\nEND:VEVENT\r\n")),
         true},
        {"a missing file", dir.filePath(QStringLiteral("none.ics")), false},
        {"a folder", dir.path(), false},
        {"too large", write("big.ics", QByteArray(TCalendarFile::MaxSize + 1, ' ')), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        try {
            EXPECT_EQ(ReadCalendarFile(row.Path).Events().size(), 1u);
            EXPECT_TRUE(row.Read);
        } catch (const ECalendarUnreadable& e) {
            EXPECT_FALSE(row.Read);
            EXPECT_TRUE(e.Message().startsWith("cannot read " + row.Path + ": "))
                << e.Message().toStdString();
        }
    }
}
