// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the events code shares about libical, for its own files only: owning pointers for
// libical's objects, the library set up once, time zones by name, and instants of
// libical's times. An instant is whole seconds since 1970 UTC.

#include <libical/ical.h>

#include <QDateTime>
#include <QString>
#include <memory>

namespace events::ical {

struct TComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

struct TIteratorFree {
    void operator()(icalrecur_iterator* i) const { icalrecur_iterator_free(i); }
};
using TIterator = std::unique_ptr<icalrecur_iterator, TIteratorFree>;

// Parses iCalendar text; nullptr when libical finds no component in it. Errors inside
// come back as X-LIC-ERROR properties (FirstError).
TComponent Parse(const QByteArray& text);
// The text of the first X-LIC-ERROR in the component or below it; empty when none.
QString FirstError(icalcomponent* component);

// Whether name has the form of a zone name of the system's zone files (letters, digits,
// "_+-" in parts separated by "/"; never "." or ".."), so that it can name no other file.
bool IsZoneName(const QString& name);
// The zone of that IANA name, from the system's zone files; UTC for "UTC". nullptr when
// there is none by that name.
icaltimezone* ZoneByName(const QString& name);

// A wall clock's reading in a zone, or in local time for no zone.
icaltimetype WallTime(qint64 instant, icaltimezone* zone);
// The instant of a time: its own zone when it has one (UTC included), else the wall clock
// of zone, else local time. A date counts as its midnight.
qint64 Instant(icaltimetype time, icaltimezone* zone);

// libical's date-time of a wall clock reading (no zone), and back.
icaltimetype FromQDateTime(const QDateTime& wall);
QDateTime ToQDateTime(icaltimetype time);

} // namespace events::ical
