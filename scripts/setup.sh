#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing, then configures and builds.
#   setup.sh app     what the clock needs: an optimised build in build/
#   setup.sh tests   also what the tests need: a build with clang, AddressSanitizer, UBSan
#                    and the fuzz targets in build-tests/
# The two folders never share objects, so switching between them rebuilds nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-app}

packages=$(cat "$root/scripts/packages-build.txt")
if [ "$mode" = tests ]; then
    packages="$packages $(cat "$root/scripts/packages-test.txt")"
fi

"$root/scripts/install-packages.sh" $packages

if [ "$mode" = tests ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-tests" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE5_SANITIZE=ON -DKORVANE5_FUZZ=ON \
        -DKORVANE5_BENCH=OFF -DKORVANE5_ARTGEN=ON -DKORVANE5_WERROR=ON
    cmake --build "$root/build-tests" -j"$(nproc)"
else
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKORVANE5_TESTS=OFF -DKORVANE5_BENCH=OFF
    cmake --build "$root/build" -j"$(nproc)"
fi
