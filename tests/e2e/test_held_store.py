# SPDX-License-Identifier: GPL-3.0-or-later
"""What the user sets survives another program that holds the settings store, in the
orders of events that once lost it: a rotation mark, a wrongly typed value read late, a
switch of clock and an exit while the store is held; a read-only store is no matter for a
command that changes nothing; a session bus that never answers keeps no window waiting;
a start-up entry that cannot be written is said. Each row runs on a desktop of its own,
more than once."""

import os
import shutil
import signal
import socket
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

KEY = "Software\\Korvane5\\0"
ATSPI = os.path.join(os.path.dirname(__file__), "atspi.py")
RUNS = 2


class HeldStore(unittest.TestCase):
    def hold(self, seconds, whole=True):
        holder = self.desk.hold_store(seconds, whole)
        self.addCleanup(holder.stdout.close)
        return holder

    def get(self, key, name):
        out = subprocess.run([harness.SETTINGS_TOOL, "get", key, name], env=self.desk.env,
                             capture_output=True, text=True)
        return out.stdout.strip() if out.returncode == 0 else None

    def set_values(self, **values):
        for name, value in values.items():
            kind = "--string" if isinstance(value, str) else "--dword"
            self.desk.settings("set", KEY, name, kind, str(value))

    def start(self, *args):
        clock = self.desk.start_clock(*args)
        self.addCleanup(clock.kill)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win, "no window")
        return clock, win

    def log(self, index=0):
        with open(os.path.join(self.desk.tmp, "clock-%d.log" % index)) as f:
            return f.read()

    def message_box(self, clock, win):
        """The window of a message box the clock shows, besides the clock."""
        return harness.wait_for(
            lambda: next((w for w in self.desk.windows(clock.pid) if w != win), None),
            timeout=10)

    def answer(self, box):
        """Presses the box's only button, with the mouse (a key sent to the box can stop
        later boxes from showing)."""
        x, y, w, h = self.desk.geometry(box)
        self.desk.xdotool("mousemove", x + w - 50, y + h - 24, "click", "1")

    # The rows ---------------------------------------------------------------------------

    def rotation_mark_while_held_keeps_the_stored_set(self):
        if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                          capture_output=True).returncode != 0:
            self.skipTest("pyatspi is not installed")
        self.desk.start_bus()
        self.desk.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        subprocess.run(["/usr/bin/python3", ATSPI, "0"], env=self.desk.env,
                       capture_output=True)  # the accessibility bus runs before the clock
        self.desk.settings("set", KEY + "\\Skins", "Current", "--string", "Default")
        stored = ["Classic\\Paper", "Digital\\LCD", "Seasons\\Summer"]
        for name in stored:
            self.desk.settings("set", KEY + "\\Skins\\Random", name, "--string", "")
        holder = self.hold(10)
        clock, win = self.start(0)
        self.desk.menu_command(win, clock.pid, "s")
        self.assertIsNotNone(self.desk.find_window("Choose Skin", pid=clock.pid))

        def extents():
            out = subprocess.run(["/usr/bin/python3", ATSPI, str(clock.pid), "--extents",
                                  "Default"], env=self.desk.env, capture_output=True,
                                 text=True).stdout.split()
            return [int(v) for v in out] if len(out) == 4 else None
        box = harness.wait_for(extents, timeout=10)
        self.assertIsNotNone(box, "the chooser's entry is not readable")
        x, y, _, h = box
        self.desk.xdotool("mousemove", x + 6, y + h // 2, "click", "1")
        time.sleep(0.5)
        self.desk.xdotool("key", "Return")  # OK
        self.assertTrue(harness.wait_for(
            lambda: not self.desk.find_window("Choose Skin", pid=clock.pid, timeout=0.2),
            timeout=5), "the chooser did not close")
        holder.wait()
        harness.wait_for(lambda: False, timeout=2.5)  # the retry reads and writes
        self.assertEqual(harness.stop_clock(clock), 0)
        names = self.desk.settings("export", KEY + "\\Skins\\Random")
        for name in stored + ["Default"]:
            self.assertIn('"%s"=""' % name.replace("\\", "\\\\"), names)

    def wrong_type_read_late_ends_as_at_start_up(self):
        self.set_values(Left=100, Top=100, Opacity=102, AlwaysOnTop=1, RandomTime="abc")
        before = self.desk.settings("export", KEY)
        holder = self.hold(5)
        clock, win = self.start(0)
        holder.wait()
        box = self.message_box(clock, win)
        self.assertIsNotNone(box, "no message about the value")
        self.answer(box)
        self.assertEqual(clock.wait(10), 0)
        self.assertEqual(self.desk.settings("export", KEY), before)

    def change_before_a_switch_while_held_lands_later(self):
        self.set_values(Left=100, Top=100)
        clock, win = self.start(0)
        self.desk.menu_command(win, clock.pid, "l")  # Always On Top
        holder = self.hold(6, whole=False)
        self.desk.menu_command(win, clock.pid, "c")  # Select Clock
        self.desk.xdotool("key", "Down", "Down", "Return")  # Clock 3
        self.assertIsNone(self.get(KEY, "AlwaysOnTop"))
        holder.wait()
        self.assertTrue(harness.wait_for(
            lambda: "dword:00000001" in (self.get(KEY, "AlwaysOnTop") or ""), timeout=5),
            "clock 1's change never landed")
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertIsNotNone(self.get("Software\\Korvane5\\2", "Left"))

    def change_at_exit_while_held_is_said(self):
        self.set_values(Left=100, Top=100)
        clock, win = self.start(0)
        self.desk.menu_command(win, clock.pid, "c")
        self.desk.xdotool("key", "Return")  # Clock 1 again: a save
        self.assertTrue(harness.wait_for(lambda: self.get(KEY, "AlwaysOnTop"), timeout=5))
        holder = self.hold(10, whole=False)
        self.desk.menu_command(win, clock.pid, "l")
        started = time.monotonic()
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertLess(time.monotonic() - started, 4)
        lines = [line for line in self.log().splitlines() if "not kept" in line]
        self.assertEqual(len(lines), 1, self.log())
        self.assertIn("AlwaysOnTop", lines[0])
        holder.send_signal(signal.SIGTERM)
        holder.wait()
        self.assertIn("dword:00000000", self.get(KEY, "AlwaysOnTop"))

    def reading_a_read_only_store_says_nothing(self):
        if os.geteuid() != 0 or not shutil.which("mount"):
            self.skipTest("mounting needs root")
        mount = os.path.join(self.desk.tmp, "ro")
        os.makedirs(mount)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", mount],
                          capture_output=True).returncode != 0:
            self.skipTest("this machine does not allow mounting")
        # Unmounted before the desktop's folder is removed, so nothing is left behind.
        try:
            self.desk.env["XDG_CONFIG_HOME"] = mount
            self.set_values(Left=123)
            subprocess.run(["mount", "-o", "remount,ro", mount], check=True)
            for args, status in ((["get", KEY, "Left"], 0), (["export"], 0),
                                 (["set", KEY, "Left", "--dword", "1"], 1)):
                out = subprocess.run([harness.SETTINGS_TOOL] + args, env=self.desk.env,
                                     capture_output=True, text=True)
                self.assertEqual(out.returncode, status, args)
                self.assertEqual(bool(out.stderr), status != 0, "%s: %s" % (args, out.stderr))
        finally:
            subprocess.run(["umount", "-l", mount])

    def silent_session_bus_keeps_no_window_waiting(self):
        path = os.path.join(self.desk.tmp, "silent-bus")
        silent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.addCleanup(silent.close)
        silent.bind(path)
        silent.listen(8)
        self.desk.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + path
        self.set_values(Left=100, Top=100)
        started = time.monotonic()
        clock, win = self.start(0)
        self.assertLess(time.monotonic() - started, 2.5, "the window waited for the bus")
        self.desk.menu_command(win, clock.pid, "l")
        self.assertTrue(harness.wait_for(
            lambda: "_NET_WM_STATE_ABOVE" in self.desk.prop(win, "_NET_WM_STATE"), timeout=5))
        started = time.monotonic()
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertLess(time.monotonic() - started, 2.5, "the end waited for the bus")
        self.assertIn("dword:00000001", self.get(KEY, "AlwaysOnTop"))

    def start_up_entry_that_cannot_be_written_is_said_once(self):
        self.set_values(Left=100, Top=100)
        with open(os.path.join(self.desk.config, "autostart"), "w") as f:
            f.write("not a folder")
        clock, win = self.start(0)
        self.desk.menu_command(win, clock.pid, "r")  # Run This Clock At Startup
        self.desk.menu_command(win, clock.pid, "c")
        self.desk.xdotool("key", "Return")  # a save
        box = self.message_box(clock, win)
        self.assertIsNotNone(box, "nothing said of the start-up entry")
        self.answer(box)
        self.assertTrue(harness.wait_for(lambda: len(self.desk.windows(clock.pid)) == 1))
        self.desk.menu_command(win, clock.pid, "c")
        self.desk.xdotool("key", "Return")  # another save: nothing said again
        self.assertIsNone(harness.wait_for(lambda: len(self.desk.windows(clock.pid)) > 1,
                                           timeout=2))
        self.assertEqual(harness.stop_clock(clock), 0)

    ROWS = (rotation_mark_while_held_keeps_the_stored_set,
            wrong_type_read_late_ends_as_at_start_up,
            change_before_a_switch_while_held_lands_later,
            change_at_exit_while_held_is_said,
            reading_a_read_only_store_says_nothing,
            silent_session_bus_keeps_no_window_waiting,
            start_up_entry_that_cannot_be_written_is_said_once)

    def test_every_row(self):
        for row in self.ROWS:
            for run in range(RUNS):
                with self.subTest(row=row.__name__, run=run):
                    self.desk = harness.Desktop()
                    try:
                        row(self)
                    except unittest.SkipTest as skip:
                        print("%s skipped: %s" % (row.__name__, skip))
                    finally:
                        self.desk.close()


if __name__ == "__main__":
    harness.main()
