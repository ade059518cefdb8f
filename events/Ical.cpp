// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/Ical.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <mutex>

namespace events::ical {

namespace {

// Once per process: errors are answers, never an abort, and zones come from the system's
// zone files (kept current by the tzdata package) rather than a copy built into libical,
// wherever the system has them.
void SetUp() {
    static std::once_flag once;
    std::call_once(once, [] {
        icalerror_set_errors_are_fatal(0);
        const char* systemZones = icaltzutil_get_zone_directory();
        if (systemZones && QFileInfo(QString::fromLocal8Bit(systemZones)).isDir())
            icaltimezone_set_builtin_tzdata(0);
    });
}

} // namespace

TComponent Parse(const QByteArray& text) {
    SetUp();
    return TComponent(icalparser_parse_string(text.constData()));
}

QString FirstError(icalcomponent* component) {
    if (icalproperty* error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY))
        return QString::fromUtf8(icalproperty_get_xlicerror(error));
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        const QString inner = FirstError(c);
        if (!inner.isEmpty())
            return inner;
    }
    return {};
}

bool IsZoneName(const QString& name) {
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*$"));
    return name.size() <= 64 && form.match(name).hasMatch();
}

icaltimezone* ZoneByName(const QString& name) {
    SetUp();
    if (name == QLatin1String("UTC"))
        return icaltimezone_get_utc_timezone();
    if (!IsZoneName(name))
        return nullptr;
    // libical opens the file of that name in the zone folder; only a regular file may be
    // opened, or a named pipe there would block the program.
    if (!icaltimezone_get_builtin_tzdata()) {
        const char* folder = icaltzutil_get_zone_directory();
        if (!folder ||
            !QFileInfo(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name).isFile())
            return nullptr;
    }
    return icaltimezone_get_builtin_timezone(name.toUtf8().constData());
}

icaltimetype WallTime(qint64 instant, icaltimezone* zone) {
    if (zone) {
        icaltimetype t = icaltime_from_timet_with_zone(time_t(instant), 0, zone);
        t.zone = nullptr;
        return t;
    }
    return FromQDateTime(QDateTime::fromSecsSinceEpoch(instant).toLocalTime());
}

qint64 Instant(icaltimetype time, icaltimezone* zone) {
    if (time.is_date) {
        time.is_date = 0;
        time.hour = time.minute = time.second = 0;
    }
    if (icaltime_is_utc(time))
        return qint64(icaltime_as_timet(time));
    if (time.zone)
        return qint64(icaltime_as_timet_with_zone(time, time.zone));
    if (zone)
        return qint64(icaltime_as_timet_with_zone(time, zone));
    return ToQDateTime(time).toSecsSinceEpoch();
}

icaltimetype FromQDateTime(const QDateTime& wall) {
    icaltimetype t = icaltime_null_time();
    const QDate date = wall.date();
    const QTime time = wall.time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    return t;
}

QDateTime ToQDateTime(icaltimetype time) {
    return QDateTime(QDate(time.year, time.month, time.day),
                     QTime(time.hour, time.minute, time.second));
}

} // namespace events::ical
