// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events of a calendar file (.ics, RFC 5545) as a clock would take them: the name from
// SUMMARY, the first moment from DTSTART in its zone (a TZID, a VTIMEZONE, UTC or floating),
// and its RRULE, RDATE and EXDATE lines with every RECURRENCE-ID override written as the
// EXDATE of the moment it replaces and the RDATE of its own start. A file from outside
// is bounded: 16 MiB, components nested a few deep, and a limit on the work of listing.

#include "events/Event.h"

#include <QByteArray>
#include <QDateTime>
#include <vector>

namespace events {

struct TCalendarEvent {
    QString Uid;
    TEvent Event; // its AfterEnd is left as designed: the clock keeps its own choice
    // Why it cannot become a clock's event ("an event without a start"); empty when it can.
    QString Problem;
};

struct TUpcomingEvent {
    const TCalendarEvent* Event;
    QDateTime Next; // UTC
};

// A calendar file that could not be read at all (missing, not a regular file, too large);
// its message is "cannot read FILE: why".
class ECalendarUnreadable : public EEventError {
public:
    using EEventError::EEventError;
};

class TCalendarFile {
public:
    static constexpr qint64 MaxSize = 16 * 1024 * 1024;
    // What listing the events may cost in all: moments libical hands over.
    static constexpr qint64 ListingBudget = 2'000'000;

    // Reads the events; throws EEventError for bytes that are too many, no calendar, or a
    // calendar without an event.
    explicit TCalendarFile(const QByteArray& bytes);

    // Every event in the order of the file; overrides are part of their event.
    const std::vector<TCalendarEvent>& Events() const { return All; }
    // The events with a moment at or after now, soonest first; past ones are left out.
    std::vector<TUpcomingEvent> Upcoming(const QDateTime& now) const;
    // The file's first event, or the one with that UID; throws EEventError when there is
    // none, or it cannot become a clock's event (no start, a rule libical refuses).
    const TCalendarEvent& Pick(const QString& uid = {}) const;

private:
    std::vector<TCalendarEvent> All;
};

// The calendar file at path, read as every file from outside is: only a regular file, and
// no more than MaxSize bytes. Throws ECalendarUnreadable when it cannot be read, and
// EEventError as TCalendarFile does for what it holds.
TCalendarFile ReadCalendarFile(const QString& path);

} // namespace events
