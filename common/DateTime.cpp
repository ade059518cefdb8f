// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DateTime.h"

#include <cfenv>
#include <cmath>

namespace common {

namespace {

const qint64 EpochJulianDay = QDate(1899, 12, 30).toJulianDay();

// Rounds to the nearest integer, halves to even, whatever the caller's rounding mode.
double RoundHalfEven(double v) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(saved);
    return r;
}

double TotalMSecs(TDateTime value) {
    return RoundHalfEven(value * double(MSecsPerDay));
}

} // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return false;
    out = double(QDate(year, month, day).toJulianDay() - EpochJulianDay);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out) {
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 ||
        msec < 0 || msec >= 1000)
        return false;
    const std::int64_t ms = ((std::int64_t(hour) * 60 + minute) * 60 + second) * 1000 + msec;
    out = double(ms) / double(MSecsPerDay);
    return true;
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    return date >= 0 ? date + time : date - time;
}

TDateTime DateOf(TDateTime value) {
    return std::trunc(value);
}

TDateTime TimeOf(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

TDateTime ReplaceTime(TDateTime value, TDateTime newTime) {
    const double date = std::trunc(value);
    const double frac = std::fabs(newTime - std::trunc(newTime));
    return date >= 0 ? date + frac : date - frac;
}

TTimeParts DecodeTime(TDateTime value) {
    TTimeParts parts;
    const double total = TotalMSecs(value);
    if (!std::isfinite(total))
        return parts;
    const auto ms = std::int64_t(std::fmod(std::fabs(total), double(MSecsPerDay)));
    parts.Hour = int(ms / 3'600'000);
    parts.Minute = int(ms / 60'000 % 60);
    parts.Second = int(ms / 1000 % 60);
    parts.MSec = int(ms % 1000);
    return parts;
}

QDate DecodeDate(TDateTime value) {
    const double total = TotalMSecs(value);
    // Years 1 to 9999 span about 3.65 million days; anything beyond is no date.
    if (!std::isfinite(total) || std::fabs(total) > 4.0e6 * double(MSecsPerDay))
        return {};
    const auto days = std::int64_t(std::trunc(total / double(MSecsPerDay)));
    const QDate date = QDate::fromJulianDay(EpochJulianDay + days);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return date;
}

TDateTime FromQDate(const QDate& date) {
    TDateTime out = 0;
    TryEncodeDate(date.year(), date.month(), date.day(), out);
    return out;
}

TDateTime FromQTime(const QTime& time) {
    TDateTime out = 0;
    TryEncodeTime(time.hour(), time.minute(), time.second(), time.msec(), out);
    return out;
}

TDateTime FromQDateTime(const QDateTime& dt) {
    return CombineDateTime(FromQDate(dt.date()), FromQTime(dt.time()));
}

QDateTime ToQDateTime(TDateTime value) {
    const QDate date = DecodeDate(value);
    if (!date.isValid())
        return {};
    const TTimeParts t = DecodeTime(value);
    return QDateTime(date, QTime(t.Hour, t.Minute, t.Second, t.MSec));
}

} // namespace common
