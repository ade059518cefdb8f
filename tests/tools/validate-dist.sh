#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry, the AppStream metadata and the manual pages pass their validators, and
# scripts/packages-build.txt, which CI and the scripts install, holds every build dependency
# of the package:   validate-dist.sh SOURCE-FOLDER
set -u
dist="$1/dist"
status=0
desktop-file-validate "$dist/example.korvane5.Korvane5.desktop" || status=1
appstreamcli validate --no-net "$dist/example.korvane5.Korvane5.metainfo.xml" || status=1
for page in korvane5.1 korvane5-settings.1 korvane5-skin.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$dist/$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings"
        status=1
    fi
done
for package in $(sed -n '/^Build-Depends:/,/^[^ ]/{s/^Build-Depends://;/^[^ ]/!p}' "$1/debian/control" |
                 sed 's/([^)]*)//g' | tr ',' '\n'); do
    [ "$package" = debhelper-compat ] && continue
    grep -qx "$package" "$1/scripts/packages-build.txt" ||
        { echo "debian/control: $package is not in scripts/packages-build.txt"; status=1; }
done
exit $status
