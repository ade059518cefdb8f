// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Countdown.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <limits>

TCountdownParts SplitRemaining(TDateTime remaining) {
    TCountdownParts parts;
    const double days = std::floor(remaining);
    if (std::isnan(days))
        parts.Days = 0;
    else if (days >= double(std::numeric_limits<std::int32_t>::max()))
        parts.Days = std::numeric_limits<std::int32_t>::max();
    else if (days <= double(std::numeric_limits<std::int32_t>::min()))
        parts.Days = std::numeric_limits<std::int32_t>::min();
    else
        parts.Days = std::int32_t(days);
    const common::TTimeParts t = common::DecodeTime(remaining);
    parts.Hours = t.Hour;
    parts.Minutes = t.Minute;
    parts.Seconds = t.Second;
    return parts;
}

int MillisecondsToNextTick(TDateTime now) {
    return 1000 - common::DecodeTime(now).MSec + TickLag;
}

std::int64_t TimeLeftInWordsKey(const TCountdownParts& p) {
    const std::int64_t minutes = (std::int64_t(p.Days) * 24 + p.Hours) * 60 + p.Minutes;
    return minutes > 0 ? minutes : p.Seconds > 0 ? 0 : -1;
}

QString TimeLeftInWords(const TCountdownParts& p, bool since) {
    QStringList parts;
    if (p.Days > 0)
        parts << QCoreApplication::translate("Countdown", "%n day(s)", nullptr, p.Days);
    if (p.Hours > 0)
        parts << QCoreApplication::translate("Countdown", "%n hour(s)", nullptr, p.Hours);
    if (p.Minutes > 0)
        parts << QCoreApplication::translate("Countdown", "%n minute(s)", nullptr, p.Minutes);
    if (parts.isEmpty() && p.Seconds > 0 && since)
        return QCoreApplication::translate("Countdown", "Less than a minute since the end");
    if (parts.isEmpty())
        return p.Seconds > 0 ? QCoreApplication::translate("Countdown", "Less than a minute left")
                             : QCoreApplication::translate("Countdown", "The countdown has ended.");
    QString words = parts.takeLast();
    if (!parts.isEmpty())
        words = QCoreApplication::translate("Countdown", "%1 and %2", "the last of the parts")
                    .arg(parts.join(QCoreApplication::translate("Countdown", ", ",
                                                                "between the other parts")),
                         words);
    if (since)
        return QCoreApplication::translate("Countdown", "%1 since the end", "the parts").arg(words);
    return QCoreApplication::translate("Countdown", "%1 left", "the parts").arg(words);
}

TDateTime TCountdown::NotBefore(TDateTime picked, TDateTime now) {
    return picked - now <= 0 ? now : picked;
}

TCountdown::TStep TCountdown::Step(TDateTime target, TDateTime now, const TFallback& fallback) {
    TStep step;
    step.Target = target;
    step.Remaining = target - now;
    // A target counted down to from above zero is reached: told once.
    if (step.Remaining <= 0 && CountingDown) {
        CountingDown = false;
        step.EndedNow = true;
    }
    const events::TAfterEnd afterEnd = Event.Event().AfterEnd;
    if (step.Remaining < 0 && afterEnd == events::TAfterEnd::CountUp) {
        step.Since = true;
        step.Remaining = -step.Remaining;
    } else if (step.Remaining < 0) {
        std::optional<TDateTime> next;
        if (afterEnd == events::TAfterEnd::NextOccurrence)
            next = Event.NextAfter(now);
        step.Target = NotBefore(next ? *next : fallback(), now);
        step.Remaining = step.Target - now;
    }
    if (step.Remaining > 0 && !step.Since)
        CountingDown = true;
    step.Parts = SplitRemaining(step.Remaining);
    const std::int64_t key = TimeLeftInWordsKey(step.Parts) * 2 + (step.Since ? 1 : 0);
    if (key != SpokenKey) {
        SpokenKey = key;
        step.Words = TimeLeftInWords(step.Parts, step.Since);
    }
    return step;
}
