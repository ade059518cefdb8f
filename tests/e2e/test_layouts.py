# SPDX-License-Identifier: GPL-3.0-or-later
"""Monitor layouts and clicks that pass through, on a real desktop.

A laptop's screen A (1280 x 800) and a monitor B (1920 x 1080) to its right are RandR
monitors on one Xvfb screen, plugged in and out with xrandr while clocks run or not: the
clock keeps its place on each layout, and goes back to it when the layout comes back. With
Let Clicks Through the mouse reaches the window below the clock; the tray menu turns it off,
and a tray that goes away turns it off by itself."""

import os
import re
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402
import test_tray  # noqa: E402

KEY = "Software\\Korvane5\\0"
LAPTOP = "A 1280/338x800/211+0+0 screen"
MONITOR = "B 1920/508x1080/286+1280+0 none"
# Where the guard centres a 250 x 90 window on A at a scale of 1.
CENTRED = (515, 355)


class Layouts(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop(3200, 1080)
        self.addCleanup(self.desk.close)
        self.monitor("--setmonitor", LAPTOP)

    def monitor(self, *args):
        argv = ["xrandr"]
        for arg in args:
            argv += arg.split()
        self.desk.run(argv, check=True)

    def dock(self):
        self.monitor("--setmonitor", MONITOR)

    def undock(self):
        self.monitor("--delmonitor", "B")

    def start(self):
        clock = self.desk.start_clock(0)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win, "the clock window did not appear")
        return clock, win

    def where(self, win):
        return self.desk.geometry(win)[:2]

    def expect_at(self, win, place, why):
        self.assertTrue(harness.wait_for(lambda: self.where(win) == place, timeout=5),
                        "%s: the clock is at %s, not %s" % (why, self.where(win), place))

    def test_each_layout_keeps_its_place(self):
        # (name, scale factors per monitor, the place on B, the window's size on A)
        rows = [
            ("B at twice the scale", "A=1;B=2", (1500, 100), (250, 90)),
            ("at one scale", "", (1500, 100), (250, 90)),
        ]
        for name, scales, place, size in rows:
            with self.subTest(name):
                self.desk.run([harness.SETTINGS_TOOL, "delete", KEY])  # none the first time
                if scales:
                    self.desk.env["QT_SCREEN_SCALE_FACTORS"] = scales
                else:
                    self.desk.env.pop("QT_SCREEN_SCALE_FACTORS", None)
                centred = ((1280 - size[0]) // 2, (800 - size[1]) // 2)
                left_top = ("Left", "--dword", str(place[0])), ("Top", "--dword", str(place[1]))

                # An older store's place on a monitor not plugged in: the guard centres it.
                for value in left_top:
                    self.desk.settings("set", KEY, *value)
                clock, win = self.start()
                self.expect_at(win, centred, "started undocked with a place on B")
                self.assertEqual(harness.stop_clock(clock), 0)

                # Docked, the place set by hand: the clock goes there.
                self.dock()
                for value in left_top:
                    self.desk.settings("set", KEY, *value)
                clock, win = self.start()
                self.expect_at(win, place, "started docked")
                # Undocked and docked while it runs: each layout's own place.
                self.undock()
                self.expect_at(win, centred, "undocked while running")
                self.dock()
                self.expect_at(win, place, "docked again while running")
                self.assertEqual(harness.stop_clock(clock), 0)
                self.assertEqual(self.desk.stored_position(0), place)

                # Started undocked: the laptop's place, and its exit keeps B's.
                self.undock()
                clock, win = self.start()
                self.expect_at(win, centred, "started undocked")
                self.assertEqual(harness.stop_clock(clock), 0)
                self.assertEqual(self.desk.stored_position(0), centred)

                # Docked again: the first place.
                self.dock()
                clock, win = self.start()
                self.expect_at(win, place, "started docked again")
                # A monitor never seen in B's place: the laptop screen's own place.
                self.monitor("--delmonitor", "B", "--setmonitor", "C 640/169x480/127+1280+0 none")
                self.expect_at(win, centred, "a monitor never seen")
                self.assertEqual(harness.stop_clock(clock), 0)
                self.monitor("--delmonitor", "C")

    def test_places_round_trip_through_export_and_import(self):
        self.dock()
        clock, win = self.start()
        self.assertEqual(harness.stop_clock(clock), 0)
        exported = self.desk.settings("export", KEY + "\\")
        self.assertIn('"Places"=', exported)
        path = os.path.join(self.desk.tmp, "clock.reg")
        with open(path, "w") as out:
            out.write(exported)
        self.desk.settings("delete", KEY)
        self.desk.settings("import", path)
        self.assertEqual(self.desk.settings("export", KEY + "\\"), exported)


class ClickThrough(unittest.TestCase):
    # The tray's own helpers: trayer started, and where the clock's icon docked in it.
    start_tray = test_tray.Tray.start_tray
    tray_panel = test_tray.Tray.tray_panel
    tree = test_tray.Tray.tree
    icons = test_tray.Tray.icons

    def setUp(self):
        for tool in ("trayer", "xev"):
            if not shutil.which(tool):
                self.skipTest(tool + " is not installed")
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.tray = None

    def below(self):
        """A window under the clock that logs the mouse buttons it gets."""
        log = open(os.path.join(self.desk.tmp, "xev.log"), "w")
        self.desk.logs.append(log)
        self.desk.start_logged(["xev", "-geometry", "600x400+0+0", "-event", "button"], log)
        self.assertTrue(harness.wait_for(lambda: self.presses() is not None and self.desk.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Event Tester$"]).strip()),
            "xev did not show")
        return log

    def presses(self):
        path = os.path.join(self.desk.tmp, "xev.log")
        if not os.path.exists(path):
            return None
        with open(path) as f:
            return re.findall(r"ButtonPress event.*?button (\d+)", f.read(), re.S)

    def tray_command(self, pid, key):
        icons = harness.wait_for(self.icons, timeout=5)
        self.assertTrue(icons, "the icon did not dock in the tray")
        x, y, w, h = icons[0]
        self.desk.xdotool("mousemove", x + w // 2, y + h // 2)
        for _ in range(4):
            self.desk.xdotool("click", "3")
            if harness.wait_for(lambda: self.desk.menus(pid), timeout=1.5):
                break
        else:
            self.fail("the tray menu did not open")
        for _ in range(3):
            self.desk.xdotool("key", key)
            if harness.wait_for(lambda: not self.desk.menus(pid), timeout=1.0):
                return
        self.fail("the tray menu did not take the key %s" % key)

    def click_clock(self, win, button, offset=0):
        x, y, _, _ = self.desk.geometry(win)
        self.desk.xdotool("mousemove", x + 60 + offset, y + 30)
        self.desk.xdotool("click", str(button))

    def test_clicks_reach_the_window_below_until_turned_off(self):
        self.below()
        self.start_tray()
        self.desk.settings("set", KEY, "Left", "--dword", "100")
        self.desk.settings("set", KEY, "Top", "--dword", "150")
        clock = self.desk.start_clock(0)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        before = len(self.presses())

        # On from the tray menu: clicks, a drag and a right click reach xev; no menu opens.
        self.tray_command(clock.pid, "e")
        place = self.desk.geometry(win)[:2]
        for button, offset in ((1, 0), (3, 40)):
            self.click_clock(win, button, offset)
        self.desk.xdotool("mousedown", "1")
        self.desk.xdotool("mousemove_relative", "40", "30")
        self.desk.xdotool("mouseup", "1")
        self.assertTrue(harness.wait_for(lambda: len(self.presses()) >= before + 3, timeout=5),
                        "the clicks did not reach the window below: %s" % self.presses())
        self.assertEqual(self.desk.menus(clock.pid), [], "the clock's menu opened")
        self.assertEqual(self.desk.geometry(win)[:2], place, "the clock was dragged")

        # Off again from the tray menu: the clock's own menu opens.
        self.tray_command(clock.pid, "e")
        before = len(self.presses())
        self.click_clock(win, 3)
        self.assertTrue(harness.wait_for(lambda: self.desk.menus(clock.pid), timeout=5),
                        "the clock's menu did not open")
        self.desk.xdotool("key", "Escape")
        harness.wait_for(lambda: not self.desk.menus(clock.pid), timeout=3)
        self.assertEqual(len(self.presses()), before)

        # On again, and the tray goes away: the clock takes clicks at once.
        self.tray_command(clock.pid, "e")
        for proc in self.desk.procs:
            if proc.args[0] == "trayer":
                proc.kill()
                proc.wait()
        self.assertTrue(harness.wait_for(lambda: self.tray_panel() is None), "trayer stayed")
        harness.wait_for(lambda: False, timeout=0.5)
        before = len(self.presses())
        self.click_clock(win, 3, 80)
        self.assertTrue(harness.wait_for(lambda: self.desk.menus(clock.pid), timeout=5),
                        "with the tray gone the clock still let clicks through")
        self.desk.xdotool("key", "Escape")
        self.assertEqual(len(self.presses()), before)
        self.assertEqual(harness.stop_clock(clock), 0)
        # What was left stored is off (0, or no value at all): the next start takes clicks.
        stored = subprocess.run([harness.SETTINGS_TOOL, "get", KEY, "ClickThrough"],
                                env=self.desk.env, capture_output=True, text=True).stdout
        self.assertIn(stored.strip(), ("", "dword:00000000"))


if __name__ == "__main__":
    harness.main()
