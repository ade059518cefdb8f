"""A clock started with a stored skin looks on the real display exactly as the program's
own drawing code renders that skin offscreen."""

import os
import sys
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


if __name__ == "__main__":
    harness.main()
