// SPDX-License-Identifier: GPL-3.0-or-later
// A preset's "datetime" text, with morning and afternoon markers and separators of a locale
// that has its own.
#include "presets/PresetDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static presets::TDateTimeContext context = [] {
        presets::TDateTimeContext c;
        c.CurrentYear = 2026;
        c.AmMarker = QStringLiteral("vorm.");
        c.PmMarker = QStringLiteral("nachm.");
        c.DecimalSeparator = QStringLiteral(",");
        return c;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TDateTime out = 0;
    presets::ParsePresetDateTime(text, context, out);
    return 0;
}
