#!/usr/bin/env bash
# Sets up, builds and starts a clock: run.sh [CLOCK-NUMBER 0..4]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" app
exec "$root/build/korvane5" "$@"
