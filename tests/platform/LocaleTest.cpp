// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Locale.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>
#include <langinfo.h>
#include <string>
#include <utility>

namespace {

const char* const Variables[] = {
    "LC_ALL",       "LC_CTYPE",       "LC_COLLATE",        "LC_MONETARY", "LC_NUMERIC",
    "LC_TIME",      "LC_MESSAGES",    "LC_PAPER",          "LC_NAME",     "LC_ADDRESS",
    "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION", "LANG",        "LANGUAGE"};

using TEnvironment = QList<std::pair<QByteArray, QByteArray>>; // the variables that are set

TEnvironment Environment() {
    TEnvironment set;
    for (const char* name : Variables)
        if (qEnvironmentVariableIsSet(name))
            set.append({name, qgetenv(name)});
    return set;
}

// The variables as NAME=VALUE, by name.
std::string Described(const TEnvironment& set) {
    QByteArrayList lines;
    for (const auto& [name, value] : set)
        lines << name + "=" + value;
    std::sort(lines.begin(), lines.end());
    return lines.join(' ').toStdString();
}

void SetEnvironment(const TEnvironment& set) {
    for (const char* name : Variables)
        qunsetenv(name);
    for (const auto& [name, value] : set)
        qputenv(name.constData(), value);
}

// What a category's variables name, as the C library and Qt's own locale read them.
QByteArray Named(const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"})
        if (const QByteArray value = qgetenv(name); !value.isEmpty())
            return value;
    return "C";
}

const char* const Kept[] = {"LC_TIME",    "LC_MESSAGES", "LC_NUMERIC",
                            "LC_COLLATE", "LC_MONETARY", "LC_MEASUREMENT"};

// What the environment names for the categories besides the characters, and the language list.
QList<QByteArray> Observe() {
    QList<QByteArray> named;
    for (const char* category : Kept)
        named << Named(category);
    return named << qgetenv("LANGUAGE");
}

// The C library's time category after the call Qt's application object makes.
std::string TimeAfterQtsCall() {
    std::setlocale(LC_ALL, "");
    return std::setlocale(LC_TIME, nullptr);
}

bool Utf8Characters() {
    const std::string codeset = nl_langinfo(CODESET);
    return codeset == "UTF-8" || codeset == "utf8";
}

} // namespace

// Only the C, POSIX and C.UTF-8 locales are on every system; xx_XX.UTF-8 is on none.
TEST(LocaleTest, CharactersInUtf8AndEveryOtherCategoryAsTheEnvironmentNamesIt) {
    const TEnvironment saved = Environment();
    const std::string savedLocale = std::setlocale(LC_ALL, nullptr);
    const struct {
        const char* Name;
        TEnvironment Set;
        bool AlreadyUtf8; // then the environment stays exactly as it was
    } rows[] = {
        {"no locale at all", {}, false},
        {"LANG=C", {{"LANG", "C"}}, false},
        {"LC_ALL=C over a UTF-8 LC_TIME", {{"LC_ALL", "C"}, {"LC_TIME", "C.UTF-8"}}, false},
        {"LC_ALL=POSIX with a LANGUAGE", {{"LC_ALL", "POSIX"}, {"LANGUAGE", "de"}}, false},
        {"a LANG the system lacks", {{"LANG", "xx_XX.UTF-8"}, {"LC_TIME", "C.UTF-8"}}, false},
        {"an LC_ALL the system lacks", {{"LC_ALL", "xx_XX.UTF-8"}}, false},
        {"LC_CTYPE=C in a UTF-8 LANG", {{"LC_CTYPE", "C"}, {"LANG", "C.UTF-8"}}, false},
        {"LANG=C.UTF-8", {{"LANG", "C.UTF-8"}, {"LC_MESSAGES", "C"}}, true},
        {"LC_ALL=C.UTF-8", {{"LC_ALL", "C.UTF-8"}, {"LANG", "C"}}, true},
    };
    for (const auto& row : rows) {
        SetEnvironment(row.Set);
        std::setlocale(LC_ALL, "C");
        const std::string time = TimeAfterQtsCall();
        const QList<QByteArray> named = Observe();
        std::setlocale(LC_ALL, "C");
        platform::PrepareLocale();
        EXPECT_EQ(TimeAfterQtsCall(), time) << row.Name;
        EXPECT_TRUE(Utf8Characters()) << row.Name << ": " << nl_langinfo(CODESET);
        EXPECT_EQ(Observe(), named) << row.Name;
        if (row.AlreadyUtf8)
            EXPECT_EQ(Described(Environment()), Described(row.Set)) << row.Name;
        else
            EXPECT_EQ(qgetenv("LC_CTYPE"), "C.UTF-8") << row.Name;
    }
    SetEnvironment(saved);
    std::setlocale(LC_ALL, savedLocale.c_str());
}
