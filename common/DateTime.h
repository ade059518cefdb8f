// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date-time values as the clock stores and compares them: a double counting days since
// 30 December 1899 00:00 local time, the fraction being the time of day. The settings
// store keeps the double itself, so every conversion here must be exact and repeatable.

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdint>

using TDateTime = double;

namespace common {

constexpr std::int64_t MSecsPerDay = 86'400'000;

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

// Whole days of a calendar date; false when the date is not a valid Gregorian date
// in years 1 to 9999.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
// Fraction of a day; false unless 0 <= h < 24, 0 <= m, s < 60, 0 <= ms < 1000.
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out);
// Date plus time of day, with the scale's rule for days before the epoch (date - time).
TDateTime CombineDateTime(TDateTime date, TDateTime time);

// The date part (truncated toward zero) and the time of day (absolute fraction).
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// Keeps value's calendar date and takes the time of day of newTime.
TDateTime ReplaceTime(TDateTime value, TDateTime newTime);

// The toolkit's standard time decoding: milliseconds rounded half to even, then split.
// Values too large for a day count are decoded without undefined behaviour.
TTimeParts DecodeTime(TDateTime value);
// Calendar date of the value; an invalid QDate when it lies outside years 1 to 9999.
QDate DecodeDate(TDateTime value);

TDateTime FromQDateTime(const QDateTime& dt);
TDateTime FromQDate(const QDate& date);
TDateTime FromQTime(const QTime& time);
// Local date-time of the value; invalid when the date is out of range.
QDateTime ToQDateTime(TDateTime value);

} // namespace common
