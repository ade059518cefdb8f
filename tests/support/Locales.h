// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The locales the programs meet when scripts and cron start them, for the tests that run a
// tool in each: this run's environment with that locale instead of its own.

#include <QProcessEnvironment>
#include <QStringList>

struct TLocaleRow {
    const char* Name;
    const char* Variable; // null: no locale variable at all
    const char* Value;
};

// Only C, POSIX and C.UTF-8 are on every system; xx_XX.UTF-8 is on none.
inline constexpr TLocaleRow LocaleRows[] = {{"no locale", nullptr, nullptr},
                                            {"LC_ALL=C", "LC_ALL", "C"},
                                            {"LANG=POSIX", "LANG", "POSIX"},
                                            {"a locale the system lacks", "LANG", "xx_XX.UTF-8"},
                                            {"LANG=C.UTF-8", "LANG", "C.UTF-8"}};

inline QProcessEnvironment EnvironmentIn(const TLocaleRow& row) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANG") ||
            name == QLatin1String("LANGUAGE"))
            env.remove(name);
    if (row.Variable)
        env.insert(QString::fromLatin1(row.Variable), QString::fromLatin1(row.Value));
    return env;
}
