// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Locale.h"

#include <QByteArray>
#include <QtGlobal>
#include <clocale>
#include <langinfo.h>

namespace platform {

namespace {

bool Utf8Characters() {
    const char* const codeset = nl_langinfo(CODESET);
    return qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0;
}

// Every category of the C library but the character class, by its variable.
const char* const OtherCategories[] = {
    "LC_COLLATE", "LC_MONETARY", "LC_NUMERIC",   "LC_TIME",        "LC_MESSAGES",      "LC_PAPER",
    "LC_NAME",    "LC_ADDRESS",  "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

} // namespace

void PrepareLocale() {
    // Qt's application object starts with the same call and checks the characters after it.
    std::setlocale(LC_ALL, "");
    if (Utf8Characters())
        return;
    if (const QByteArray all = qgetenv("LC_ALL"); !all.isEmpty()) {
        for (const char* category : OtherCategories)
            qputenv(category, all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_CTYPE", "C.UTF-8");
    // A locale the system lacks makes the call fail, leaving the process's locale as it
    // was, for Qt's call too: that locale then gets the UTF-8 character class.
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace platform
