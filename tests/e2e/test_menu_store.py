"""The popup menu and the settings store on a real desktop: Always On Top chosen with
the menu's access keys reaches the window manager, a drag moves the window, and both come
back when the same clock starts again."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402


class MenuAndStore(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)

    def above(self, win):
        return "_NET_WM_STATE_ABOVE" in self.desk.prop(win, "_NET_WM_STATE")

    def test_on_top_and_dragged_position_survive_a_restart(self):
        clock = self.desk.start_clock(1)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        self.assertFalse(self.above(win))
        x0, y0, _, _ = self.desk.geometry(win)

        # Right click on the clock, then the access key of "A&lways On Top".
        self.desk.xdotool("mousemove", x0 + 40, y0 + 20)
        self.desk.xdotool("click", "3")
        harness.wait_for(lambda: False, timeout=0.5)  # the menu maps and grabs the keyboard
        self.desk.xdotool("key", "l")
        self.assertTrue(harness.wait_for(lambda: self.above(win), timeout=5),
                        "_NET_WM_STATE_ABOVE did not appear")
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", self.desk.prop(win, "_NET_WM_STATE"))
        x1, y1, _, _ = self.desk.geometry(win)
        self.assertEqual((x1, y1), (x0, y0), "going on top moved the window")

        # Drag with the left button from inside the window.
        self.desk.xdotool("mousemove", x0 + 100, y0 + 60)
        self.desk.xdotool("mousedown", "1")
        for step in range(1, 11):
            self.desk.xdotool("mousemove", x0 + 100 + 10 * step, y0 + 60 + 7 * step)
        self.desk.xdotool("mouseup", "1")
        moved = harness.wait_for(
            lambda: self.desk.geometry(win)[:2] == (x0 + 100, y0 + 70), timeout=5)
        self.assertTrue(moved, "window at %s" % (self.desk.geometry(win),))

        self.assertEqual(harness.stop_clock(clock), 0)
        again = self.desk.start_clock(1)
        win = self.desk.find_window("Korvane5", pid=again.pid)
        self.assertIsNotNone(win)
        self.assertTrue(harness.wait_for(lambda: self.above(win), timeout=5))
        self.assertTrue(harness.wait_for(
            lambda: self.desk.geometry(win)[:2] == (x0 + 100, y0 + 70), timeout=5),
            "restarted at %s" % (self.desk.geometry(win),))
        self.assertIn("dword:00000001",
                      self.desk.settings("get", "Software\\Korvane5\\1", "AlwaysOnTop"))
        self.assertEqual(harness.stop_clock(again), 0)

    def test_a_fast_drag_ends_with_the_pressed_point_under_the_pointer(self):
        # Twenty moves in one burst: most reach the clock before the window manager has
        # carried out the clock's previous move.
        clock = self.desk.start_clock(2)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        for dx, dy in ((5, 3), (-6, 4), (4, -5)):
            x0, y0, _, _ = self.desk.geometry(win)
            self.desk.xdotool("mousemove", x0 + 100, y0 + 60)
            self.desk.xdotool("mousedown", "1")
            moves = []
            for step in range(1, 21):
                moves += ["mousemove", x0 + 100 + dx * step, y0 + 60 + dy * step]
            self.desk.xdotool(*moves)
            self.desk.xdotool("mouseup", "1")
            want = (x0 + 20 * dx, y0 + 20 * dy)
            self.assertTrue(harness.wait_for(lambda: self.desk.geometry(win)[:2] == want,
                                             timeout=5),
                            "window at %s, not %s" % (self.desk.geometry(win)[:2], want))
        self.assertEqual(harness.stop_clock(clock), 0)


if __name__ == "__main__":
    harness.main()
