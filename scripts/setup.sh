#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds in build/.
#   setup.sh app     what the clock needs (an optimised build)
#   setup.sh tests   also what the tests need (a build with AddressSanitizer and UBSan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-app}

packages=$(cat "$root/scripts/packages-build.txt")
sanitize=OFF
if [ "$mode" = tests ]; then
    packages="$packages $(cat "$root/scripts/packages-test.txt")"
    sanitize=ON
fi

missing=()
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update
    $sudo apt-get install -y "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE5_SANITIZE=$sanitize
cmake --build "$root/build" -j"$(nproc)"
