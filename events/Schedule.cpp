// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/Schedule.h"

#include "events/Ical.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <numeric>
#include <set>

namespace {

// The texts of the event's moments go through Qt's translation system under this name.
class TScheduleText {
    Q_DECLARE_TR_FUNCTIONS(TScheduleText)
};

} // namespace

namespace events {

namespace {

using ical::Instant;

// The last moment libical works out (it stops in its year 2582); a search that reaches it
// has simply found the end.
const qint64 LastInstant =
    QDateTime(QDate(2583, 1, 1), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();

bool SubDaily(icalrecurrencetype_frequency frequency) {
    return frequency == ICAL_SECONDLY_RECURRENCE || frequency == ICAL_MINUTELY_RECURRENCE ||
           frequency == ICAL_HOURLY_RECURRENCE;
}

// One step of the frequency in seconds: months and years at their longest.
qint64 StepSeconds(icalrecurrencetype_frequency frequency) {
    switch (frequency) {
    case ICAL_SECONDLY_RECURRENCE:
        return 1;
    case ICAL_MINUTELY_RECURRENCE:
        return 60;
    case ICAL_HOURLY_RECURRENCE:
        return 3600;
    case ICAL_DAILY_RECURRENCE:
        return 86400;
    case ICAL_WEEKLY_RECURRENCE:
        return 7 * 86400;
    case ICAL_MONTHLY_RECURRENCE:
        return 31 * 86400;
    default:
        return 366 * 86400;
    }
}

qint64 WallSeconds(const icaltimetype& t) {
    return ical::ToQDateTime(t).toSecsSinceEpoch();
}

QString RuleText(icalrecurrencetype rule) {
    return QString::fromUtf8(icalrecurrencetype_as_string(&rule));
}

// The moments of one RRULE from a given instant on, in order. libical walks the rule from
// its start; a search that would walk long is cut short by an UNTIL at the search's end,
// so that no single step of libical runs away.
class TRuleCursor {
public:
    TRuleCursor(icalrecurrencetype rule, icaltimetype start, icaltimezone* zone, qint64 from,
                qint64* budget)
        : Zone(zone), From(from), Count(rule.count), Budget(budget), Rule(RuleText(rule)) {
        // libical compares its moments with UNTIL as they are written: a local time with a
        // UTC instant, or the other way round, is hours off. The instant in the event's own
        // terms, then.
        if (!icaltime_is_null_time(rule.until) && !rule.until.is_date) {
            const qint64 until = Instant(rule.until, zone);
            rule.until = zone ? icaltime_from_timet_with_zone(time_t(until), 0,
                                                              icaltimezone_get_utc_timezone())
                              : ical::WallTime(until, nullptr);
        }
        const qint64 period = StepSeconds(rule.freq) * std::max<qint64>(1, rule.interval);
        const qint64 startInstant = Instant(start, zone);
        qint64 origin = startInstant;
        bool jump = false;
        if (rule.count == 0 && from > startInstant) {
            origin = from;
            if (SubDaily(rule.freq)) {
                // libical steps a sub-daily rule by wall-clock time, so a start moved on by
                // whole days that are also whole periods has the same moments from there on
                // (libical's own jump miscounts intervals that do not divide a day).
                const qint64 days = period / std::gcd(period, qint64(86400));
                const qint64 cycles =
                    (WallSeconds(ical::WallTime(from, zone)) - WallSeconds(start)) /
                        (days * 86400) -
                    1;
                if (cycles > 0)
                    icaltime_adjust(&start, int(cycles * days), 0, 0, 0);
            } else {
                jump = true;
            }
        }
        const qint64 horizon = std::min(LastInstant, origin + TSchedule::SearchPeriods * period);
        const bool untilBefore =
            !icaltime_is_null_time(rule.until) && Instant(rule.until, zone) <= horizon;
        if (!untilBefore && horizon < LastInstant) {
            rule.until = zone ? icaltime_from_timet_with_zone(time_t(horizon), 0,
                                                              icaltimezone_get_utc_timezone())
                              : ical::WallTime(horizon, nullptr);
            CutShort = true;
        }
        Iterator.reset(icalrecur_iterator_new(rule, start));
        if (Iterator && jump) {
            icaltimetype at = ical::WallTime(from - 86400, zone);
            at.zone = zone;
            if (!icalrecur_iterator_set_start(Iterator.get(), at))
                Iterator.reset();
        }
    }

    std::optional<qint64> Take() {
        while (Iterator) {
            if (++Calls > TSchedule::SearchMoments || (Budget && --*Budget < 0))
                throw EEventError(
                    TScheduleText::tr("the repeat rule has more than %1 moments before the one "
                                      "asked for; the clock cannot follow it")
                        .arg(TSchedule::SearchMoments));
            const icaltimetype t = icalrecur_iterator_next(Iterator.get());
            if (icaltime_is_null_time(t))
                break;
            ++Taken;
            const qint64 instant = Instant(t, Zone);
            if (instant >= From)
                return instant;
        }
        if (Iterator && CutShort && (Count == 0 || Taken < Count))
            throw EEventError(TScheduleText::tr("the repeat rule %1 has no moment within %2 of "
                                                "its steps; the clock cannot follow it")
                                  .arg(Rule)
                                  .arg(TSchedule::SearchPeriods));
        Iterator.reset();
        return std::nullopt;
    }

private:
    ical::TIterator Iterator;
    icaltimezone* Zone;
    qint64 From;
    int Count;
    int Taken = 0;
    qint64 Calls = 0;
    qint64* Budget;
    QString Rule;
    bool CutShort = false;
};

// A time zone holds its STANDARD and DAYLIGHT parts, nothing deeper.
constexpr int MaxDepth = 4;

// The repeat lines apart: a VTIMEZONE block goes to the calendar, the rest into the event.
void SplitRepeat(const QString& repeat, QStringList& zoneLines, QStringList& eventLines) {
    int depth = 0;
    for (QString line : repeat.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString upper = line.toUpper();
        const bool begins = upper.startsWith(QLatin1String("BEGIN:"));
        const bool ends = upper.startsWith(QLatin1String("END:"));
        if (depth == 0 && upper.trimmed() != QLatin1String("BEGIN:VTIMEZONE") && (begins || ends))
            throw EEventError(TScheduleText::tr("a repeat rule holds RRULE, EXDATE and RDATE "
                                                "lines and time zones, not %1")
                                  .arg(line));
        if (depth == 0 && !begins) {
            eventLines << line;
            continue;
        }
        zoneLines << line;
        depth += begins ? 1 : ends ? -1 : 0;
        if (depth > MaxDepth)
            throw EEventError(TScheduleText::tr("a time zone in the repeat rule nests too deep"));
    }
    if (depth != 0)
        throw EEventError(TScheduleText::tr("a time zone in the repeat rule has no end"));
}

} // namespace

struct TSchedule::TData {
    ical::TComponent Calendar;
    icaltimezone* Zone = nullptr;
    icaltimetype Start = icaltime_null_time();
    std::vector<icalrecurrencetype> Rules;
    std::vector<qint64> Moments; // the start and the RDATEs, in order
    std::set<qint64> Excluded;
    std::set<QDate> ExcludedDays;

    icaltimezone* ZoneOf(const QString& tzid) {
        if (icaltimezone* zone = ical::ZoneByName(tzid))
            return zone;
        if (icaltimezone* own =
                icalcomponent_get_timezone(Calendar.get(), tzid.toUtf8().constData()))
            return own;
        throw EEventError(TScheduleText::tr("unknown time zone %1").arg(tzid));
    }

    // The instant of a time of an EXDATE or RDATE line, read in its TZID when it has one.
    qint64 InstantOf(icalproperty* line, icaltimetype time) {
        if (icalparameter* tzid = icalproperty_get_first_parameter(line, ICAL_TZID_PARAMETER))
            time.zone = ZoneOf(QString::fromUtf8(icalparameter_get_tzid(tzid)));
        return Instant(time, Zone);
    }

    bool IsExcluded(qint64 instant) const {
        return Excluded.count(instant) != 0 ||
               (!ExcludedDays.empty() &&
                ExcludedDays.count(ical::ToQDateTime(ical::WallTime(instant, Zone)).date()));
    }
};

TSchedule::TSchedule(const TEvent& event) : D(std::make_unique<TData>()) {
    QStringList zoneLines, eventLines;
    SplitRepeat(event.Repeat, zoneLines, eventLines);
    const QString text = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                                        "PRODID:-//Korvane5//Event//EN\r\n") +
                         zoneLines.join(QLatin1String("\r\n")) +
                         (zoneLines.isEmpty() ? QString() : QStringLiteral("\r\n")) +
                         QStringLiteral("BEGIN:VEVENT\r\n") +
                         eventLines.join(QLatin1String("\r\n")) +
                         (eventLines.isEmpty() ? QString() : QStringLiteral("\r\n")) +
                         QStringLiteral("END:VEVENT\r\nEND:VCALENDAR\r\n");
    D->Calendar = ical::Parse(text.toUtf8());
    icalcomponent* vevent =
        D->Calendar ? icalcomponent_get_first_component(D->Calendar.get(), ICAL_VEVENT_COMPONENT)
                    : nullptr;
    if (!vevent)
        throw EEventError(TScheduleText::tr("the repeat rule cannot be read"));
    const QString error = ical::FirstError(D->Calendar.get());
    if (!error.isEmpty())
        throw EEventError(TScheduleText::tr("the repeat rule cannot be read: %1").arg(error));

    if (!event.Zone.isEmpty())
        D->Zone = D->ZoneOf(event.Zone);
    const QDate day = common::DecodeDate(event.Start);
    if (!day.isValid())
        throw EEventError(TScheduleText::tr("the first moment is no date"));
    const common::TTimeParts time = common::DecodeTime(event.Start);
    D->Start = ical::FromQDateTime(QDateTime(day, QTime(time.Hour, time.Minute, time.Second)));
    D->Start.zone = D->Zone;
    D->Moments.push_back(Instant(D->Start, D->Zone));

    for (icalproperty* line = icalcomponent_get_first_property(vevent, ICAL_ANY_PROPERTY); line;
         line = icalcomponent_get_next_property(vevent, ICAL_ANY_PROPERTY)) {
        switch (icalproperty_isa(line)) {
        case ICAL_RRULE_PROPERTY: {
            const icalrecurrencetype rule = icalproperty_get_rrule(line);
            if (rule.freq == ICAL_NO_RECURRENCE)
                throw EEventError(TScheduleText::tr("a repeat rule needs FREQ"));
            if (!ical::TIterator(icalrecur_iterator_new(rule, D->Start)))
                throw EEventError(
                    TScheduleText::tr("libical cannot repeat by %1").arg(RuleText(rule)));
            D->Rules.push_back(rule);
            break;
        }
        case ICAL_RDATE_PROPERTY: {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(line);
            D->Moments.push_back(D->InstantOf(
                line, icaltime_is_null_time(value.time) ? value.period.start : value.time));
            break;
        }
        case ICAL_EXDATE_PROPERTY: {
            const icaltimetype value = icalproperty_get_exdate(line);
            if (value.is_date)
                D->ExcludedDays.insert(QDate(value.year, value.month, value.day));
            else
                D->Excluded.insert(D->InstantOf(line, value));
            break;
        }
        default:
            throw EEventError(TScheduleText::tr("a repeat rule holds RRULE, EXDATE and RDATE "
                                                "lines and time zones, not %1")
                                  .arg(QString::fromUtf8(icalproperty_get_property_name(line))));
        }
    }
    std::sort(D->Moments.begin(), D->Moments.end());
    D->Moments.erase(std::unique(D->Moments.begin(), D->Moments.end()), D->Moments.end());
}

TSchedule::~TSchedule() = default;
TSchedule::TSchedule(TSchedule&&) noexcept = default;
TSchedule& TSchedule::operator=(TSchedule&&) noexcept = default;

bool TSchedule::Repeats() const {
    return !D->Rules.empty() || D->Moments.size() > 1;
}

std::optional<QDateTime> TSchedule::Next(const QDateTime& from) const {
    const std::vector<QDateTime> next = Occurrences(from, 1);
    return next.empty() ? std::nullopt : std::optional<QDateTime>(next.front());
}

std::vector<QDateTime> TSchedule::Occurrences(const QDateTime& from, int count,
                                              qint64* budget) const {
    // Moments are whole seconds: one at or after a fraction of a second is after it.
    const qint64 first = (from.toMSecsSinceEpoch() + 999) / 1000;
    std::vector<TRuleCursor> cursors;
    std::vector<std::optional<qint64>> heads;
    for (const icalrecurrencetype& rule : D->Rules) {
        cursors.emplace_back(rule, D->Start, D->Zone, first, budget);
        heads.push_back(cursors.back().Take());
    }
    auto moment = std::lower_bound(D->Moments.begin(), D->Moments.end(), first);
    std::vector<QDateTime> out;
    while (int(out.size()) < count) {
        std::optional<qint64> soonest;
        if (moment != D->Moments.end())
            soonest = *moment;
        for (const std::optional<qint64>& head : heads)
            if (head && (!soonest || *head < *soonest))
                soonest = head;
        if (!soonest)
            break;
        // The same moment from several sources is one moment.
        if (moment != D->Moments.end() && *moment == *soonest)
            ++moment;
        for (std::size_t i = 0; i < cursors.size(); ++i)
            while (heads[i] && *heads[i] == *soonest)
                heads[i] = cursors[i].Take();
        if (!D->IsExcluded(*soonest))
            out.push_back(QDateTime::fromSecsSinceEpoch(*soonest, QTimeZone::utc()));
    }
    return out;
}

} // namespace events
