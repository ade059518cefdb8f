// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event a clock counts to, as the window uses it: its values in the clock's settings,
// the moment to count to from now, and the next occurrence once one has come. The moments
// are worked out when the event changes or an occurrence ends, never at the tick.

#include "common/DateTime.h"
#include "events/Event.h"
#include "events/Schedule.h"

#include <QString>
#include <memory>
#include <optional>

namespace store {
class TClockSettings;
}

// A clock as the user knows it: "Clock 1" for clock 0.
QString ClockName(int clock);

class TClockEvent {
public:
    TClockEvent();
    ~TClockEvent();

    // The event in the settings. A rule or zone that cannot be worked out (a hand-edited
    // store) leaves the first moment in local time, one-off, and Problem says why.
    void Load(const store::TClockSettings& settings);
    // The event in effect from now, without the settings.
    void Set(const events::TEvent& event);
    // The event changed by the user: into the settings, and in effect from now.
    void Change(store::TClockSettings& settings, const events::TEvent& event);
    // The event's values before a save; target: what the window counts to.
    void Observe(store::TClockSettings& settings, TDateTime target) const;

    const events::TEvent& Event() const { return Current; }
    const QString& Problem() const { return Why; }
    // What the user is told of such an event.
    static QString ProblemNotice(int clock, const QString& why);
    // A one-off moment in local time: the target is the stored moment itself, as a clock
    // has always kept it.
    bool Plain() const;

    // The moment to count to from now, in local time: the first moment, or the first
    // occurrence at or after now of a repeating one (the first moment when none is left).
    TDateTime TargetAt(TDateTime now) const;
    // The first occurrence after now, asked once an occurrence has come: none when the rule
    // has no more (remembered, so that a clock past its last one asks no more).
    std::optional<TDateTime> NextAfter(TDateTime now);
    // The event as the clock counts to it: a plain moment that gave way to the date/time
    // dialog's pick is that target now.
    events::TEvent AsCounted(TDateTime target) const {
        return Plain() ? StartingAt(target) : Current;
    }
    // A moment picked in local time as the event's first moment: the wall clock of its zone.
    events::TEvent StartingAt(TDateTime local) const;

    // The clock's title for the tray's tool-tip: "Clock 1", "Clock 1 — Christmas", and
    // while counting up from a moment "Clock 1 — since Christmas" (or since the moment).
    QString Title(int clock, std::optional<TDateTime> since) const;

private:
    events::TEvent Current;
    std::unique_ptr<events::TSchedule> Schedule; // none: the first moment in local time
    QString Why;
    std::optional<TDateTime> Exhausted; // no occurrence after this moment
};
