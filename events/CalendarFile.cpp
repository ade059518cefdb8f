// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/CalendarFile.h"

#include "events/Ical.h"
#include "events/Schedule.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

// The texts of calendar files go through Qt's translation system under this name.
class TCalendarText {
    Q_DECLARE_TR_FUNCTIONS(TCalendarText)
};

} // namespace

namespace events {

namespace {

// A calendar holds events, their alarms and zones with their parts: a few levels. A file
// nested deeper is no calendar, and libical would follow it level by level.
constexpr int MaxDepth = 8;
constexpr int MaxNameLength = 200;

QString NotACalendar() {
    return TCalendarText::tr("this is not a calendar file (iCalendar, .ics)");
}

int Depth(const QByteArray& bytes) {
    int depth = 0, deepest = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray head = bytes.mid(start, std::min<qsizetype>(end - start, 6)).toUpper();
        if (head.startsWith("BEGIN:"))
            deepest = std::max(deepest, ++depth);
        else if (head.startsWith("END:"))
            --depth;
        start = end + 1;
    }
    return deepest;
}

QString Text(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

QString WallText(const icaltimetype& t) {
    return QString::asprintf("%04d%02d%02dT%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                             t.second);
}

// A zone an event is pinned to: its IANA name and libical's zone, or a zone of the file's
// own that has no IANA name (Definition then holds its VTIMEZONE). No name: local time.
struct TFrame {
    QString Name;
    icaltimezone* Zone = nullptr;
    QString Definition;
};

// The zones the file's TZIDs name, by IANA name wherever one can be found: the TZID
// itself, its last parts (as "/mozilla.org/20050126_1/America/New_York" has it), the
// X-LIC-LOCATION of its VTIMEZONE, a Windows zone name; else the VTIMEZONE itself.
class TZones {
public:
    explicit TZones(icalcomponent* calendar) : Calendar(calendar) {}

    std::optional<TFrame> For(const QString& tzid) {
        const auto known = Found.find(tzid);
        if (known != Found.end())
            return known->second;
        std::optional<TFrame> frame = Find(tzid);
        Found.emplace(tzid, frame);
        return frame;
    }

private:
    static std::optional<TFrame> ByName(const QString& name) {
        if (icaltimezone* zone = ical::ZoneByName(name))
            return TFrame{name, zone, {}};
        return std::nullopt;
    }

    icalcomponent* Definition(const QString& tzid) const {
        for (icalcomponent* c =
                 icalcomponent_get_first_component(Calendar, ICAL_VTIMEZONE_COMPONENT);
             c; c = icalcomponent_get_next_component(Calendar, ICAL_VTIMEZONE_COMPONENT)) {
            icalproperty* id = icalcomponent_get_first_property(c, ICAL_TZID_PROPERTY);
            if (id && Text(icalproperty_get_tzid(id)) == tzid)
                return c;
        }
        return nullptr;
    }

    std::optional<TFrame> Find(const QString& tzid) const {
        if (auto frame = ByName(tzid))
            return frame;
        const QStringList parts = tzid.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype n = std::min<qsizetype>(3, parts.size() - 1); n >= 1; --n)
            if (auto frame = ByName(parts.mid(parts.size() - n).join(QLatin1Char('/'))))
                return frame;
        icalcomponent* definition = Definition(tzid);
        for (icalproperty* x = definition
                                   ? icalcomponent_get_first_property(definition, ICAL_X_PROPERTY)
                                   : nullptr;
             x; x = icalcomponent_get_next_property(definition, ICAL_X_PROPERTY))
            if (Text(icalproperty_get_x_name(x))
                    .compare(QLatin1String("X-LIC-LOCATION"), Qt::CaseInsensitive) == 0)
                if (auto frame = ByName(Text(icalproperty_get_x(x))))
                    return frame;
        const QByteArray windows = QTimeZone::windowsIdToDefaultIanaId(tzid.toUtf8());
        if (!windows.isEmpty())
            if (auto frame = ByName(QString::fromLatin1(windows)))
                return frame;
        if (!definition)
            return std::nullopt;
        icaltimezone* own = icalcomponent_get_timezone(Calendar, tzid.toUtf8().constData());
        if (!own)
            return std::nullopt;
        char* text = icalcomponent_as_ical_string_r(definition);
        QString lines = Text(text);
        std::free(text);
        lines.remove(QLatin1Char('\r'));
        return TFrame{tzid, own, lines.trimmed()};
    }

    icalcomponent* Calendar;
    std::map<QString, std::optional<TFrame>> Found;
};

// One VEVENT (with its overrides) made into a clock's event.
class TEventReader {
public:
    TEventReader(icalcomponent* vevent, TZones& zones) : Zones(zones) {
        Out.Uid = Text(icalcomponent_get_uid(vevent));
        Out.Event.Name = Text(icalcomponent_get_summary(vevent)).simplified().left(MaxNameLength);
        try {
            Read(vevent);
        } catch (const EEventError& e) {
            Out.Problem = e.Message();
        }
    }

    // An override: the moment it replaces is left out, its own start put in, unless it is
    // cancelled.
    void Override(icalcomponent* vevent) {
        if (!Out.Problem.isEmpty())
            return;
        try {
            icalproperty* replaced =
                icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY);
            Lines << Line("EXDATE", replaced, icalproperty_get_recurrenceid(replaced), true);
            icalproperty* start = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
            if (start && icalcomponent_get_status(vevent) != ICAL_STATUS_CANCELLED)
                Lines << Line("RDATE", start, icalproperty_get_dtstart(start), true);
            Finish();
        } catch (const EEventError& e) {
            Out.Problem = e.Message();
        }
    }

    const TCalendarEvent& Result() const { return Out; }

private:
    QString Called() const { return Out.Event.Name.isEmpty() ? Out.Uid : Out.Event.Name; }

    void Read(icalcomponent* vevent) {
        for (icalproperty* error =
                 icalcomponent_get_first_property(vevent, ICAL_XLICERROR_PROPERTY);
             error; error = icalcomponent_get_next_property(vevent, ICAL_XLICERROR_PROPERTY)) {
            const QString why = Text(icalproperty_get_xlicerror(error));
            for (const char* name : {"DTSTART", "RRULE", "EXDATE", "RDATE", "RECURRENCE-ID"})
                if (why.contains(QLatin1String(name), Qt::CaseInsensitive))
                    throw EEventError(TCalendarText::tr("the event \"%1\" cannot be read: %2")
                                          .arg(Called(), why));
        }
        icalproperty* start = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
        if (!start)
            throw EEventError(
                TCalendarText::tr("the event \"%1\" has no start (DTSTART)").arg(Called()));
        icaltimetype first = icalproperty_get_dtstart(start);
        AllDay = first.is_date;
        if (icaltime_is_utc(first)) {
            Frame = TFrame{QStringLiteral("UTC"), icaltimezone_get_utc_timezone(), {}};
        } else if (icalparameter* tzid =
                       icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER)) {
            if (!AllDay)
                Frame = ZoneOf(Text(icalparameter_get_tzid(tzid)));
        }
        first.is_date = 0;
        TDateTime date = 0, time = 0;
        if (!common::TryEncodeDate(first.year, first.month, first.day, date) ||
            !common::TryEncodeTime(AllDay ? 0 : first.hour, AllDay ? 0 : first.minute,
                                   AllDay ? 0 : first.second, 0, time))
            throw EEventError(
                TCalendarText::tr("the event \"%1\" has no start (DTSTART)").arg(Called()));
        Out.Event.Start = common::CombineDateTime(date, time);
        Out.Event.Zone = Frame.Name;

        for (icalproperty* p = icalcomponent_get_first_property(vevent, ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(vevent, ICAL_ANY_PROPERTY)) {
            switch (icalproperty_isa(p)) {
            case ICAL_RRULE_PROPERTY:
                Lines << Rule(icalproperty_get_rrule(p));
                break;
            case ICAL_RDATE_PROPERTY: {
                const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
                Lines << Line("RDATE", p,
                              icaltime_is_null_time(value.time) ? value.period.start : value.time,
                              true);
                break;
            }
            case ICAL_EXDATE_PROPERTY:
                Lines << Line("EXDATE", p, icalproperty_get_exdate(p), AllDay);
                break;
            default:
                break;
            }
        }
        Finish();
    }

    TFrame ZoneOf(const QString& tzid) {
        const std::optional<TFrame> frame = Zones.For(tzid);
        if (!frame)
            throw EEventError(TCalendarText::tr("the event \"%1\" names the unknown time zone %2")
                                  .arg(Called(), tzid));
        return *frame;
    }

    QString Rule(icalrecurrencetype rule) const {
        // The moments of a day-long event are its midnights; a last date takes in its day.
        if (AllDay && rule.until.is_date) {
            rule.until.is_date = 0;
            rule.until.hour = 23;
            rule.until.minute = rule.until.second = 59;
        }
        return QStringLiteral("RRULE:") + Text(icalrecurrencetype_as_string(&rule));
    }

    // An EXDATE or RDATE line in the event's own zone. A date stands for its midnight when
    // asDateTime (a day-long event's moments), else for the whole day.
    QString Line(const char* name, icalproperty* p, icaltimetype t, bool asDateTime) {
        if (icaltime_is_null_time(t))
            throw EEventError(TCalendarText::tr("the event \"%1\" has a %2 line without a moment")
                                  .arg(Called(), QLatin1String(name)));
        if (t.is_date && !asDateTime)
            return QStringLiteral("%1;VALUE=DATE:%2").arg(QLatin1String(name), WallText(t).left(8));
        if (t.is_date) {
            t.is_date = 0;
            t.hour = t.minute = t.second = 0;
        }
        icaltimezone* own = icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : nullptr;
        if (!own && !t.is_date)
            if (icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER))
                own = ZoneOf(Text(icalparameter_get_tzid(tzid))).Zone;
        if (own) {
            t.zone = own;
            t = ical::WallTime(ical::Instant(t, nullptr), Frame.Zone);
        }
        const QString value = WallText(t);
        if (Frame.Name.isEmpty())
            return QStringLiteral("%1:%2").arg(QLatin1String(name), value);
        if (Frame.Name == QLatin1String("UTC"))
            return QStringLiteral("%1:%2Z").arg(QLatin1String(name), value);
        return QStringLiteral("%1;TZID=%2:%3").arg(QLatin1String(name), Frame.Name, value);
    }

    void Finish() {
        QStringList all;
        if (!Frame.Definition.isEmpty())
            all << Frame.Definition;
        all << Lines;
        Out.Event.Repeat = all.join(QLatin1Char('\n'));
    }

    TZones& Zones;
    TCalendarEvent Out;
    TFrame Frame;
    bool AllDay = false;
    QStringList Lines;
};

} // namespace

TCalendarFile::TCalendarFile(const QByteArray& bytes) {
    if (bytes.size() > MaxSize)
        throw EEventError(TCalendarText::tr("the file is larger than 16 MiB"));
    if (!bytes.toUpper().contains("BEGIN:VCALENDAR") || Depth(bytes) > MaxDepth)
        throw EEventError(NotACalendar());
    const ical::TComponent root = ical::Parse(bytes);
    std::vector<icalcomponent*> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars.push_back(root.get());
    else if (root)
        for (icalcomponent* c =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    if (calendars.empty())
        throw EEventError(NotACalendar());

    std::vector<TEventReader> readers;
    std::map<QString, std::size_t> byUid;
    std::vector<std::pair<icalcomponent*, TZones*>> overrides;
    std::vector<std::unique_ptr<TZones>> zones;
    for (icalcomponent* calendar : calendars) {
        zones.push_back(std::make_unique<TZones>(calendar));
        for (icalcomponent* vevent =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             vevent; vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            if (icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY)) {
                overrides.emplace_back(vevent, zones.back().get());
                continue;
            }
            readers.emplace_back(vevent, *zones.back());
            const QString uid = readers.back().Result().Uid;
            if (!uid.isEmpty())
                byUid.emplace(uid, readers.size() - 1);
        }
    }
    // An override of an event the file does not have stands for itself.
    for (const auto& [vevent, calendarZones] : overrides) {
        const auto master = byUid.find(Text(icalcomponent_get_uid(vevent)));
        if (master != byUid.end())
            readers[master->second].Override(vevent);
        else
            readers.emplace_back(vevent, *calendarZones);
    }
    if (readers.empty())
        throw EEventError(TCalendarText::tr("the calendar holds no event"));
    for (const TEventReader& reader : readers)
        All.push_back(reader.Result());
}

std::vector<TUpcomingEvent> TCalendarFile::Upcoming(const QDateTime& now) const {
    std::vector<TUpcomingEvent> out;
    qint64 budget = ListingBudget;
    for (const TCalendarEvent& event : All) {
        if (!event.Problem.isEmpty())
            continue;
        try {
            if (const auto next = TSchedule(event.Event).Occurrences(now, 1, &budget);
                !next.empty())
                out.push_back({&event, next.front()});
        } catch (const EEventError&) {
            // An event whose moments cannot be worked out is not offered; picking it by its
            // UID says why. A listing that has spent its budget says so instead.
            if (budget < 0)
                throw EEventError(TCalendarText::tr("the calendar's repeat rules take too long "
                                                    "to work out; pick an event by its UID"));
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const TUpcomingEvent& a, const TUpcomingEvent& b) {
        return a.Next < b.Next;
    });
    return out;
}

const TCalendarEvent& TCalendarFile::Pick(const QString& uid) const {
    const auto it = uid.isEmpty() ? All.begin()
                                  : std::find_if(All.begin(), All.end(),
                                                 [&](const auto& e) { return e.Uid == uid; });
    if (it == All.end())
        throw EEventError(
            TCalendarText::tr("the calendar holds no event with the UID %1").arg(uid));
    if (!it->Problem.isEmpty())
        throw EEventError(it->Problem);
    TSchedule check(it->Event); // a rule libical refuses says so here
    return *it;
}

TCalendarFile ReadCalendarFile(const QString& path) {
    platform::TRegularFile file(QFile::encodeName(path), TCalendarFile::MaxSize);
    if (!file.IsOpen())
        throw ECalendarUnreadable(TCalendarText::tr("cannot read %1: %2").arg(path, file.Error()));
    return TCalendarFile(file.Read());
}

} // namespace events
