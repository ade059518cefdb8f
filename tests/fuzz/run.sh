#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a fuzz target over its seed corpus, then on fresh inputs for a while:
#   run.sh TARGET SEED-CORPUS
# New inputs go to a scratch folder, never into the seeds. A crash leaves its input there
# and prints where; memory or time beyond the limits counts as a crash.
set -u
target=$1
seeds=$2
scratch=$(mktemp -d)
"$target" -max_total_time="${KORVANE5_FUZZ_SECONDS:-5}" -timeout=10 -rss_limit_mb=2048 \
    -malloc_limit_mb=128 -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch" "$seeds"
status=$?
if [ "$status" -eq 0 ]; then
    rm -rf "$scratch"
else
    echo "fuzz: the failing input is kept in $scratch" >&2
fi
exit "$status"
