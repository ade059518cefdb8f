# SPDX-License-Identifier: GPL-3.0-or-later
"""The real clock on a virtual desktop: a borderless, centred window without a task-bar
entry that counts down, and a clean exit on SIGTERM."""

import os
import shutil
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
        # Its own pictures are read by Qt's built-in readers: no image-format plugin is
        # loaded only to be asked whether it knows them.
        with open("/proc/%d/maps" % clock.pid) as maps:
            self.assertNotIn("/imageformats/", maps.read())
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

    def test_qt_options_are_ordinary_arguments(self):
        for argv in (["-platform", "3"], ["-reverse", "3"]):
            self.desk.run([harness.SETTINGS_TOOL, "delete", "Software\\Korvane5\\0"])
            clock = self.desk.start_clock(*argv)
            self.assertIsNotNone(self.desk.find_window("Korvane5", pid=clock.pid), argv)
            self.assertEqual(harness.stop_clock(clock), 0)
            self.assertIsNotNone(self.desk.stored_position(0), "%s did not start clock 0" % argv)
            self.assertIsNone(self.desk.stored_position(3), argv)

    def test_a_signal_ends_the_program_from_a_start_up_message_box(self):
        # The damaged-store notice, shown after the clock; then "Error searching for
        # skins.", shown before it by a program without skins beside it.
        store = os.path.join(self.desk.config, "korvane5")
        os.makedirs(store)
        with open(os.path.join(store, "settings.db"), "w") as damaged:
            damaged.write("not a database\n" * 100)
        lonely = os.path.join(self.desk.tmp, "lonely")
        os.makedirs(lonely)
        shutil.copy(harness.BINARY, lonely)
        for binary, windows in ((harness.BINARY, 2), (os.path.join(lonely, "korvane5"), 1)):
            clock = subprocess.Popen([binary], env=self.desk.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            self.desk.clocks.append(clock)
            shown = harness.wait_for(lambda: len(self.desk.windows(clock.pid)) >= windows)
            self.assertTrue(shown, "%s: no message box" % binary)
            self.assertEqual(harness.stop_clock(clock, timeout=10), 0, binary)
        self.assertIsNotNone(self.desk.stored_position(0), "the close path did not save")


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


class ReadOnlyStore(unittest.TestCase):
    """A store on a file system mounted read-only is read, by the clock and by the tool."""

    def setUp(self):
        if os.geteuid() != 0 or not shutil.which("mount"):
            self.skipTest("mounting needs root")
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.mount = os.path.join(self.desk.tmp, "ro")
        os.makedirs(self.mount)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", self.mount],
                          capture_output=True).returncode != 0:
            self.skipTest("this machine does not allow mounting")
        self.addCleanup(subprocess.run, ["umount", "-l", self.mount])
        self.desk.env["XDG_CONFIG_HOME"] = self.mount

    def test_stored_settings_are_shown_and_a_change_is_refused(self):
        key = "Software\\Korvane5\\0"
        self.desk.settings("set", key, "Left", "--dword", "123")
        self.desk.settings("set", key, "Top", "--dword", "45")
        subprocess.run(["mount", "-o", "remount,ro", self.mount], check=True)
        clock = self.desk.start_clock()
        # The clock, and once the message that what is changed is not kept.
        windows = harness.wait_for(
            lambda: len(found := self.desk.windows(clock.pid)) == 2 and found)
        self.assertIsNotNone(windows, "no message that the store can only be read")
        sizes = {w: self.desk.geometry(w) for w in windows}
        win = next(w for w, g in sizes.items() if g[2:] == (250, 90))
        self.assertEqual(self.desk.geometry(win)[:2], (123, 45))
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertIn("dword:0000007b", self.desk.settings("get", key, "Left"))
        self.assertIn("[HKEY_CURRENT_USER\\Software\\Korvane5\\0]",
                      self.desk.settings("export"))
        refused = subprocess.run([harness.SETTINGS_TOOL, "set", key, "Left", "--dword", "1"],
                                 env=self.desk.env, capture_output=True, text=True)
        self.assertEqual(refused.returncode, 1)
        self.assertIn("can only be read", refused.stderr)


if __name__ == "__main__":
    harness.main()
