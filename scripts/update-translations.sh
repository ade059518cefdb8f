#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every catalogue in translations/ up to date with the program's texts (Qt's
# lupdate); new texts come in unfinished, for the translators. English holds only the
# plural forms the source texts leave open ("%n day(s)").
#   scripts/update-translations.sh [LANGUAGE...]     e.g. de, or pt_BR for a new one
set -eu
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
sources="app common events platform presets shell skins store widgets resources tools/settings"
languages=${*:-$(ls translations | sed -n 's/^korvane5_\(.*\)\.ts$/\1/p' | grep -vx en)}
for language in $languages; do
    "$lupdate" -silent -locations none -no-obsolete $sources -ts "translations/korvane5_$language.ts"
done
"$lupdate" -silent -locations none -no-obsolete -pluralonly $sources -ts translations/korvane5_en.ts
