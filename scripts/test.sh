#!/usr/bin/env bash
# Sets up, builds (with sanitizers) and runs every test, the end-to-end ones included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" tests
cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
