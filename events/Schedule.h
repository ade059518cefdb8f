// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moments of an event, worked out by libical: its first moment, the moments of its
// RRULE and RDATE lines, less those of its EXDATE lines (RFC 5545), each the instant its
// wall clock names in the event's zone, or in local time. Made when the event changes,
// asked when it ends; never at the tick.

#include "events/Event.h"

#include <QDateTime>
#include <memory>
#include <optional>
#include <vector>

namespace events {

class TSchedule {
public:
    // Throws EEventError, with a message for the user, for a repeat rule libical refuses or
    // a zone the system does not know.
    explicit TSchedule(const TEvent& event);
    ~TSchedule();
    TSchedule(TSchedule&&) noexcept;
    TSchedule& operator=(TSchedule&&) noexcept;

    // Whether the moment comes back at all.
    bool Repeats() const;
    // The first moment at or after from; nullopt when the event has none left. A rule so
    // sparse or so dense that its next moment lies beyond a bounded search throws
    // EEventError rather than keep the program busy.
    std::optional<QDateTime> Next(const QDateTime& from) const;
    // Up to count moments at or after from, in order, in UTC. With budget, every moment
    // libical hands over is also taken from *budget, shared by several searches, and the
    // search throws EEventError once it is spent.
    std::vector<QDateTime> Occurrences(const QDateTime& from, int count,
                                       qint64* budget = nullptr) const;

    // How far one search goes: periods of the rule's frequency (a day for a daily rule),
    // and moments that libical hands over.
    static constexpr qint64 SearchPeriods = 100'000;
    static constexpr qint64 SearchMoments = 200'000;

private:
    struct TData;
    std::unique_ptr<TData> D;
};

} // namespace events
