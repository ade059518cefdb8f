// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar file handed to "Import Event..." or "korvane5-settings import-event": any
// bytes, read, listed and picked as the clock would.
#include "events/CalendarFile.h"
#include "events/Schedule.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QDateTime now = QDateTime::fromSecsSinceEpoch(1'767'225'600); // 2026-01-01
    try {
        const events::TCalendarFile file(
            QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        file.Upcoming(now);
        events::TSchedule(file.Pick().Event).Occurrences(now, 3);
    } catch (const events::EEventError&) {
        // The file's own fault, said to the user: what the fuzzer looks for is anything else.
    }
    return 0;
}
