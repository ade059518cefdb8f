// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock's event: the moment it counts to, how that moment comes back, where on earth it
// is pinned, what it is called and what the clock does once it has come. A clock without
// the event's stored values has a one-off moment in local time and no name.

#include "common/DateTime.h"
#include "common/Errors.h"

#include <QString>
#include <cstdint>

namespace events {

// What the clock does when the moment has come; the numbers are the stored ones.
enum class TAfterEnd : std::int32_t { AsDesigned = 0, CountUp = 1, NextOccurrence = 2 };

struct TEvent {
    // The first moment as a wall clock shows it: in Zone when there is one, else in local
    // time as the clock has always kept its target. Whole seconds count; a fraction of a
    // second is dropped.
    TDateTime Start = 0;
    // iCalendar content lines, one per line: RRULE, EXDATE and RDATE, and the VTIMEZONE
    // block of a zone that has no IANA name. Empty: the moment does not come back.
    QString Repeat;
    // An IANA zone name ("Europe/Berlin", "UTC"), or the TZID of the VTIMEZONE in Repeat;
    // empty: local time.
    QString Zone;
    QString Name;
    TAfterEnd AfterEnd = TAfterEnd::AsDesigned;

    bool operator==(const TEvent&) const = default;
};

// An event that cannot be worked out: a rule libical refuses, an unknown zone, a file
// that is no calendar. The message says which, for the user.
class EEventError : public common::EException {
public:
    using common::EException::EException;
};

} // namespace events
