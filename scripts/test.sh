#!/usr/bin/env bash
# Sets up, builds (with sanitizers) and runs every test: unit, end-to-end and fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" tests
cd "$root/build-tests"
ctest --output-on-failure -j"$(nproc)" --timeout 600
