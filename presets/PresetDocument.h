// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preset list document ("korvane5dates.xml"): coming events, each with a label and a
// moment, read into a list sorted by label with each moment kept beside its label.

#include "common/DateTime.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace presets {

// What the reading of a "datetime" value takes from its surroundings.
struct TDateTimeContext {
    int CurrentYear = 2000;
    QString TimeSeparator = QStringLiteral(":");
    QString DecimalSeparator = QStringLiteral(".");
    QString AmMarker; // the locale's own markers; "AM" and "PM" are always understood
    QString PmMarker;

    // The context of the user's locale, with the year of now.
    static TDateTimeContext System(TDateTime now);
};

// Reads a moment written as "yyyy-MM-dd HH:mm:ss" and the other forms read the same way:
// month-day dates in the current year, two-digit years in the hundred years around the
// current one, AM/PM markers, milliseconds after the decimal separator, a date alone, a
// time alone on day zero. False when the text is unreadable.
bool ParsePresetDateTime(QStringView text, const TDateTimeContext& context, TDateTime& out);

struct TPresetList {
    QStringList Labels;           // sorted by the locale's collation
    std::vector<TDateTime> Dates; // Dates[i] belongs to Labels[i]
};

// Reads a document. nullopt when it is not recognised (not well-formed, another root
// element, a version other than 1); otherwise the usable items, which may be none.
// now is read anew for each item: items before it are dropped.
std::optional<TPresetList> ReadPresetDocument(const std::string& text,
                                              const std::function<TDateTime()>& now,
                                              const TDateTimeContext& context);

} // namespace presets
