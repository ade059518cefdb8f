// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event's values in a clock's key: the first moment stays the 8-byte "CustomDateTime"
// the clock has always kept (wall-clock time in "TimeZone" when that is set), the rest are
// text values and one DWORD. A value at its default is not stored, so a clock without an
// event keeps exactly the values it always had.

#include "events/Event.h"

#include <QLatin1String>

namespace store {
class TRegistry;
}

namespace events {

class TEventStore {
public:
    static constexpr QLatin1String StartValue{"CustomDateTime"}; // 8 bytes
    static constexpr QLatin1String NameValue{"EventName"};       // text
    static constexpr QLatin1String RepeatValue{"Repeat"};        // text, iCalendar lines
    static constexpr QLatin1String ZoneValue{"TimeZone"};        // text, an IANA name
    static constexpr QLatin1String AfterEndValue{"AfterEnd"};    // DWORD 0, 1 or 2

    // The event in the key open in reg; what is absent keeps its default. An "AfterEnd" of
    // another number reads as 0. Throws the registry's errors for a value of the wrong type.
    static TEvent Read(store::TRegistry& reg);
    // Writes the event into the key open in reg (which must be writable).
    static void Write(store::TRegistry& reg, const TEvent& event);
};

} // namespace events
