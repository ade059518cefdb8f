#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts a clock: run.sh [CLOCK-NUMBER 0..4]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" app
exec "$root/build/korvane5" "$@"
