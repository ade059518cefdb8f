#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The idle cost of a clock, beside a bare Qt window and xclock, each alone on its own Xvfb
# with openbox:   bench/idle.sh [SECONDS [RUNS]]   (defaults 60 and 3)
# Builds the optimised program and the bare window in build-bench/, starts each with the
# seconds changing, waits 10 s, then over SECONDS reads from /proc the wake-ups of all its
# threads (voluntary and involuntary context switches), its CPU time (schedstat), and at
# the end RssAnon and VmHWM (RUNS interleaved runs, medians). For Korvane5 it also opens
# and closes the date/time dialog and the skin chooser before measuring memory, times each
# repaint of the seconds against the wall clock's second (strace on the X socket), counts
# the instructions of one ordinary tick with callgrind, and times the start to a managed
# window with the bundled skins and with 2000 more. Prints the figures and the ratios.
# With KORVANE5_IDLE_DPIS=96,192 it measures the clock alone at each Xft.dpi instead (a
# scale of 1 and of 2): wake-ups, CPU, memory and the start-up time. KORVANE5_IDLE_BUS=1
# gives each desktop a session bus, as a desktop session has one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
span=${1:-60}
runs=${2:-3}
"$root/scripts/install-packages.sh" $(cat "$root/scripts/packages-build.txt") \
    xvfb openbox x11-apps xdotool x11-utils x11-xserver-utils strace valgrind libbenchmark-dev
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE5_TESTS=OFF \
    -DKORVANE5_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target korvane5 korvane5-settings \
    korvane5-bare-clock bundled_skins >/dev/null
exec python3 "$root/bench/idle.py" "$root/build-bench" "$span" "$runs"
