# SPDX-License-Identifier: GPL-3.0-or-later
"""The tray icon on a real desktop with an XEmbed system tray (trayer): the icon docks, a
right click on it opens the clock's menu on the release, Hide Tray Icon takes it away and
brings it back, a stored hidden icon stays away, and a clock started before any tray gets
its icon when a tray comes up."""

import os
import re
import shutil
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402


class Tray(unittest.TestCase):
    def setUp(self):
        if not shutil.which("trayer"):
            self.skipTest("trayer is not installed")
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)

    def start_tray(self):
        self.desk.start(["trayer", "--edge", "bottom", "--align", "right",
                         "--widthtype", "request", "--height", "24"])
        self.assertTrue(harness.wait_for(lambda: self.tray_panel() is not None),
                        "trayer did not start")

    def tree(self):
        return self.desk.run(["xwininfo", "-root", "-tree"]).splitlines()

    def tray_panel(self):
        for line in self.tree():
            if '("panel" "trayer")' in line:
                return line
        return None

    def icons(self):
        """(x, y, width, height) of each of the clock's windows docked in the tray."""
        found, depth = [], None
        for line in self.tree():
            indent = len(line) - len(line.lstrip())
            if depth is None:
                if '("panel" "trayer")' in line:
                    depth = indent
                continue
            if line.strip() and indent <= depth:
                break
            m = re.search(r'"Korvane5": \("korvane5" "Korvane5"\)\s+(\d+)x(\d+)\S*\s+'
                          r'\+(-?\d+)\+(-?\d+)', line)
            if m:
                w, h, x, y = (int(v) for v in m.groups())
                found.append((x, y, w, h))
        return found

    def start_clock_window(self, *args):
        clock = self.desk.start_clock(*args)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win, "the clock window did not appear")
        return clock, win

    def test_right_release_opens_the_menu_and_hide_toggles_the_icon(self):
        self.start_tray()
        clock, win = self.start_clock_window()
        icons = harness.wait_for(self.icons)
        self.assertTrue(icons, "the icon did not dock in the tray")
        x, y, w, h = icons[0]
        self.desk.xdotool("mousemove", x + w // 2, y + h // 2)

        # Left and middle clicks do nothing; the right button acts on its release.
        self.desk.xdotool("click", "1")
        self.desk.xdotool("click", "2")
        self.desk.xdotool("mousedown", "3")
        harness.wait_for(lambda: False, timeout=0.5)
        self.assertEqual(self.desk.menus(clock.pid), [], "a menu opened before the release")
        self.desk.xdotool("mouseup", "3")
        self.assertTrue(harness.wait_for(lambda: self.desk.menus(clock.pid), timeout=5),
                        "releasing the right button opened no menu")

        # "&Hide Tray Icon" by its access key takes the icon away; the clock stays.
        self.desk.xdotool("key", "h")
        self.assertTrue(harness.wait_for(lambda: not self.icons(), timeout=5),
                        "the icon stayed in the tray")
        self.assertIsNotNone(self.desk.find_window("Korvane5", pid=clock.pid, timeout=2))

        # Chosen again from the clock's own menu, it comes back.
        cx, cy, _, _ = self.desk.geometry(win)
        self.desk.xdotool("mousemove", cx + 40, cy + 20)
        self.desk.xdotool("click", "3")
        harness.wait_for(lambda: False, timeout=0.5)
        self.desk.xdotool("key", "h")
        self.assertTrue(harness.wait_for(self.icons, timeout=5), "the icon did not come back")

        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertTrue(harness.wait_for(lambda: not self.icons(), timeout=5),
                        "the icon outlived the clock")

    def test_stored_hidden_icon_stays_away(self):
        self.desk.settings("set", "Software\\Korvane5\\2", "HideTray", "--dword", "1")
        self.start_tray()
        clock, _ = self.start_clock_window(2)
        harness.wait_for(lambda: False, timeout=1.5)
        self.assertEqual(self.icons(), [])
        self.assertEqual(harness.stop_clock(clock), 0)

    def test_icon_appears_when_a_tray_comes_up_later(self):
        clock, _ = self.start_clock_window(4)
        harness.wait_for(lambda: False, timeout=1.0)
        self.assertIsNone(clock.poll(), "the clock ended without a tray")
        self.start_tray()
        self.assertTrue(harness.wait_for(self.icons, timeout=5),
                        "the icon did not dock when the tray came up")
        self.assertEqual(harness.stop_clock(clock), 0)


if __name__ == "__main__":
    harness.main()
