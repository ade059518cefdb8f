# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock on a desktop that asks for scaling (Xft.dpi in the X resources, or Qt's own
variables): a skin's double-size picture shown exactly at 2 and smoothly downscaled at
1.5, the numbers drawn as the program draws them at that scale, and the window on the same
X server pixel at every scale, where a drag at 1.5 also stores it; on a screen of
another scale the picture is chosen again."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

KEY = "Software\\Korvane5\\0"
YELLOW, NAVY, SLATE = (255, 255, 0), (0, 0, 90), (40, 60, 120)


class Scaled(unittest.TestCase):
    def desktop(self, dpi=None, factor=None):
        desk = harness.Desktop()
        self.addCleanup(desk.close)
        if dpi:
            subprocess.run(["xrdb", "-merge"], input="Xft.dpi: %d\n" % dpi, text=True,
                           env=desk.env, check=True)
        if factor:
            desk.env["QT_SCALE_FACTOR"] = str(factor)
        desk.env["XDG_DATA_HOME"] = os.path.join(desk.tmp, "data")
        return desk

    def pattern_skin(self, desk):
        """A skin whose double-size picture is a pattern of single pixels that no
        upscaling of its one-colour picture could make."""
        folder = os.path.join(desk.tmp, "data", "korvane5", "Skins", "Pattern")
        os.makedirs(folder)
        harness.write_bmp(os.path.join(folder, "Back.bmp"), 250, 90, lambda x, y: SLATE)
        harness.write_bmp(os.path.join(folder, "Back@2x.bmp"), 500, 180,
                          lambda x, y: YELLOW if (x + y) % 2 else NAVY)
        desk.settings("set", KEY + "\\Skins", "Current", "--string", "Pattern")
        return folder

    def shot(self, desk, size):
        clock = desk.start_clock(0)
        win = desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        self.assertTrue(harness.wait_for(lambda: desk.geometry(win)[2:] == size),
                        "window is %s" % (desk.geometry(win)[2:],))
        harness.wait_for(lambda: False, timeout=0.7)  # painted
        path = desk.screenshot(win, "shot")
        self.assertEqual(harness.stop_clock(clock), 0)
        return path

    def test_the_double_size_picture_exactly_at_2(self):
        for how in ({"dpi": 192}, {"factor": 2}):
            desk = self.desktop(**how)
            folder = self.pattern_skin(desk)
            shot = self.shot(desk, (500, 180))
            picture = os.path.join(folder, "Back@2x.bmp")
            # Outside the number boxes (the default layout: from x 78, y 29 to 75).
            for rect in ((0, 0, 500, 58), (0, 0, 156, 180), (0, 152, 500, 28)):
                self.assertEqual(desk.differing_pixels(shot, picture, rect), 0, (how, rect))
            # The seconds as the program draws them at 2 (no target: 0 0 0 0).
            drawn = desk.render(folder, "render", scale=2)
            self.assertEqual(desk.differing_pixels(shot, drawn, (392, 58, 104, 92)), 0, how)

    def test_a_smooth_downscale_at_one_and_a_half(self):
        desk = self.desktop(dpi=144)
        folder = self.pattern_skin(desk)
        shot = self.shot(desk, (375, 135))
        drawn = desk.render(folder, "render", scale=1.5)
        self.assertEqual(desk.differing_pixels(shot, drawn, (0, 0, 375, 135)), 0)
        # Neither colour of the pattern nor the one-colour picture: their mix.
        mean = float(subprocess.run([harness.PROBE, "mean", shot, "0", "0", "100", "40"],
                                    capture_output=True, text=True, check=True).stdout)
        yellow, navy = 0.299 * 255 + 0.587 * 255, 0.114 * 90
        self.assertLess(abs(mean - (yellow + navy) / 2), 12, mean)

    def test_the_one_size_picture_exactly_at_1(self):
        desk = self.desktop()
        folder = self.pattern_skin(desk)
        shot = self.shot(desk, (250, 90))
        self.assertEqual(desk.differing_pixels(shot, os.path.join(folder, "Back.bmp"),
                                               (0, 0, 250, 29)), 0)

    def test_the_same_pixel_at_every_scale_and_a_drag_at_one_and_a_half_stored(self):
        places = []
        for how in ({}, {"dpi": 192}, {"factor": 2}, {"dpi": 144}):
            desk = self.desktop(**how)
            desk.settings("set", KEY, "Left", "--dword", "301")
            desk.settings("set", KEY, "Top", "--dword", "199")
            clock = desk.start_clock(0)
            win = desk.find_window("Korvane5", pid=clock.pid)
            self.assertTrue(harness.wait_for(lambda: desk.geometry(win)[:2] == (301, 199)),
                            "%s: at %s" % (how, desk.geometry(win)[:2]))
            places.append(desk.geometry(win)[:2])
            if how.get("dpi") == 144:
                desk.xdotool("mousemove", 351, 249)
                desk.xdotool("mousedown", "1")
                for step in range(1, 8):
                    desk.xdotool("mousemove", 351 + 7 * step, 249 + 5 * step)
                desk.xdotool("mouseup", "1")
                self.assertTrue(harness.wait_for(
                    lambda: desk.geometry(win)[:2] == (350, 234)),
                    "dragged to %s" % (desk.geometry(win)[:2],))
            where = desk.geometry(win)[:2]
            self.assertEqual(harness.stop_clock(clock), 0)
            self.assertEqual(desk.stored_position(0), where, how)
        self.assertEqual(len(set(places)), 1, places)

    def test_a_screen_of_another_scale_chooses_the_picture_again(self):
        desk = harness.Desktop(width=2048, height=768)
        self.addCleanup(desk.close)
        for name, geometry in (("left", "1024/271x768/203+0+0"),
                               ("right", "1024/271x768/203+1024+0")):
            desk.run(["xrandr", "--setmonitor", name, geometry, "none"])
        desk.env["QT_SCREEN_SCALE_FACTORS"] = "1;2"
        desk.settings("set", KEY, "Left", "--dword", "700")
        desk.settings("set", KEY, "Top", "--dword", "300")
        desk.settings("set", KEY + "\\Skins", "Current", "--string", "Digital\\Neon")
        clock = desk.start_clock(0)
        win = desk.find_window("Korvane5", pid=clock.pid)
        self.assertTrue(harness.wait_for(lambda: desk.geometry(win) == (700, 300, 250, 90)))
        desk.xdotool("mousemove", 750, 330)
        desk.xdotool("mousedown", "1")
        for step in range(1, 21):
            desk.xdotool("mousemove", 750 + 30 * step, 330)
        desk.xdotool("mouseup", "1")
        self.assertTrue(harness.wait_for(lambda: desk.geometry(win) == (1300, 300, 500, 180)),
                        "window at %s" % (desk.geometry(win),))
        drawn = desk.render(os.path.join(harness.BUILD, "Skins", "Digital", "Neon"), "render",
                            scale=2)
        self.assertTrue(harness.wait_for(lambda: desk.differing_pixels(
            desk.screenshot(win, "shot"), drawn, (0, 0, 500, 180)) == 0))
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertEqual(desk.stored_position(0), (1300, 300))


if __name__ == "__main__":
    harness.main()
