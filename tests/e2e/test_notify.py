# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock tells its user, through the desktop's notification service (a real one,
Debian's dunst, on a session bus of the test's own): once when a countdown ends, once on a
first start; never for a target passed before the start, nor with NotifyAtEnd 0; and
without a server it goes on ticking and ends at once. A screen reader hears the window's
name and the time left; --help and --version answer without a display."""

import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

KEY = "Software\\Korvane5\\0"
HINT = "Right-click the clock to choose the moment to count down to."


class Notifications(unittest.TestCase):
    def setUp(self):
        for tool in ("dbus-daemon", "dbus-monitor", "dunst"):
            if not shutil.which(tool):
                self.skipTest(tool + " is not installed")
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)

    def ended(self, epoch):
        return subprocess.run([harness.PROBE, "ended", repr(epoch)], env=self.desk.env,
                              capture_output=True, text=True, check=True).stdout.strip()

    def run_clock(self, seconds):
        clock = self.desk.start_clock(0)
        self.assertIsNotNone(self.desk.find_window("Korvane5", pid=clock.pid))
        time.sleep(seconds)
        self.assertEqual(harness.stop_clock(clock), 0)

    def test_a_countdown_that_ends_is_notified_once_within_a_second(self):
        self.desk.start_bus()
        calls = self.desk.monitor_notifications()
        # Halfway between two of the clock's ticks (on the wall clock's seconds), so a
        # machine's scheduling cannot tip it over the second.
        target = int(time.time()) + 3.5
        self.desk.settings("set", KEY, "CustomDateTime", "--binary",
                           harness.moment((target - time.time()) / 86400))
        self.run_clock(6)
        got = calls()
        self.assertEqual(len(got), 1, got)
        stamp, strings = got[0]
        self.assertEqual(strings[:4], ["Korvane5", "korvane5", "Clock 1", self.ended(target)])
        self.assertLess(abs(stamp - target), 1.0)

    def test_nothing_for_a_passed_target_or_with_notify_at_end_off(self):
        self.desk.start_bus()
        calls = self.desk.monitor_notifications()
        self.desk.settings("set", KEY, "CustomDateTime", "--binary", harness.moment(-1))
        self.run_clock(3)
        self.desk.settings("set", KEY, "CustomDateTime", "--binary", harness.moment(2.0 / 86400))
        self.desk.settings("set", KEY, "NotifyAtEnd", "--dword", "0")
        self.run_clock(4)
        self.assertEqual(calls(), [])

    def test_a_first_start_explains_itself_once(self):
        self.desk.start_bus()
        calls = self.desk.monitor_notifications()
        self.run_clock(2)
        self.run_clock(2)
        self.assertEqual([strings[2:4] for _, strings in calls()], [["Clock 1", HINT]])

    def test_without_a_notification_server_the_clock_ticks_on_and_ends_at_once(self):
        self.desk.start_bus(services=False)
        self.desk.settings("set", KEY, "CustomDateTime", "--binary", harness.moment(2.5 / 86400))
        clock = self.desk.start_clock(0)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        first = self.desk.screenshot(win, "first")  # 2 or 1 seconds left
        time.sleep(3.5)  # the end passed, and its message found no server
        second = self.desk.screenshot(win, "second")  # 0 0 0 0
        self.assertGreater(self.desk.differing_pixels(first, second, (196, 29, 52, 46)), 0)
        started = time.monotonic()
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertLess(time.monotonic() - started, 2.0)

    def test_a_screen_reader_hears_the_name_and_the_time_left(self):
        if not os.path.exists("/usr/bin/python3") or subprocess.run(
                ["/usr/bin/python3", "-c", "import pyatspi"]).returncode != 0:
            self.skipTest("pyatspi is not installed")
        self.desk.start_bus()
        self.desk.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        left = 2 + 5 / 24.0 + 7 / 1440.0 + 30 / 86400.0
        self.desk.settings("set", KEY, "CustomDateTime", "--binary", harness.moment(left))
        clock = self.desk.start_clock(0)
        self.assertIsNotNone(self.desk.find_window("Korvane5", pid=clock.pid))
        heard = harness.wait_for(lambda: "Korvane5, Clock 1\t2 days, 5 hours and 7 minutes left"
                                 in subprocess.run(
                                     ["/usr/bin/python3", os.path.join(os.path.dirname(__file__),
                                                                       "atspi.py"),
                                      str(clock.pid)], env=self.desk.env, capture_output=True,
                                     text=True).stdout, timeout=15, step=0.5)
        self.assertTrue(heard)
        self.assertEqual(harness.stop_clock(clock), 0)


class CommandLine(unittest.TestCase):
    def test_help_and_version_answer_without_a_display(self):
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        env.pop("DISPLAY", None)
        for program, argument, expected in (
                (harness.BINARY, "--help", "usage: korvane5 [CLOCK]"),
                (harness.BINARY, "-h", "usage: korvane5 [CLOCK]"),
                (harness.BINARY, "--version", "korvane5 1.0.0\n"),
                (harness.SETTINGS_TOOL, "--help", "usage: korvane5-settings export"),
                (harness.SETTINGS_TOOL, "--version", "korvane5-settings 1.0.0\n")):
            result = subprocess.run([program, argument], env=env, capture_output=True, text=True,
                                    timeout=20)
            self.assertEqual(result.returncode, 0, (argument, result.stderr))
            self.assertTrue(result.stdout.startswith(expected), (argument, result.stdout))


if __name__ == "__main__":
    harness.main()
