# SPDX-License-Identifier: GPL-3.0-or-later
"""A clock started with a stored skin looks on the real display exactly as the program's
own drawing code renders that skin offscreen."""

import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

SKINS = os.path.join(harness.BUILD, "Skins")


class StoredSkin(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)

    def check(self, clock, name):
        # No target: the clock stands at 0 0 0 0, so the picture is still.
        self.desk.settings("set", "Software\\Korvane5\\%d\\Skins" % clock, "Current",
                           "--string", name)
        proc = self.desk.start_clock(clock)
        win = self.desk.find_window("Korvane5", pid=proc.pid)
        self.assertIsNotNone(win)
        harness.wait_for(lambda: False, timeout=0.7)  # mapped and painted
        shot = self.desk.screenshot(win, "shot-%d" % clock)
        expected = self.desk.render(os.path.join(SKINS, *name.split("\\")), "render-%d" % clock)
        differing = self.desk.differing_pixels(shot, expected, (0, 0, 250, 90))
        self.assertLess(differing, 250 * 90 // 200, "%s: %d pixels differ" % (name, differing))
        self.assertEqual(harness.stop_clock(proc), 0)

    def test_bitmap_skin_in_a_nested_category(self):
        self.check(2, "Seasons\\Winter\\Snow")

    def test_jpeg_skin_with_its_own_face(self):
        self.check(3, "Classic\\Paper")

    def test_default_skin(self):
        self.check(0, "Default")


class SkinKit(unittest.TestCase):
    """korvane5-skin renders what the clock shows, and makes skins the clock shows."""

    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.desk.env["XDG_DATA_HOME"] = os.path.join(self.desk.tmp, "data")

    def kit(self, *args):
        return subprocess.run([harness.SKIN_TOOL] + [str(a) for a in args], env=self.desk.env,
                              capture_output=True, text=True)

    def rendered(self, folder, name, time):
        path = os.path.join(self.desk.tmp, name + ".png")
        result = self.kit("render", folder, "-o", path, "--time", time)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def test_render_gives_the_pixels_of_the_clock_at_that_time(self):
        name = "Seasons\\Winter\\Frost"
        left = 123 + 4 / 24.0 + 56 / 1440.0 + 7.5 / 86400.0
        target = time.time() + left * 86400
        self.desk.settings("set", "Software\\Korvane5\\1", "CustomDateTime", "--binary",
                           harness.moment(left))
        self.desk.settings("set", "Software\\Korvane5\\1\\Skins", "Current", "--string", name)
        proc = self.desk.start_clock(1)
        win = self.desk.find_window("Korvane5", pid=proc.pid)
        self.assertIsNotNone(win)
        harness.wait_for(lambda: False, timeout=0.7)
        before = time.time()
        shot = self.desk.screenshot(win, "shot")
        after = time.time()
        # The seconds shown at the shot: the clock ticks on the wall clock's seconds, so
        # what it shows was worked out at its last tick, up to a second before.
        candidates = {int(target - before) + 1, int(target - before), int(target - after)}
        matches = []
        for seconds in candidates:
            d, rest = divmod(seconds, 86400)
            text = "%d:%d:%d:%d" % (d, rest // 3600, rest % 3600 // 60, rest % 60)
            drawn = self.rendered(os.path.join(SKINS, *name.split("\\")), "at-%d" % seconds,
                                  text)
            matches.append(self.desk.differing_pixels(shot, drawn, (0, 0, 250, 90)))
        self.assertIn(0, matches, candidates)
        self.assertEqual(harness.stop_clock(proc), 0)

    def test_a_skin_made_from_a_picture_passes_the_strict_check_and_shows(self):
        picture = os.path.join(self.desk.tmp, "photo.png")
        harness.write_png(picture, 640, 300,
                          lambda x, y: (200, 120 + y // 3, 40) if y < 150 else (20, 60, 90))
        folder = os.path.join(self.desk.tmp, "data", "korvane5", "Skins", "Made")
        made = self.kit("new", folder, "--picture", picture)
        self.assertEqual(made.returncode, 0, made.stdout + made.stderr)
        checked = self.kit("check", "--strict", folder)
        self.assertEqual(checked.returncode, 0, checked.stdout)
        self.desk.settings("set", "Software\\Korvane5\\2\\Skins", "Current", "--string",
                           "Made")
        proc = self.desk.start_clock(2)
        win = self.desk.find_window("Korvane5", pid=proc.pid)
        self.assertIsNotNone(win)
        harness.wait_for(lambda: False, timeout=0.7)
        shot = self.desk.screenshot(win, "made")
        drawn = self.rendered(folder, "made-render", "0:0:0:0")  # no target: 0 0 0 0
        self.assertEqual(self.desk.differing_pixels(shot, drawn, (0, 0, 250, 90)), 0)
        self.assertEqual(harness.stop_clock(proc), 0)


if __name__ == "__main__":
    harness.main()
