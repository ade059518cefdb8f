# SPDX-License-Identifier: GPL-3.0-or-later
"""A virtual X11 desktop for the end-to-end tests: Xvfb, a window manager, optionally a
system tray and a compositor, and the real clock binary with a private settings folder.

A test that cannot get an X server exits with status 77, which ctest reports as skipped.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

BUILD = os.environ.get("KORVANE5_BUILD") or os.path.join(
    os.path.dirname(__file__), "..", "..", "build-tests")
BINARY = os.path.join(BUILD, "korvane5")
SETTINGS_TOOL = os.path.join(BUILD, "korvane5-settings")
PROBE = os.path.join(BUILD, "tests", "korvane5-probe")
RENDER = os.path.join(BUILD, "tests", "korvane5-render")
SKIN_TOOL = os.path.join(BUILD, "korvane5-skin")

SKIP = 77


def wait_for(predicate, timeout=10.0, step=0.05):
    """Polls predicate until it returns something true; returns that, or None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


class Desktop:
    """Xvfb on a free display number with openbox; tear down with close()."""

    def __init__(self, width=1024, height=768):
        self.procs = []
        self.clocks = []
        self.logs = []
        self.tmp = tempfile.mkdtemp(prefix="korvane5-e2e-")
        self.config = os.path.join(self.tmp, "config")
        os.makedirs(self.config)
        if not shutil.which("Xvfb"):
            raise unittest.SkipTest("Xvfb is not installed")
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             "%dx%dx24" % (width, height), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.procs.append(xvfb)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            self.close()
            raise unittest.SkipTest("Xvfb could not start")
        self.display = ":" + number.decode()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.tmp,
            "QT_QPA_PLATFORM": "xcb",
            "ASAN_OPTIONS": "detect_leaks=0",
            # The web host on loopback, where nothing listens: the date/time dialog's
            # download asks nothing off the machine, not even a name server.
            "KORVANE5_HOST": "127.0.0.1:9",
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.start(["openbox", "--sm-disable"])
        if not wait_for(lambda: "_NET_SUPPORTING_WM_CHECK" in self.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"])):
            raise RuntimeError("openbox did not start")
        # openbox names itself before it is done starting; a window mapped in between can
        # be dropped. Ready is when it manages a window of its own accord.
        if subprocess.run([PROBE, "managed"], env=self.env).returncode != 0:
            raise RuntimeError("openbox manages no window")

    def start_bus(self, services=True):
        """A session bus of this desktop's own: with the system's services to activate
        (Debian's dunst for notifications, the accessibility bus), or with none, where no
        notification server can appear."""
        config = os.path.join(self.tmp, "bus.conf")
        with open(config, "w") as out:
            out.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration'
                      ' 1.0//EN" "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">'
                      '<busconfig><type>session</type><listen>unix:tmpdir=%s</listen>'
                      '<auth>EXTERNAL</auth>%s<policy context="default"><allow send_destination='
                      '"*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>'
                      '</busconfig>' % (self.tmp, "<standard_session_servicedirs/>"
                                        if services else ""))
        bus = subprocess.Popen(["dbus-daemon", "--config-file=" + config, "--nofork",
                                "--print-address=1"], env=self.env, stdout=subprocess.PIPE,
                               text=True)
        self.procs.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        return self.env["DBUS_SESSION_BUS_ADDRESS"]

    def monitor_notifications(self):
        """Records every Notify call on the bus; read() gives [(time, [strings])]."""
        log = open(os.path.join(self.tmp, "monitor.log"), "w")
        self.logs.append(log)
        self.start_logged(["dbus-monitor", "--address", self.env["DBUS_SESSION_BUS_ADDRESS"],
                           "type='method_call',interface='org.freedesktop.Notifications',"
                           "member='Notify'"], log)

        def read():
            calls = []
            with open(log.name) as f:
                for line in f:
                    line = line.strip()
                    if line.startswith("method call") and "member=Notify" in line:
                        stamp = float(line.split("time=")[1].split()[0])
                        calls.append((stamp, []))
                    elif line.startswith("string ") and calls:
                        calls[-1][1].append(line[len("string "):].strip('"'))
            return calls
        return read

    def start_logged(self, argv, log):
        proc = subprocess.Popen(argv, env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self.procs.append(proc)
        return proc

    def start(self, argv):
        proc = subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        return proc

    def run(self, argv, check=False):
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError("%s failed: %s" % (argv, result.stderr))
        return result.stdout

    def settings(self, *args):
        return subprocess.run([SETTINGS_TOOL] + list(args), env=self.env,
                              capture_output=True, text=True, check=True).stdout

    def hold_store(self, seconds, whole=True):
        """Another program holds the store: whole, as the sqlite3 shell in its exclusive
        locking mode does (possible only while no clock has it open), or for writing, as
        a long transaction does; returns the holder once it holds it."""
        take = ("db.execute('PRAGMA locking_mode=EXCLUSIVE')\n"
                "db.execute('BEGIN EXCLUSIVE')\n"
                "db.execute('COMMIT')\n") if whole else "db.execute('BEGIN IMMEDIATE')\n"
        script = ("import sqlite3, sys, time\n"
                  "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n" + take +
                  "print('held', flush=True)\n"
                  "time.sleep(float(sys.argv[2]))\n")
        path = os.path.join(self.config, "korvane5", "settings.db")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        holder = subprocess.Popen([sys.executable, "-c", script, path, str(seconds)],
                                  stdout=subprocess.PIPE, text=True)
        self.procs.append(holder)
        if holder.stdout.readline().strip() != "held":
            raise RuntimeError("the store could not be held")
        return holder

    def start_clock(self, *args):
        log = open(os.path.join(self.tmp, "clock-%d.log" % len(self.clocks)), "w")
        proc = subprocess.Popen([BINARY] + [str(a) for a in args], env=self.env,
                                stdout=log, stderr=subprocess.STDOUT)
        self.clocks.append(proc)
        self.logs.append(log)
        return proc

    # Windows -------------------------------------------------------------------------

    def find_window(self, name, pid=None, timeout=10.0):
        """The id of a mapped window whose title is exactly name."""
        def look():
            argv = ["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name]
            if pid is not None:
                argv[2:2] = ["--all", "--pid", str(pid)]
            ids = self.run(argv).split()
            return ids[0] if ids else None
        return wait_for(look, timeout)

    def windows(self, pid, name="Korvane5"):
        """The ids of every mapped window of the process whose title is exactly name."""
        return self.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                         "--name", "^%s$" % name]).split()

    def prop(self, window, name):
        return self.run(["xprop", "-id", str(window), name])

    def geometry(self, window):
        """(x, y, width, height) of the window on the screen."""
        info = self.run(["xwininfo", "-id", str(window)])
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def screenshot(self, window, name):
        path = os.path.join(self.tmp, name + ".png")
        subprocess.run([PROBE, "grab", str(window), path], env=self.env, check=True)
        return path

    def render(self, skin_folder, name, numbers=(0, 0, 0, 0), scale=1):
        """The window as the program's own code draws it offscreen with that skin, in the
        device pixels of that scale."""
        path = os.path.join(self.tmp, name + ".png")
        subprocess.run([RENDER, "--scale", str(scale), skin_folder, path] +
                       [str(n) for n in numbers],
                       env=dict(self.env, QT_QPA_PLATFORM="offscreen"), check=True,
                       capture_output=True)
        return path

    def differing_pixels(self, a, b, rect):
        out = subprocess.run([PROBE, "diff", a, b] + [str(v) for v in rect],
                             env=self.env, capture_output=True, text=True, check=True)
        return int(out.stdout)

    def xdotool(self, *args):
        return self.run(["xdotool"] + [str(a) for a in args], check=True)

    def menus(self, pid):
        """Mapped override-redirect windows of the clock larger than an icon: its menus."""
        ids = self.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                        "--class", "korvane5"]).split()
        menus = []
        for win in ids:
            info = self.run(["xwininfo", "-id", win])
            if "Override Redirect State: yes" in info:
                _, _, w, h = self.geometry(win)
                if w > 100 and h > 100:
                    menus.append(win)
        return menus

    def menu_command(self, win, pid, key):
        """Opens the clock's menu with a right click on its window and presses an access
        key; a key the menu did not take (it can lose the first) is pressed again."""
        x, y, _, _ = self.geometry(win)
        # A right click close in time and place to the one before can open nothing.
        for attempt in range(4):
            self.xdotool("mousemove", x + 40 + 9 * attempt, y + 20)
            self.xdotool("click", "3")
            if wait_for(lambda: self.menus(pid), timeout=1.5):
                break
        else:
            raise AssertionError("the menu did not open")
        before = len(self.menus(pid))
        for _ in range(3):
            self.xdotool("key", key)
            if wait_for(lambda: len(self.menus(pid)) != before, timeout=1.0):
                return
        raise AssertionError("the menu did not take the key %s" % key)

    def stored_position(self, clock):
        """The stored (Left, Top) of a clock, or None when it has none."""
        def value(name):
            out = subprocess.run([SETTINGS_TOOL, "get", "Software\\Korvane5\\%d" % clock, name],
                                 env=self.env, capture_output=True, text=True)
            if out.returncode != 0:
                return None
            raw = int(out.stdout.strip().split(":")[1], 16)
            return raw - (1 << 32) if raw & (1 << 31) else raw
        left, top = value("Left"), value("Top")
        return None if left is None or top is None else (left, top)

    def close(self):
        for proc in self.clocks:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        for log in self.logs:
            log.close()
        shutil.rmtree(self.tmp, ignore_errors=True)


def stop_clock(proc, timeout=10.0):
    """Ends a clock with SIGTERM, as a session end does; returns its exit status."""
    proc.send_signal(signal.SIGTERM)
    return proc.wait(timeout)


def main():
    """Runs the calling module's tests; 77 when every test was skipped."""
    program = unittest.main(exit=False, verbosity=2)
    result = program.result
    if not result.wasSuccessful():
        sys.exit(1)
    if result.testsRun and len(result.skipped) == result.testsRun:
        sys.exit(SKIP)
    sys.exit(0)


def write_png(path, width, height, pixel):
    """An 8-bit RGB PNG whose pixel(x, y) gives (red, green, blue)."""
    import struct
    import zlib
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y))
                    for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" +
                  chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def write_bmp(path, width, height, pixel):
    """A 24-bit Windows bitmap whose pixel(x, y) gives (red, green, blue)."""
    import struct
    stride = (width * 3 + 3) // 4 * 4
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + b"\0" * (stride - width * 3)
    header = b"BM" + struct.pack("<IHHI", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + rows)


def moment(days_from_now):
    """A local date-time value (days since 30 December 1899) some days from now, as the
    8 bytes the store keeps, in the settings tool's hex form."""
    import datetime
    import struct
    now = datetime.datetime.now()
    epoch = datetime.datetime(1899, 12, 30)
    value = (now - epoch).total_seconds() / 86400.0 + days_from_now
    return " ".join("%02x" % b for b in struct.pack("<d", value))
