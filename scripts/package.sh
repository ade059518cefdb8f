#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian builds packages (dpkg-buildpackage, debian/), into
# build-package/ or the folder named: korvane5_<version>_<arch>.deb and its debug symbols,
# korvane5-dbgsym_<version>_<arch>.deb. Installs what is missing first. Install it with
#   sudo apt-get install ./build-package/korvane5_*.deb
# The build runs in a copy of the checkout's files: Debian's tools write into debian/ and
# beside the source folder, so the checkout and the folder around it stay as they were.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build-package}" && cd "${1:-$root/build-package}" && pwd)

"$root/scripts/install-packages.sh" $(cat "$root/scripts/packages-build.txt") debhelper dpkg-dev

rm -rf "$out/source" "$out"/korvane5*_*
mkdir "$out/source"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    # The files git knows and those it would add, as they are in the work tree.
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        tar -C "$root" --null --files-from=- --ignore-failed-read -cf - |
        tar -C "$out/source" --touch --no-same-permissions -xf -
else
    tar -C "$root" --exclude='./build' --exclude='./build-*' --exclude='./obj-*' -cf - . |
        tar -C "$out/source" --touch --no-same-permissions -xf -
fi
(cd "$out/source" && dpkg-buildpackage -us -uc -b -tc -j"$(nproc)")
ls "$out"/korvane5_*.deb
