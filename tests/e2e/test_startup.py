"""The real clock on a virtual desktop: a borderless, centred window without a task-bar
entry that counts down, and a clean exit on SIGTERM."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402


class Startup(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)

    def test_borderless_window_without_taskbar_entry(self):
        clock = self.desk.start_clock(3)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win, "no mapped window named Korvane5")
        state = self.desk.prop(win, "_NET_WM_STATE")
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", state)
        frame = self.desk.prop(win, "_NET_FRAME_EXTENTS")
        self.assertIn("= 0, 0, 0, 0", frame, "the window manager drew a frame")
        x, y, w, h = self.desk.geometry(win)
        self.assertEqual((w, h), (250, 90))
        self.assertEqual((x, y), ((1024 - 250) // 2, (768 - 90) // 2), "not centred")
        self.assertEqual(harness.stop_clock(clock), 0)

    def test_seconds_field_counts_down(self):
        self.desk.settings("set", "Software\\Korvane5\\3", "CustomDateTime",
                           "--binary", harness.moment(3.5))
        clock = self.desk.start_clock(3)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        harness.wait_for(lambda: False, timeout=0.5)
        first = self.desk.screenshot(win, "first")
        harness.wait_for(lambda: False, timeout=1.5)
        second = self.desk.screenshot(win, "second")
        seconds_field = (196, 29, 52, 46)
        days_field = (78, 29, 40, 46)  # left of where the hours field overlaps it
        self.assertGreater(self.desk.differing_pixels(first, second, seconds_field), 20)
        self.assertEqual(self.desk.differing_pixels(first, second, days_field), 0)
        self.assertEqual(harness.stop_clock(clock), 0)

    def test_exit_status_is_zero_on_sigterm_and_sigint(self):
        for sig in ("TERM", "INT", "HUP"):
            clock = self.desk.start_clock()
            self.assertIsNotNone(self.desk.find_window("Korvane5", pid=clock.pid))
            clock.send_signal(getattr(__import__("signal"), "SIG" + sig))
            self.assertEqual(clock.wait(10), 0, sig)


class NoDisplay(unittest.TestCase):
    def test_one_line_and_exit_code_zero_without_an_x_display(self):
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        for display in (None, ":4242"):  # unset, and a server that does not answer
            if display is None:
                env.pop("DISPLAY", None)
            else:
                env["DISPLAY"] = display
            result = subprocess.run([harness.BINARY, "2"], env=env, capture_output=True,
                                    text=True, timeout=20)
            self.assertEqual(result.returncode, 0, result.stderr)
            lines = result.stderr.splitlines()
            self.assertEqual(len(lines), 1, result.stderr)
            self.assertIn("X11 display", lines[0])
            self.assertIn(display or "DISPLAY is not set", lines[0])


if __name__ == "__main__":
    harness.main()
