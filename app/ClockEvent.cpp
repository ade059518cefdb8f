// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClockEvent.h"

#include "store/ClockSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

namespace {

QDateTime Instant(TDateTime local) {
    return common::ToQDateTime(local);
}

TDateTime Local(const QDateTime& instant) {
    return common::FromQDateTime(instant.toLocalTime());
}

} // namespace

QString ClockName(int clock) {
    return QCoreApplication::translate("TClockEvent", "Clock %1").arg(clock + 1);
}

TClockEvent::TClockEvent() = default;
TClockEvent::~TClockEvent() = default;

void TClockEvent::Load(const store::TClockSettings& settings) {
    using enum store::TSetting;
    events::TEvent event;
    event.Start = settings.Moment(CustomDateTime);
    event.Name = settings.Text(EventName);
    event.Repeat = settings.Text(Repeat);
    event.Zone = settings.Text(TimeZone);
    event.AfterEnd = events::TAfterEnd(settings.Integer(AfterEnd));
    Set(event);
}

void TClockEvent::Change(store::TClockSettings& settings, const events::TEvent& event) {
    using enum store::TSetting;
    settings.Change(CustomDateTime, event.Start);
    settings.Change(EventName, event.Name);
    settings.Change(Repeat, event.Repeat);
    settings.Change(TimeZone, event.Zone);
    settings.Change(AfterEnd, std::int32_t(event.AfterEnd));
    Set(event);
}

void TClockEvent::Observe(store::TClockSettings& settings, TDateTime target) const {
    // A plain moment is the target itself, as the window moves it (a passed one gives way
    // to the dialog's pick); an event keeps its first moment.
    settings.Observe(store::TSetting::CustomDateTime, Plain() ? target : Current.Start);
}

void TClockEvent::Set(const events::TEvent& event) {
    Current = event;
    Schedule.reset();
    Why.clear();
    Exhausted.reset();
    if (Plain())
        return;
    try {
        Schedule = std::make_unique<events::TSchedule>(event);
    } catch (const events::EEventError& e) {
        Why = e.Message();
    }
}

bool TClockEvent::Plain() const {
    return Current.Repeat.isEmpty() && Current.Zone.isEmpty();
}

TDateTime TClockEvent::TargetAt(TDateTime now) const {
    if (!Schedule)
        return Current.Start;
    try {
        const QDateTime from =
            Schedule->Repeats() ? Instant(now) : QDateTime::fromSecsSinceEpoch(0);
        if (const std::optional<QDateTime> next = Schedule->Next(from))
            return Local(*next);
        if (const std::optional<QDateTime> first = Schedule->Next(QDateTime::fromSecsSinceEpoch(0)))
            return Local(*first);
    } catch (const events::EEventError&) {
        // A rule too sparse to follow has no moment the clock can reach: its first moment.
    }
    return Current.Start;
}

std::optional<TDateTime> TClockEvent::NextAfter(TDateTime now) {
    if (!Schedule || !Schedule->Repeats() || (Exhausted && now >= *Exhausted))
        return std::nullopt;
    try {
        // After the moment that has come: a whole second on.
        if (const std::optional<QDateTime> next = Schedule->Next(Instant(now).addMSecs(1)))
            return Local(*next);
    } catch (const events::EEventError&) {
        // Beyond the bounded search: as a rule that has ended.
    }
    Exhausted = now;
    return std::nullopt;
}

events::TEvent TClockEvent::StartingAt(TDateTime local) const {
    events::TEvent event = Current;
    event.Start = local;
    const QTimeZone zone(Current.Zone.toUtf8());
    if (!Current.Zone.isEmpty() && zone.isValid()) {
        const QDateTime wall = Instant(local).toTimeZone(zone);
        event.Start = common::FromQDateTime(QDateTime(wall.date(), wall.time()));
    }
    return event;
}

QString TClockEvent::Title(int clock, std::optional<TDateTime> since) const {
    // A tool-tip holds under 64 characters: a long name is cut.
    const QString name =
        Current.Name.size() > 40 ? Current.Name.left(39) + QChar(0x2026) : Current.Name;
    const QString clockName = ClockName(clock);
    if (since) {
        const QString what =
            !name.isEmpty() ? name : QLocale().toString(Instant(*since), QLocale::ShortFormat);
        return QCoreApplication::translate("TClockEvent", "%1 — since %2").arg(clockName, what);
    }
    if (name.isEmpty())
        return clockName;
    return QCoreApplication::translate("TClockEvent", "%1 — %2").arg(clockName, name);
}

QString TClockEvent::ProblemNotice(int clock, const QString& why) {
    return QCoreApplication::translate("TClockEvent", "The event of clock %1 cannot be worked out "
                                                      "(%2): the clock counts to its first moment.")
        .arg(QString::number(clock + 1), why);
}
