// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventWords.h"

#include <libical/ical.h>

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <map>

namespace {

// The words of repeat rules go through Qt's translation system under this name.
class TEventWords {
    Q_DECLARE_TR_FUNCTIONS(TEventWords)
};

} // namespace

namespace events {

namespace {

const char* const DayCodes[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// Which of the month's weekdays of its kind the date is: 1 to 4, or -1 for a fifth (the
// last).
int WeekdayOrdinal(const QDate& date) {
    const int n = (date.day() - 1) / 7 + 1;
    return n == 5 ? -1 : n;
}

int DayOfCode(const QString& code) {
    for (int day = 1; day <= 7; ++day)
        if (code == QLatin1String(DayCodes[day - 1]))
            return day;
    return 0;
}

} // namespace

QString RepeatFor(const TRepeatChoice& choice, const QDate& start) {
    QString rule;
    bool skip = false;
    switch (choice.Kind) {
    case TRepeatKind::Once:
    case TRepeatKind::Custom:
        return {};
    case TRepeatKind::Yearly:
        rule = QStringLiteral("FREQ=YEARLY");
        skip = start.month() == 2 && start.day() == 29;
        break;
    case TRepeatKind::MonthlyOnDay:
        rule = QStringLiteral("FREQ=MONTHLY");
        skip = start.day() > 28;
        break;
    case TRepeatKind::MonthlyOnWeekday:
        rule = QStringLiteral("FREQ=MONTHLY;BYDAY=%1%2")
                   .arg(WeekdayOrdinal(start))
                   .arg(QLatin1String(DayCodes[start.dayOfWeek() - 1]));
        break;
    case TRepeatKind::Weekly: {
        QStringList days;
        for (int day :
             choice.Weekdays.empty() ? std::vector<int>{start.dayOfWeek()} : choice.Weekdays)
            if (day >= 1 && day <= 7)
                days << QLatin1String(DayCodes[day - 1]);
        rule = QStringLiteral("FREQ=WEEKLY;BYDAY=") + days.join(QLatin1Char(','));
        break;
    }
    case TRepeatKind::Daily:
        rule = QStringLiteral("FREQ=DAILY");
        break;
    }
    if (skip && icalrecurrencetype_rscale_is_supported())
        rule = QStringLiteral("RSCALE=GREGORIAN;") + rule + QStringLiteral(";SKIP=BACKWARD");
    // The last day in the event's own terms: the schedule reads a floating UNTIL in the
    // event's zone.
    if (choice.Until.isValid())
        rule += QStringLiteral(";UNTIL=") + choice.Until.toString(QStringLiteral("yyyyMMdd")) +
                QStringLiteral("T235959");
    else if (choice.Count > 0)
        rule += QStringLiteral(";COUNT=%1").arg(choice.Count);
    return QStringLiteral("RRULE:") + rule;
}

TRepeatChoice ChoiceOf(const QString& repeat, const QDate& start) {
    const QString text = repeat.trimmed();
    if (text.isEmpty())
        return {};
    std::map<QString, QString> parts;
    for (const QString& part : text.mid(6).split(QLatin1Char(';')))
        parts[part.section(QLatin1Char('='), 0, 0)] = part.section(QLatin1Char('='), 1);
    TRepeatChoice choice;
    const QString frequency = parts[QStringLiteral("FREQ")];
    const QString byDay = parts[QStringLiteral("BYDAY")];
    if (frequency == QLatin1String("YEARLY"))
        choice.Kind = TRepeatKind::Yearly;
    else if (frequency == QLatin1String("MONTHLY"))
        choice.Kind = byDay.isEmpty() ? TRepeatKind::MonthlyOnDay : TRepeatKind::MonthlyOnWeekday;
    else if (frequency == QLatin1String("DAILY"))
        choice.Kind = TRepeatKind::Daily;
    else if (frequency == QLatin1String("WEEKLY"))
        choice.Kind = TRepeatKind::Weekly;
    if (choice.Kind == TRepeatKind::Weekly)
        for (const QString& code : byDay.split(QLatin1Char(',')))
            choice.Weekdays.push_back(DayOfCode(code));
    choice.Until =
        QDate::fromString(parts[QStringLiteral("UNTIL")].left(8), QStringLiteral("yyyyMMdd"));
    choice.Count = parts[QStringLiteral("COUNT")].toInt();
    // Only what this very choice writes is this choice.
    if (choice.Kind == TRepeatKind::Once || RepeatFor(choice, start) != text)
        return {TRepeatKind::Custom, {}, {}, 0};
    return choice;
}

QString KindInWords(const TRepeatChoice& choice, const QDate& start) {
    const QLocale locale;
    switch (choice.Kind) {
    case TRepeatKind::Once:
        return TEventWords::tr("does not repeat");
    case TRepeatKind::Custom:
        return TEventWords::tr("custom");
    case TRepeatKind::Yearly:
        return TEventWords::tr("every year");
    case TRepeatKind::MonthlyOnDay:
        return TEventWords::tr("every month on the same day");
    case TRepeatKind::MonthlyOnWeekday: {
        const QString ordinals[] = {TEventWords::tr("last"), TEventWords::tr("first"),
                                    TEventWords::tr("second"), TEventWords::tr("third"),
                                    TEventWords::tr("fourth")};
        //: %1 is "first" to "fourth" or "last", %2 a weekday: "every month on the second Tuesday"
        return TEventWords::tr("every month on the %1 %2")
            .arg(ordinals[std::max(0, WeekdayOrdinal(start))], locale.dayName(start.dayOfWeek()));
    }
    case TRepeatKind::Weekly: {
        QStringList days;
        for (int day :
             choice.Weekdays.empty() ? std::vector<int>{start.dayOfWeek()} : choice.Weekdays)
            if (day >= 1 && day <= 7)
                days << locale.dayName(day);
        return TEventWords::tr("every week on %1").arg(locale.createSeparatedList(days));
    }
    case TRepeatKind::Daily:
        return TEventWords::tr("every day");
    }
    return {};
}

QString InWords(const TEvent& event) {
    const QDate start = common::DecodeDate(event.Start);
    const TRepeatChoice choice = ChoiceOf(event.Repeat, start);
    const QString words = KindInWords(choice, start);
    if (choice.Kind == TRepeatKind::Once || choice.Kind == TRepeatKind::Custom)
        return words;
    if (choice.Until.isValid())
        return TEventWords::tr("%1, until %2")
            .arg(words, QLocale().toString(choice.Until, QLocale::ShortFormat));
    if (choice.Count > 0)
        return TEventWords::tr("%1, %n time(s)", nullptr, choice.Count).arg(words);
    return words;
}

} // namespace events
