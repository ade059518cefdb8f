#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds (with sanitizers), checks the formatting and runs every test: unit,
# end-to-end and fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" tests
cmake --build "$root/build-tests" --target format-check
cd "$root/build-tests"
ctest --output-on-failure -j"$(nproc)" --timeout 600
