#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build-package/korvane5_<version>_<arch>.deb: installs what is
# missing, builds optimised for /usr, and runs CPack. Install it with
#   sudo apt-get install ./build-package/korvane5_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages="$(cat "$root/scripts/packages-build.txt") dpkg-dev file"
"$root/scripts/install-packages.sh" $packages

# Debian's hardening flags, as a package built by Debian's tools would have them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S "$root" -B "$root/build-package" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DKORVANE5_TESTS=OFF -DKORVANE5_BENCH=OFF
cmake --build "$root/build-package" -j"$(nproc)"
(cd "$root/build-package" && cpack -G DEB)
ls "$root"/build-package/korvane5_*.deb
