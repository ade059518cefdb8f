# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock under a window manager that reparents its clients (openbox): the stored
position is exactly where the window stood, at every exit path and every saving moment;
a clock kept on top has no task-bar entry; dialogs are centred at every showing and ask
only for the title-bar buttons they have."""

import os
import random
import signal
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

WIDTH, HEIGHT = 1024, 768
CENTRE = ((WIDTH - 250) // 2, (HEIGHT - 90) // 2)
KEY = "Software\\Korvane5\\%d"


class WindowManager(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop(WIDTH, HEIGHT)
        self.addCleanup(self.desk.close)

    def start(self, clock=0):
        proc = self.desk.start_clock(clock)
        win = self.desk.find_window("Korvane5", pid=proc.pid)
        self.assertIsNotNone(win, "the clock window did not appear")
        return proc, win

    def store_position(self, clock, position):
        if position is None:
            self.desk.run([harness.SETTINGS_TOOL, "delete", KEY % clock])
            return
        for name, value in zip(("Left", "Top"), position):
            self.desk.settings("set", KEY % clock, name, "--dword", str(value))

    def test_every_exit_saves_where_the_window_stood(self):
        rng = random.Random(5)
        exits = ["TERM", "INT", "HUP", "menu"]
        for cycle in range(32):
            stored = None if cycle % 3 == 0 else (rng.randrange(0, WIDTH - 250),
                                                  rng.randrange(0, HEIGHT - 90))
            self.store_position(0, stored)
            proc, win = self.start()
            shown = self.desk.geometry(win)[:2]
            self.assertEqual(shown, stored or CENTRE, "cycle %d: placed wrongly" % cycle)
            how = exits[cycle % len(exits)]
            if how == "menu":
                self.desk.menu_command(win, proc.pid, "x")  # E&xit
            else:
                if cycle % 2:  # the pointer over the clock, or away from it
                    self.desk.xdotool("mousemove", shown[0] + 100, shown[1] + 40)
                else:
                    self.desk.xdotool("mousemove", 1, 1)
                proc.send_signal(getattr(signal, "SIG" + how))
            self.assertEqual(proc.wait(10), 0)
            self.assertEqual(self.desk.stored_position(0), shown,
                             "cycle %d (%s): saved elsewhere" % (cycle, how))

    def test_clock_switch_and_lost_activation_save_where_the_window_stood(self):
        self.store_position(0, None)
        self.store_position(1, (60, 70))
        first, win = self.start(0)
        second, other = self.start(1)
        # A click on the first clock, then on the second: the first loses activation.
        self.desk.xdotool("mousemove", CENTRE[0] + 100, CENTRE[1] + 40)
        self.desk.xdotool("click", "1")
        self.desk.xdotool("mousemove", 160, 110)
        self.desk.xdotool("click", "1")
        self.assertTrue(harness.wait_for(lambda: self.desk.stored_position(0) == CENTRE),
                        "saved at %s" % (self.desk.stored_position(0),))
        # Select Clock, then the third clock: the second saves where it stands.
        self.desk.run([harness.SETTINGS_TOOL, "delete", KEY % 1])
        self.desk.menu_command(other, second.pid, "c")
        self.desk.xdotool("key", "Down", "Down", "Return")
        self.assertTrue(harness.wait_for(lambda: self.desk.stored_position(1) == (60, 70)),
                        "saved at %s" % (self.desk.stored_position(1),))
        for proc in (first, second):
            self.assertEqual(harness.stop_clock(proc), 0)

    def test_a_clock_kept_on_top_has_no_taskbar_entry(self):
        self.desk.settings("set", KEY % 0, "AlwaysOnTop", "--dword", "1")
        proc, win = self.start()
        state = self.desk.prop(win, "_NET_WM_STATE")
        self.assertIn("_NET_WM_STATE_ABOVE", state)
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", state)
        self.assertEqual(harness.stop_clock(proc), 0)

    def test_dialogs_are_centred_at_every_showing_with_only_their_buttons(self):
        self.store_position(0, (10, 10))  # clear of the dialogs
        proc, win = self.start()
        dialogs = [("b", "About", (360, 206), "0x24"),
                   ("s", "Choose Skin", (351, 248), "0x4"),
                   ("d", "Choose Date/Time", (281, 149), "0x24")]
        for key, title, size, functions in dialogs:
            for showing in range(2):
                self.desk.menu_command(win, proc.pid, key)
                dialog = self.desk.find_window(title, pid=proc.pid)
                self.assertIsNotNone(dialog, "%s did not open" % title)
                centred = ((WIDTH - size[0]) // 2, (HEIGHT - size[1]) // 2) + size
                self.assertTrue(
                    harness.wait_for(lambda: self.desk.geometry(dialog) == centred),
                    "%s, showing %d, at %s" % (title, showing + 1, self.desk.geometry(dialog)))
                hints = self.desk.prop(dialog, "_MOTIF_WM_HINTS").split("=")[1].split(",")
                self.assertEqual([h.strip() for h in hints[:3]], ["0x3", functions, "0xa"],
                                 title)
                normal = self.desk.prop(dialog, "WM_NORMAL_HINTS")
                self.assertIn("minimum size: %d by %d" % size, normal)
                self.assertIn("maximum size: %d by %d" % size, normal)
                self.desk.xdotool("key", "Escape")
                self.assertTrue(harness.wait_for(
                    lambda: self.desk.find_window(title, pid=proc.pid, timeout=0.1) is None),
                    "%s did not close" % title)
        self.assertEqual(harness.stop_clock(proc), 0)


if __name__ == "__main__":
    harness.main()
