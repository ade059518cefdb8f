// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventStore.h"

#include "store/Registry.h"

namespace events {

TEvent TEventStore::Read(store::TRegistry& reg) {
    TEvent event;
    store::ReadFloatIfPresent(reg, StartValue, event.Start);
    store::ReadStringIfPresent(reg, NameValue, event.Name);
    store::ReadStringIfPresent(reg, RepeatValue, event.Repeat);
    store::ReadStringIfPresent(reg, ZoneValue, event.Zone);
    std::int32_t afterEnd = 0;
    store::ReadIntegerIfPresent(reg, AfterEndValue, afterEnd);
    if (afterEnd == std::int32_t(TAfterEnd::CountUp) ||
        afterEnd == std::int32_t(TAfterEnd::NextOccurrence))
        event.AfterEnd = TAfterEnd(afterEnd);
    return event;
}

void TEventStore::Write(store::TRegistry& reg, const TEvent& event) {
    reg.WriteFloat(StartValue, event.Start);
    const auto writeText = [&](QLatin1String name, const QString& text) {
        if (text.isEmpty())
            reg.DeleteValue(name);
        else
            reg.WriteString(name, text);
    };
    writeText(NameValue, event.Name);
    writeText(RepeatValue, event.Repeat);
    writeText(ZoneValue, event.Zone);
    if (event.AfterEnd == TAfterEnd::AsDesigned)
        reg.DeleteValue(AfterEndValue);
    else
        reg.WriteInteger(AfterEndValue, std::int32_t(event.AfterEnd));
}

} // namespace events
