# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock in its user's language: with LANGUAGE=de its menu takes the German access
keys of the catalogue and the date/time dialog read over the accessibility bus is German,
with LANG=C all is English whatever LANGUAGE says. (Qt leaves popup menus out of the
application's accessible children: the menu's captions themselves are checked on the live
menus by the unit tests.)"""

import os
import shutil
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ATSPI = os.path.join(os.path.dirname(__file__), "atspi.py")
DIALOG = ["Date:", "Time:", "Preset:"]


def catalogue(language):
    """The catalogue's texts by (context, source)."""
    texts = {}
    for context in ElementTree.parse(
            os.path.join(SOURCE, "translations", "korvane5_%s.ts" % language)).getroot():
        name = context.find("name").text
        for message in context.iter("message"):
            texts[(name, message.find("source").text)] = message.find("translation").text
    return texts


def shown(caption):
    return caption.replace("&", "")


class Languages(unittest.TestCase):
    def setUp(self):
        if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                          capture_output=True).returncode != 0:
            self.skipTest("pyatspi is not installed")
        if not shutil.which("dbus-daemon"):
            self.skipTest("dbus-daemon is not installed")
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.desk.start_bus()
        self.desk.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # A known clock: no first-start message in the way.
        self.desk.settings("set", "Software\\Korvane5\\0", "Opacity", "--dword", "255")

    def read(self, pid, *args):
        return subprocess.run(["/usr/bin/python3", ATSPI, str(pid)] + list(args),
                              env=self.desk.env, capture_output=True, text=True).stdout

    def dialog_texts(self, language, lang, choose):
        """The date/time dialog's texts over the accessibility bus, the dialog opened by the
        menu's access key of "Choose Date/Time..." in that language: the key works only
        in a menu of that language."""
        self.desk.env["LANGUAGE"] = language
        self.desk.env["LANG"] = lang
        # The accessibility bus runs before the clock starts, which then joins it.
        self.read(0)
        clock = self.desk.start_clock(0)
        self.addCleanup(clock.kill)
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        key = choose[choose.index("&") + 1].lower()
        self.desk.menu_command(win, clock.pid, key)
        return harness.wait_for(lambda: "\t" in self.read(clock.pid, "--all").split(
            "dialog\t", 1)[-1] and "dialog\t" in self.read(clock.pid, "--all") and
            self.read(clock.pid, "--all"), timeout=10)

    def test_german_with_language_de(self):
        german = catalogue("de")
        texts = self.dialog_texts("de", "en_US.UTF-8",
                                  german[("TMainForm", "Choose &Date/Time...")])
        self.assertTrue(texts, "the German access key opened no dialog")
        self.assertIn("dialog\t" + german[("TDateTimePickForm", "Choose Date/Time")], texts)
        for label in DIALOG:
            self.assertIn("\t" + german[("TDateTimePickForm", label)], texts)

    def test_english_with_a_c_locale_whatever_language_says(self):
        texts = self.dialog_texts("de", "C", "Choose &Date/Time...")
        self.assertTrue(texts, "the English access key opened no dialog")
        self.assertIn("dialog\tChoose Date/Time", texts)
        for label in DIALOG:
            self.assertIn("\t" + label, texts)

if __name__ == "__main__":
    harness.main()
