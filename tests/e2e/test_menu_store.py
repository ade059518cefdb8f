# SPDX-License-Identifier: GPL-3.0-or-later
"""The popup menu and the settings store on a real desktop: Always On Top chosen with
the menu's access keys reaches the window manager, a drag moves the window, and both come
back when the same clock starts again; nothing the user stored is lost to an import that
arrives in pieces or to another program that holds the store for a while."""

import os
import subprocess
import sys
import time
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


NEON = "Digital\\Neon"


class TroubledStore(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.key = "Software\\Korvane5\\0"

    def shows_neon(self, win):
        shot = self.desk.screenshot(win, "shot")
        expected = self.desk.render(os.path.join(harness.BUILD, "Skins", "Digital", "Neon"),
                                    "neon")
        # Left of the numbers: the background alone.
        return self.desk.differing_pixels(shot, expected, (0, 0, 60, 90)) == 0

    def drag_from_100_200(self, win):
        """Drags the window from (100, 200) to (160, 260)."""
        self.desk.xdotool("mousemove", 150, 250)
        self.desk.xdotool("mousedown", "1")
        for step in range(1, 7):
            self.desk.xdotool("mousemove", 150 + 10 * step, 250 + 10 * step)
        self.desk.xdotool("mouseup", "1")
        self.assertTrue(harness.wait_for(
            lambda: self.desk.geometry(win)[:2] == (160, 260), timeout=5))

    def hold(self, seconds, whole=True):
        holder = self.desk.hold_store(seconds, whole)
        self.addCleanup(holder.stdout.close)
        return holder

    def test_an_import_that_arrives_in_pieces_is_imported_whole(self):
        tool = subprocess.Popen([harness.SETTINGS_TOOL, "import", "-"], env=self.desk.env,
                                stdin=subprocess.PIPE, stderr=subprocess.PIPE)
        tool.stdin.write(b"Windows Registry Editor Version 5.00\n\n"
                         b"[HKEY_CURRENT_USER\\Software\\Korvane5\\0]\n"
                         b"\"Left\"=dword:00000010\n\n")
        tool.stdin.flush()
        time.sleep(1)
        tool.stdin.write(b"[HKEY_CURRENT_USER\\Software\\Korvane5\\0\\Skins]\n"
                         b"\"Current\"=\"Digital\\\\Neon\"\n\n")
        tool.stdin.close()
        self.assertEqual(tool.wait(30), 0, tool.stderr.read())
        tool.stderr.close()
        self.assertIn("Neon", self.desk.settings("get", self.key + "\\Skins", "Current"))
        clock = self.desk.start_clock(0)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        self.assertTrue(harness.wait_for(lambda: self.shows_neon(win), timeout=5))
        self.assertEqual(harness.stop_clock(clock), 0)
        self.assertIn("Neon", self.desk.settings("get", self.key + "\\Skins", "Current"))

    def test_a_store_held_at_start_up_is_read_and_written_once_free(self):
        self.desk.settings("set", self.key, "Left", "--dword", "100")
        self.desk.settings("set", self.key, "Top", "--dword", "200")
        self.desk.settings("set", self.key + "\\Skins", "Current", "--string", NEON)
        for run in range(3):
            holder = self.hold(4)
            started = time.monotonic()
            clock = self.desk.start_clock(0)
            win = self.desk.find_window("Korvane5", pid=clock.pid)
            self.assertIsNotNone(win)
            self.assertLess(time.monotonic() - started, 2.0, "the window waited for the store")
            self.assertEqual(self.desk.geometry(win)[:2], ((1024 - 250) // 2, (768 - 90) // 2))
            self.assertFalse(self.shows_neon(win))
            holder.wait()
            # Once free, the stored place and skin.
            self.assertTrue(harness.wait_for(
                lambda: self.desk.geometry(win)[:2] == (100, 200), timeout=5),
                "run %d: window at %s" % (run, self.desk.geometry(win)[:2]))
            self.assertTrue(harness.wait_for(lambda: self.shows_neon(win), timeout=5))
            self.drag_from_100_200(win)
            self.assertEqual(harness.stop_clock(clock), 0)
            self.assertEqual(self.desk.stored_position(0), (160, 260), "run %d" % run)
            self.assertIn("Neon", self.desk.settings("get", self.key + "\\Skins", "Current"))
            self.desk.settings("set", self.key, "Left", "--dword", "100")
            self.desk.settings("set", self.key, "Top", "--dword", "200")

    def test_a_drag_while_the_store_is_held_lands_at_exit(self):
        self.desk.settings("set", self.key, "Left", "--dword", "100")
        self.desk.settings("set", self.key, "Top", "--dword", "200")
        clock = self.desk.start_clock(0)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertTrue(harness.wait_for(
            lambda: self.desk.geometry(win)[:2] == (100, 200), timeout=5))
        holder = self.hold(1.5, whole=False)
        self.drag_from_100_200(win)
        # The exit waits a bounded time for the store.
        self.assertEqual(harness.stop_clock(clock), 0)
        holder.wait()
        self.assertEqual(self.desk.stored_position(0), (160, 260))


if __name__ == "__main__":
    harness.main()
