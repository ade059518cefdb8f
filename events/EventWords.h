// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repeat rules the interface offers, in words: every year, every month on the same day
// or on the same weekday ("the second Tuesday"), every week on chosen days, every day; until
// a date or a number of times. Each choice writes one RRULE line, and reads back from it;
// any other rule (one from a calendar file, say) is "custom". No widgets: the dialog shows
// these words and writes these rules.

#include "events/Event.h"

#include <QDate>
#include <vector>

namespace events {

enum class TRepeatKind { Once, Yearly, MonthlyOnDay, MonthlyOnWeekday, Weekly, Daily, Custom };

struct TRepeatChoice {
    TRepeatKind Kind = TRepeatKind::Once;
    std::vector<int> Weekdays; // Weekly: 1 Monday to 7 Sunday, in order
    QDate Until;               // the last day it may come, or none
    int Count = 0;             // how many times in all, or 0

    bool operator==(const TRepeatChoice&) const = default;
};

// The Repeat value of a choice for a first moment on start. Days past the 28th repeat
// with RFC 7529's SKIP=BACKWARD where libical has it: 29 February every year comes on 28
// February in common years, the 31st every month on the last day of shorter months.
// The fifth weekday of a month is its last one.
QString RepeatFor(const TRepeatChoice& choice, const QDate& start);
// The choice a Repeat value is; Custom for anything RepeatFor does not write.
TRepeatChoice ChoiceOf(const QString& repeat, const QDate& start);
// The words of a choice without its end ("every month on the second Tuesday"); a weekly
// choice without days names the start's weekday, as RepeatFor writes it.
QString KindInWords(const TRepeatChoice& choice, const QDate& start);
// The event's repeat in the user's words ("every month on the second Tuesday", "custom").
QString InWords(const TEvent& event);

} // namespace events
