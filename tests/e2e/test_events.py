# SPDX-License-Identifier: GPL-3.0-or-later
"""Events that come back, through korvane5-settings on a store of the test's own, on a
machine in New York: every example of RFC 5545, 3.8.5.3, as `occurrences` prints it; an
event imported from a calendar file, shown by `event`, skipping its EXDATE; a file that
gives no event changes nothing; export and import carry an event exactly.

And the clock itself under Xvfb and openbox, started by libfaketime at a moment of the
test's choosing: a yearly event rolls to next year and tells its end once, counting up
shows 0 0 0 1 a second after the end, an event pinned to Berlin counts to the right
instant from New York across a change of daylight-saving time, an imported calendar's
EXDATE is skipped; what a screen reader hears says each."""

import datetime
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

KEY = "Software\\Korvane5\\0"
EXAMPLES = os.path.join(os.path.dirname(__file__), "..", "events", "rfc5545-examples.txt")


def expand(entry):
    """One entry of an expect line, as tests/events/rfc5545-examples.txt describes it."""
    first, rest = entry.split(" ", 1)
    out = []
    for item in rest.split(","):
        if first.count("-") == 2 and "/" in item:
            span, step = item.split("/")
            start, last = (datetime.datetime.strptime(t, "%H:%M") for t in span.split("-"))
            while start <= last:
                out.append("%s %s:00" % (first, start.strftime("%H:%M")))
                start += datetime.timedelta(minutes=int(step))
        elif first.count("-") == 2:
            out.append("%s %s:00" % (first, item))
        else:
            low, _, high = item.partition("-")
            for day in range(int(low), int(high or low) + 1):
                out.append("%s-%02d 09:00:00" % (first, day))
    return out


def examples():
    rows = []
    with open(EXAMPLES) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                rows.append({"name": line[1:-1], "repeat": [], "expected": [],
                             "forever": False})
            elif line.startswith("start "):
                rows[-1]["start"] = datetime.datetime.strptime(line[6:], "%Y%m%dT%H%M%S")
            elif line.startswith("expect "):
                for entry in line[7:].split(";"):
                    rows[-1]["expected"] += expand(entry.strip())
            elif line == "forever":
                rows[-1]["forever"] = True
            else:
                rows[-1]["repeat"].append(line)
    return rows


def stored_moment(moment):
    """The 8 bytes of CustomDateTime: days since 30 December 1899, the time as a fraction."""
    days = (moment.date() - datetime.date(1899, 12, 30)).days
    ms = ((moment.hour * 60 + moment.minute) * 60 + moment.second) * 1000
    return struct.pack("<d", float(days) + ms / 86400000.0).hex()


class SettingsTool(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="korvane5-e2e-events-")
        self.addCleanup(shutil.rmtree, self.tmp)
        self.env = dict(os.environ, XDG_CONFIG_HOME=self.tmp, TZ="America/New_York",
                        ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORM="offscreen",
                        XDG_RUNTIME_DIR=self.tmp)
        self.env.pop("DISPLAY", None)

    def tool(self, *args, code=0, stdin=None):
        result = subprocess.run([harness.SETTINGS_TOOL] + list(args), env=self.env,
                                capture_output=True, text=True, input=stdin, timeout=60)
        self.assertEqual(result.returncode, code, (args, result.stdout, result.stderr))
        return result

    def write(self, name, text):
        path = os.path.join(self.tmp, name)
        with open(path, "w", newline="") as f:
            f.write(text)
        return path

    def test_every_rfc_example_prints_the_rfcs_moments(self):
        for row in examples():
            with self.subTest(row["name"]):
                self.tool("set", KEY, "CustomDateTime", "--binary", stored_moment(row["start"]))
                self.tool("set", KEY, "Repeat", "--string", "\n".join(row["repeat"]))
                asked = len(row["expected"]) + (0 if row["forever"] else 1)
                out = self.tool("occurrences", "0", "--from",
                                row["start"].strftime("%Y-%m-%d %H:%M:%S"),
                                "--count", str(asked)).stdout
                self.assertEqual(out.splitlines(), row["expected"])

    def test_an_imported_event_skips_its_exdate_and_says_what_it_is(self):
        ics = self.write("standup.ics", (
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
            "BEGIN:VEVENT\r\nUID:other\r\nSUMMARY:Other\r\nDTSTART:20260101T000000Z\r\n"
            "END:VEVENT\r\n"
            "BEGIN:VEVENT\r\nUID:standup@example\r\nSUMMARY:Stand-up\r\n"
            "DTSTART;TZID=Europe/Berlin:20260323T093000\r\n"
            "RRULE:FREQ=DAILY;COUNT=5\r\n"
            "EXDATE;TZID=Europe/Berlin:20260325T093000\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"))
        self.tool("set", KEY, "AfterEnd", "--dword", "2")
        self.tool("import-event", "0", ics, "--uid", "standup@example")
        self.assertEqual(self.tool("event", "0").stdout, (
            "name: Stand-up\n"
            "first moment: 2026-03-23 09:30:00\n"
            "rule: RRULE:FREQ=DAILY;COUNT=5\n"
            "rule: EXDATE;TZID=Europe/Berlin:20260325T093000\n"
            "zone: Europe/Berlin\n"
            "after the end: the next occurrence\n"))
        # Berlin is on winter time until 29 March, New York on summer time since 8 March.
        out = self.tool("occurrences", "0", "--from", "2026-03-01 00:00:00").stdout
        self.assertEqual(out.splitlines(), ["2026-03-23 04:30:00", "2026-03-24 04:30:00",
                                            "2026-03-26 04:30:00", "2026-03-27 04:30:00"])

        # Export, a fresh store, import: the same event, byte for byte.
        exported = self.tool("export", KEY).stdout
        self.tool("delete", KEY)
        self.tool("import", "-", stdin=exported)
        self.assertEqual(self.tool("export", KEY).stdout, exported)
        self.assertIn("rule: EXDATE;TZID=Europe/Berlin:20260325T093000\n",
                      self.tool("event", "0").stdout)

    def test_a_file_without_an_event_changes_nothing(self):
        self.tool("set", KEY, "CustomDateTime", "--binary",
                  stored_moment(datetime.datetime(2026, 12, 24, 18)))
        before = self.tool("export").stdout
        for name, text, message in (
                ("notes.ics", "just some notes\n", "not a calendar"),
                ("todo.ics", "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nUID:t\r\nEND:VTODO\r\n"
                             "END:VCALENDAR\r\n", "holds no event"),
                ("nostart.ics", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Party\r\n"
                                "END:VEVENT\r\nEND:VCALENDAR\r\n",
                 'the event "Party" has no start (DTSTART)')):
            with self.subTest(name):
                result = self.tool("import-event", "0", self.write(name, text), code=1)
                self.assertIn(message, result.stderr)
                self.assertIn("(nothing was changed)", result.stderr)
                self.assertEqual(self.tool("export").stdout, before)

    def test_a_one_off_moment_and_wrong_command_lines(self):
        self.tool("set", KEY, "CustomDateTime", "--binary",
                  stored_moment(datetime.datetime(2026, 12, 24, 18)))
        self.assertEqual(self.tool("occurrences", "0", "--from", "2026-12-24 18:00:00").stdout,
                         "2026-12-24 18:00:00\n")
        self.assertEqual(self.tool("occurrences", "0", "--from", "2026-12-24 18:00:01").stdout,
                         "")
        self.assertEqual(self.tool("occurrences", "3").stdout, "")
        for args in (("event",), ("event", "5"), ("occurrences", "0", "--count", "0"),
                     ("occurrences", "0", "--from", "tomorrow"),
                     ("import-event", "0")):
            with self.subTest(args):
                self.tool(*args, code=2)
        self.tool("set", KEY, "Repeat", "--string", "RRULE:FREQ=SOMETIMES")
        self.assertIn("cannot be read", self.tool("occurrences", "0", code=1).stderr)


FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
ATSPI = os.path.join(os.path.dirname(__file__), "atspi.py")
DAILY_BERLIN = (
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
    "BEGIN:VEVENT\r\nUID:standup@example\r\nSUMMARY:Stand-up\r\n"
    "DTSTART;TZID=Europe/Berlin:20260323T093000\r\nRRULE:FREQ=DAILY;COUNT=5\r\n"
    "EXDATE;TZID=Europe/Berlin:20260325T093000\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")

# Each row: the machine's clock when the clock starts, the event's values (or a calendar
# to import), how long to watch, what a screen reader then hears, the end's messages, and
# the numbers the window shows at some moment of the watch.
WINDOW_ROWS = [
    {"name": "a yearly event rolls to next year at its moment and tells the end once",
     "start": "2026-12-24 23:59:57",
     "values": [("CustomDateTime", "--binary", stored_moment(datetime.datetime(2025, 12, 25))),
                ("Repeat", "--string", "RRULE:FREQ=YEARLY"),
                ("EventName", "--string", "Christmas"), ("AfterEnd", "--dword", "2")],
     "watch": 5, "hears": "364 days, 23 hours and 59 minutes left",
     "told": ["Christmas — the countdown has ended"]},
    {"name": "counting up shows 0 0 0 1 one second after the end",
     "start": "2026-06-01 11:59:57",
     "values": [("CustomDateTime", "--binary",
                 stored_moment(datetime.datetime(2026, 6, 1, 12))),
                ("AfterEnd", "--dword", "1")],
     "watch": 5, "hears": "Less than a minute since the end",
     "told": [None], "shows": (0, 0, 0, 1)},
    {"name": "an event in Berlin counts to its instant from New York across a change of "
             "daylight-saving time",
     # New York is on summer time since 8 March, Berlin changes on 29 March: 12:00 in
     # Berlin on 30 March is 06:00 in New York, 9 days and 18 hours away.
     "start": "2026-03-20 11:59:30",
     "values": [("CustomDateTime", "--binary",
                 stored_moment(datetime.datetime(2026, 3, 30, 12))),
                ("TimeZone", "--string", "Europe/Berlin")],
     "watch": 2, "hears": "9 days and 18 hours left", "told": [],
     "dialogs": [("v", "Event"), ("i", "Import Event")]},
    {"name": "an imported calendar's EXDATE is skipped",
     # 04:30 in New York is 09:30 in Berlin; the 25th is left out.
     "start": "2026-03-24 04:29:57", "calendar": DAILY_BERLIN,
     "values": [("AfterEnd", "--dword", "2")],
     "watch": 5, "hears": "1 day, 23 hours and 59 minutes left", "told": ["Stand-up — the "
                                                                          "countdown has ended"]},
]


class ClockWindow(unittest.TestCase):
    def setUp(self):
        for tool in ("dbus-daemon", "dbus-monitor", "dunst"):
            if not shutil.which(tool):
                self.skipTest(tool + " is not installed")
        if not os.path.exists(FAKETIME):
            self.skipTest("libfaketime is not installed")
        if subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                          capture_output=True).returncode != 0:
            self.skipTest("pyatspi is not installed")

    def hears(self, desk, pid):
        return subprocess.run(["/usr/bin/python3", ATSPI, str(pid)], env=desk.env,
                              capture_output=True, text=True).stdout

    def test_the_clock_counts_to_its_event(self):
        for row in WINDOW_ROWS:
            with self.subTest(row["name"]):
                desk = harness.Desktop()
                try:
                    self.watch(desk, row)
                finally:
                    desk.close()

    def watch(self, desk, row):
        desk.env.update(TZ="America/New_York", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        desk.start_bus()
        calls = desk.monitor_notifications()
        if "calendar" in row:
            path = os.path.join(desk.tmp, "calendar.ics")
            with open(path, "w", newline="") as f:
                f.write(row["calendar"])
            desk.settings("import-event", "0", path)
        for name, kind, value in row["values"]:
            desk.settings("set", KEY, name, kind, value)
        self.hears(desk, 0)  # the accessibility bus runs before the clock joins it
        desk.env.update(LD_PRELOAD=FAKETIME, FAKETIME="@" + row["start"],
                        FAKETIME_DONT_FAKE_MONOTONIC="1",
                        # The sanitizer's allocator would ask the time of day inside
                        # itself before libfaketime is ready, and wait for itself.
                        ASAN_OPTIONS="detect_leaks=0:verify_asan_link_order=0:"
                                     "allocator_release_to_os_interval_ms=-1")
        clock = desk.start_clock(0)
        for name in ("LD_PRELOAD", "FAKETIME"):
            del desk.env[name]
        win = desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        shown = None
        if "shows" in row:
            expected = desk.render(os.path.join(harness.BUILD, "Skins", "Default"),
                                   "expected", row["shows"])
            shown = harness.wait_for(lambda: desk.differing_pixels(
                desk.screenshot(win, "shot"), expected, (0, 0, 250, 90)) == 0,
                timeout=row["watch"], step=0.2)
        else:
            time.sleep(row["watch"])
        # The commands after the designed items open their dialogs; Escape changes nothing.
        for key, title in row.get("dialogs", ()):
            desk.menu_command(win, clock.pid, key)
            self.assertIsNotNone(desk.find_window(title, pid=clock.pid), title)
            desk.xdotool("key", "Escape")
            self.assertTrue(harness.wait_for(lambda: not desk.windows(clock.pid, title)), title)
        heard = harness.wait_for(
            lambda: "\t" + row["hears"] + "\n" in self.hears(desk, clock.pid),
            timeout=10, step=0.5)
        self.assertTrue(heard, self.hears(desk, clock.pid))
        if "shows" in row:
            self.assertTrue(shown, "the window never showed %s" % (row["shows"],))
        self.assertEqual(harness.stop_clock(clock), 0)
        bodies = [strings[3] for _, strings in calls() if strings[2] == "Clock 1"]
        self.assertEqual(len(bodies), len(row["told"]), bodies)
        for body, told in zip(bodies, row["told"]):
            if told:
                self.assertEqual(body, told)


if __name__ == "__main__":
    harness.main()
