// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a clock's settings live in the store, spelled once: "Software\Korvane5\", the clock
// number and a backslash; below that the skin chooser's "Skins\" and, below it, "Random\".

#include <QString>

namespace store::keys {

inline const QString Clocks = QStringLiteral("Software\\Korvane5\\");
inline const QString Skins = QStringLiteral("Skins\\");
inline const QString Random = QStringLiteral("Random\\");

// The part after Clocks: the decimal clock number and a backslash (the main window's
// ClockKey).
inline QString ClockKey(int clock) {
    return QString::number(clock) + QLatin1Char('\\');
}
inline QString Clock(int clock) {
    return Clocks + ClockKey(clock);
}

} // namespace store::keys
