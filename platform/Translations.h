// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts in the user's language: Qt Linguist catalogues, found beside the
// program (a build) or in share/korvane5/translations of its prefix.

#include <QString>

namespace platform {

// The folder of the catalogues, with a trailing '/'.
QString TranslationsPath();

// Installs the catalogues for the application's life: English, whose plural forms the
// program's source texts leave open ("%n day(s)"), then the user's language where there
// is one. A missing or damaged catalogue means English, never an error.
void LoadTranslations(const QString& folder = TranslationsPath());

} // namespace platform
