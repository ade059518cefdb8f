// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace platform {

namespace {

// The locale messages are asked for in, as gettext reads it.
QString MessageLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
            return value;
    return {};
}

} // namespace

QString TranslationsPath() {
    const QString beside = ProgramDir() + QStringLiteral("translations/");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(ProgramDir() + QStringLiteral("../share/korvane5/translations")) +
           QLatin1Char('/');
}

void LoadTranslations(const QString& folder) {
    // Installed last, asked first: the user's language before English.
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (auto& translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();
    const auto install = [](std::unique_ptr<QTranslator> translator, bool loaded) {
        if (loaded && QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    };
    auto english = std::make_unique<QTranslator>();
    const bool englishLoaded = english->load(QStringLiteral("korvane5_en"), folder);
    install(std::move(english), englishLoaded);

    // As gettext does: a C or POSIX message locale means English, whatever LANGUAGE says.
    const QString messages = MessageLocale();
    if (messages.isEmpty() || messages == QLatin1String("C") ||
        messages == QLatin1String("POSIX") || messages.startsWith(QLatin1String("C.")))
        return;
    // The user's languages in order, LANGUAGE's list, then the message locale's: the first
    // with a catalogue ("de_AT" falls back to "de"), and Qt's own catalogue for its
    // standard buttons and menus.
    QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    languages << messages.section(u'.', 0, 0).section(u'@', 0, 0);
    for (const QString& language : languages) {
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral("korvane5_") + language, folder))
            continue;
        install(std::move(own), true);
        auto qt = std::make_unique<QTranslator>();
        const bool qtLoaded = qt->load(QStringLiteral("qtbase_") + language,
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        install(std::move(qt), qtLoaded);
        return;
    }
}

} // namespace platform
