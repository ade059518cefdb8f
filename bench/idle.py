# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the idle cost of Korvane5, a bare Qt window and xclock; run by bench/idle.sh.

    idle.py BUILD-FOLDER SECONDS RUNS
"""

import datetime
import os
import re
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
SPAN, RUNS = (int(sys.argv[2]), int(sys.argv[3])) if len(sys.argv) > 3 else (60, 3)
CLOCK = os.path.join(BUILD, "korvane5")
TOOL = os.path.join(BUILD, "korvane5-settings")
BARE = os.environ.get("KORVANE5_BARE_CLOCK",
                      os.path.join(BUILD, "bench", "korvane5-bare-clock"))


class Desktop:
    def __init__(self, dpi=None):
        self.tmp = tempfile.mkdtemp(prefix="korvane5-idle-")
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                                      "1024x768x24", "-nolisten", "tcp"], pass_fds=(write_fd,),
                                     stderr=subprocess.DEVNULL)
        os.close(write_fd)
        display = ":" + os.fdopen(read_fd).readline().strip()
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"),
                        XDG_DATA_HOME=os.path.join(self.tmp, "data"), XDG_RUNTIME_DIR=self.tmp,
                        # Nothing listens there: the date/time dialog asks nothing off the
                        # machine.
                        KORVANE5_HOST="127.0.0.1:9")
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.bus = None
        if os.environ.get("KORVANE5_IDLE_BUS"):  # a session bus, as a desktop session has
            self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork",
                                         "--print-address=1"], env=self.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        text=True)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus.stdout.readline().strip()
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stderr=subprocess.DEVNULL)
        for _ in range(100):
            if "WINDOW" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]):
                break
            time.sleep(0.05)
        time.sleep(1.5)  # openbox drops windows mapped while it is still starting
        if dpi:  # as a desktop asks for scaling
            subprocess.run(["xrdb", "-merge"], input="Xft.dpi: %d\n" % dpi, text=True,
                           env=self.env, check=True)

    def run(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True).stdout

    def close(self):
        for p in [self.wm, self.xvfb] + ([self.bus] if self.bus else []):
            p.terminate()
            p.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)  # the stores, skins and traces it made


def counters(pid):
    """{thread id: (context switches, CPU ns)} of every thread of the process."""
    tasks = {}
    for task in os.listdir("/proc/%d/task" % pid):
        switches = 0
        try:
            with open("/proc/%d/task/%s/status" % (pid, task)) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches",
                                        "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                tasks[task] = (switches, int(f.read().split()[0]))
        except FileNotFoundError:  # the thread ended meanwhile
            pass
    return tasks


def spent(before, after):
    """(context switches, CPU ns) between two readings. A thread that ended in between (a
    thread pool's idle worker) took its counts with it: it counts as idle, not as a
    negative; one that started counts from nothing."""
    switches = cpu = 0
    for task, (s1, c1) in after.items():
        s0, c0 = before.get(task, (0, 0))
        switches += s1 - s0
        cpu += c1 - c0
    return switches, cpu


def memory(pid):
    values = {}
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            key = line.split(":")[0]
            if key in ("RssAnon", "VmHWM"):
                values[key] = int(line.split()[1]) / 1024.0
    return values


def future_target(desk, days=3.5):
    now = datetime.datetime.now()
    value = (now - datetime.datetime(1899, 12, 30)).total_seconds() / 86400.0 + days
    data = " ".join("%02x" % b for b in struct.pack("<d", value))
    subprocess.run([TOOL, "set", "Software\\Korvane5\\0", "CustomDateTime", "--binary", data],
                   env=desk.env, check=True, capture_output=True)


def window(desk, pid):
    for _ in range(200):
        ids = desk.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)]).split()
        if ids:
            return ids[0]
        time.sleep(0.05)
    raise RuntimeError("no window")


def open_dialogs(desk, pid, win):
    """Opens the date/time dialog and the skin chooser once each, and closes them."""
    geometry = desk.run(["xdotool", "getwindowgeometry", win])
    x, y = map(int, re.search(r"Position: (\d+),(\d+)", geometry).groups())
    for key, title in (("d", "Choose Date/Time"), ("s", "Choose Skin")):
        subprocess.run(["xdotool", "mousemove", str(x + 40), str(y + 20), "click", "3"],
                       env=desk.env)
        time.sleep(0.6)
        subprocess.run(["xdotool", "key", key], env=desk.env)
        for _ in range(100):
            if desk.run(["xdotool", "search", "--onlyvisible", "--name", title]).split():
                break
            time.sleep(0.05)
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "Escape"], env=desk.env)
        time.sleep(0.8)


def measure(name, argv, prepare, dialogs, dpi=None):
    desk = Desktop(dpi)
    try:
        if prepare:
            prepare(desk)
        proc = subprocess.Popen(argv, env=desk.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        started = time.monotonic()
        win = window(desk, proc.pid)
        mapped = time.monotonic() - started
        # A clock started at log-on often runs all day without a dialog opened.
        time.sleep(3)
        before = {key + " before dialogs": value for key, value in memory(proc.pid).items()}
        if dialogs:
            open_dialogs(desk, proc.pid, win)
        time.sleep(10)
        before_span = counters(proc.pid)
        time.sleep(SPAN)
        switches, cpu = spent(before_span, counters(proc.pid))
        result = {"wakeups": switches * 60.0 / SPAN, "cpu_ms": cpu / 1e6 * 60.0 / SPAN,
                  "mapped_ms": mapped * 1000}
        result.update(memory(proc.pid))
        result.update(before)
        proc.terminate()
        proc.wait()
        return result
    finally:
        desk.close()


def alignment():
    """Milliseconds after the wall clock's second at which each repaint reaches the X
    socket (writes of a picture's size), over 20 seconds."""
    desk = Desktop()
    try:
        future_target(desk)
        proc = subprocess.Popen([CLOCK], env=desk.env, stderr=subprocess.DEVNULL)
        window(desk, proc.pid)
        time.sleep(3)
        trace = subprocess.run(["timeout", "20", "strace", "-f", "-ttt", "-e",
                                "trace=writev,sendmsg,write", "-p", str(proc.pid)],
                               capture_output=True, text=True).stderr
        proc.terminate()
        proc.wait()
        # A repaint is a burst of writes (the picture, or a shared-memory put and its
        # sync); the first write of each burst is when it left for the X server.
        times = sorted(float(m.group(1)) for m in
                       re.finditer(r"^(?:\[pid +\d+\] )?(\d+\.\d+) (?:writev|sendmsg|write)\(",
                                   trace, re.M))
        offsets, last = [], None
        for t in times:
            if last is None or t - last > 0.2:
                offsets.append((t % 1.0) * 1000)
            last = t
        return offsets
    finally:
        desk.close()


def instructions():
    """Instructions of one ordinary tick (the tick, its repaint and the flush), counted once
    the clock has run a minute: callgrind starts counting then, inside SecTimerTimer."""
    desk = Desktop()
    out = os.path.join(desk.tmp, "callgrind.out")
    try:
        future_target(desk)
        proc = subprocess.Popen(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out,
                                 "--instr-atstart=no", "--collect-atstart=no",
                                 "--compress-strings=no",
                                 "--toggle-collect=TMainForm::SecTimerTimer()", CLOCK],
                                env=desk.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        time.sleep(65)
        subprocess.run(["callgrind_control", "-i", "on", str(proc.pid)], capture_output=True)
        time.sleep(30)
        proc.send_signal(signal.SIGTERM)
        proc.wait()
        text = open(out).read()
        total = int(re.search(r"^totals: (\d+)", text, re.M).group(1))
        calls = sum(int(c) for c in re.findall(
            r"cfn=TMainForm::SecTimerTimer\(\)\ncalls=(\d+)", text))
        return total, calls
    finally:
        desk.close()


def startup(extra_skins, starts=11, dpi=None):
    """Median milliseconds from the start of the program to its window being managed
    (openbox lists it in _NET_CLIENT_LIST), for each count of skin folders added to the
    bundled ones in the user's skins folder; the counts take turns, so that a slower
    moment of the machine hits each of them alike."""
    desk = Desktop(dpi)
    try:
        future_target(desk)
        bundled = os.path.join(BUILD, "Skins", "Default")
        homes = {}
        for count in extra_skins:
            homes[count] = os.path.join(desk.tmp, "data-%d" % count)
            many = os.path.join(homes[count], "korvane5", "Skins", "Many")
            os.makedirs(many)
            for i in range(count):
                folder = os.path.join(many, "Skin %04d" % i)
                os.makedirs(folder)
                for name in os.listdir(bundled):
                    os.link(os.path.join(bundled, name), os.path.join(folder, name))
        times = {count: [] for count in extra_skins}
        for _ in range(starts):
            for count in extra_skins:
                env = dict(desk.env, XDG_DATA_HOME=homes[count])
                spy = subprocess.Popen(["xprop", "-spy", "-root", "_NET_CLIENT_LIST"],
                                       env=env, stdout=subprocess.PIPE, text=True)
                clients = spy.stdout.readline().count("0x")
                started = time.monotonic()
                proc = subprocess.Popen([CLOCK], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
                while spy.stdout.readline().count("0x") <= clients:
                    pass
                times[count].append((time.monotonic() - started) * 1000)
                spy.kill()
                spy.wait()
                proc.terminate()
                proc.wait()
                time.sleep(0.3)
        return [statistics.median(times[count]) for count in extra_skins]
    finally:
        desk.close()


def scales(dpis):
    """The clock's idle cost and start-up at each Xft.dpi (96: a scale of 1, 192: 2)."""
    runs = {dpi: [] for dpi in dpis}
    for _ in range(RUNS):
        for dpi in dpis:
            runs[dpi].append(measure("Korvane5", [CLOCK], future_target, True, dpi))
    print("medians of %d runs of %d s each" % (RUNS, SPAN))
    print("%-14s %11s %11s %11s %11s %11s %11s" % ("Xft.dpi", "wakeups/min", "CPU ms/min",
                                                   "RssAnon MiB", "VmHWM MiB", "mapped ms",
                                                   "start ms"))
    for dpi in dpis:
        r = {key: statistics.median(run[key] for run in runs[dpi]) for key in runs[dpi][0]}
        print("%-14s %11.1f %11.2f %11.2f %11.2f %11.0f %11.0f" % (
            dpi, r["wakeups"], r["cpu_ms"], r["RssAnon"], r["VmHWM"], r["mapped_ms"],
            startup((0,), dpi=dpi)[0]))


def main():
    if os.environ.get("KORVANE5_IDLE_DPIS"):
        scales([int(d) for d in os.environ["KORVANE5_IDLE_DPIS"].split(",")])
        return
    programs = [("Korvane5", [CLOCK], future_target, True),
                ("bare Qt window", [BARE], None, False),
                ("xclock -digital -update 1", ["xclock", "-digital", "-update", "1"], None,
                 False)]
    runs = {name: [] for name, *_ in programs}
    for _ in range(RUNS):  # interleaved, so that a busy moment of the machine hits all three
        for name, argv, prepare, dialogs in programs:
            runs[name].append(measure(name, argv, prepare, dialogs))
    results = {name: {key: statistics.median(r[key] for r in rs) for key in rs[0]}
               for name, rs in runs.items()}
    bare = results["bare Qt window"]
    print("medians of %d runs of %d s each" % (RUNS, SPAN))
    print("%-28s %11s %11s %11s %11s %11s" % ("", "wakeups/min", "CPU ms/min", "RssAnon MiB",
                                              "VmHWM MiB", "mapped ms"))
    for name, r in results.items():
        print("%-28s %11.1f %11.2f %11.2f %11.2f %11.0f" % (
            name, r["wakeups"], r["cpu_ms"], r["RssAnon"], r["VmHWM"], r["mapped_ms"]))
    print("%-28s %11s %11s %11.2f %11.2f   (before any dialog)" % (
        "Korvane5", "", "", results["Korvane5"]["RssAnon before dialogs"],
        results["Korvane5"]["VmHWM before dialogs"]))
    k = results["Korvane5"]
    print("Korvane5 / bare: wake-ups %.2f, CPU %.2f, RssAnon %.2f, VmHWM %.2f" % (
        k["wakeups"] / bare["wakeups"], k["cpu_ms"] / bare["cpu_ms"],
        k["RssAnon"] / bare["RssAnon"], k["VmHWM"] / bare["VmHWM"]))
    offsets = alignment()
    if offsets:
        print("repaint after the wall clock's second: median %.1f ms, min %.1f, max %.1f "
              "(%d repaints)" % (statistics.median(offsets), min(offsets), max(offsets),
                                 len(offsets)))
    total, calls = instructions()
    if calls:
        print("instructions per tick (callgrind, %d ticks): %d" % (calls, total // calls))
    few, many = startup((0, 2000))
    print("start to managed window: bundled skins %.0f ms, 2000 more %.0f ms (%.2f x)" % (
        few, many, many / few))
    with open("/proc/loadavg") as f:
        print("load average at the end:", " ".join(f.read().split()[:3]))


if __name__ == "__main__":
    main()
