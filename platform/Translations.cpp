// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace platform {

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
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral("korvane5_en"), folder) &&
        QCoreApplication::installTranslator(english.get()))
        installed.push_back(std::move(english));
}

} // namespace platform
