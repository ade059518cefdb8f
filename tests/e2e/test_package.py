# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a user gets it: built with scripts/package.sh, free of lintian
errors, installed with apt-get; the installed clock maps with the installed Default skin,
finds a skin in the user's own folder, writes a start-up entry naming the installed
program, starts from its desktop entry; purging removes every installed file and leaves
the user's settings. Needs root (apt-get) and is skipped without it."""

import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
INSTALLED = "/usr/bin/korvane5"
DESKTOP = "/usr/share/applications/example.korvane5.Korvane5.desktop"


def run(argv, env=None, **kwargs):
    env = dict(env or os.environ, DEBIAN_FRONTEND="noninteractive")
    return subprocess.run(argv, env=env, capture_output=True, text=True, **kwargs)


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if os.geteuid() != 0 or not shutil.which("apt-get"):
            raise unittest.SkipTest("installing a package needs root and apt-get")
        built = run([os.path.join(SOURCE, "scripts", "package.sh")])
        if built.returncode != 0:
            raise AssertionError("package.sh failed:\n" + built.stdout + built.stderr)
        cls.deb = built.stdout.strip().splitlines()[-1]
        run(["apt-get", "purge", "-y", "korvane5"])
        installed = run(["apt-get", "install", "-y", cls.deb])
        if installed.returncode != 0:
            raise AssertionError("apt-get install failed:\n" + installed.stderr)
        cls.files = [f for f in run(["dpkg", "-L", "korvane5"]).stdout.splitlines()
                     if os.path.isfile(f)]

    @classmethod
    def tearDownClass(cls):
        run(["apt-get", "purge", "-y", "korvane5"])

    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.desk.env["XDG_DATA_HOME"] = os.path.join(self.desk.tmp, "data")

    def start(self, argv):
        proc = subprocess.Popen(argv, env=self.desk.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.desk.clocks.append(proc)
        win = self.desk.find_window("Korvane5", pid=proc.pid)
        self.assertIsNotNone(win, "%s did not map its window" % argv)
        harness.wait_for(lambda: False, timeout=0.7)  # painted
        return proc, win

    def shows(self, win, skin_folder, name):
        shot = self.desk.screenshot(win, name)
        expected = self.desk.render(skin_folder, name + "-expected")
        return self.desk.differing_pixels(shot, expected, (0, 0, 250, 90)) < 250 * 90 // 200

    def test_a_lintian_clean_package(self):
        # lintian leaves a cache file in its temporary folder: the test's own.
        result = run(["lintian", "--fail-on", "error", self.deb],
                     env=dict(os.environ, TMPDIR=self.desk.tmp))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn(INSTALLED, self.files)
        self.assertIn(DESKTOP, self.files)
        for kit in ("/usr/bin/korvane5-skin", "/usr/share/man/man1/korvane5-skin.1.gz",
                    "/usr/share/doc/korvane5/skins.txt",
                    "/usr/share/korvane5/Skins/Default/Back@2x.bmp",
                    "/usr/share/korvane5/translations/korvane5_de.qm",
                    "/usr/share/korvane5/translations/korvane5_en.qm"):
            self.assertIn(kit, self.files)
        # The installed kit finds every installed skin fine.
        checked = run(["/usr/bin/korvane5-skin", "check", "--strict", "/usr/share/korvane5/Skins"],
                      env=self.desk.env)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)

    def test_the_installed_clock(self):
        # The installed Default skin, from the installed program.
        clock, win = self.start([INSTALLED, "2"])
        self.assertTrue(self.shows(win, "/usr/share/korvane5/Skins/Default", "default"))
        # Run This Clock At Startup, then exit: the entry names the installed program.
        self.desk.menu_command(win, clock.pid, "r")
        self.assertEqual(harness.stop_clock(clock), 0)
        entry = os.path.join(self.desk.config, "autostart", "Korvane52.desktop")
        with open(entry) as f:
            self.assertIn('\nExec="%s" 2\n' % INSTALLED, f.read())

        # A skin in the user's own folder is found and shown.
        mine = os.path.join(self.desk.env["XDG_DATA_HOME"], "korvane5", "Skins", "Mine")
        shutil.copytree("/usr/share/korvane5/Skins/Digital/Neon", mine)
        self.desk.settings("set", "Software\\Korvane5\\2\\Skins", "Current", "--string", "Mine")
        clock, win = self.start([INSTALLED, "2"])
        self.assertTrue(self.shows(win, mine, "mine"))
        self.assertEqual(harness.stop_clock(clock), 0)

        # The desktop entry's command starts it.
        with open(DESKTOP) as f:
            command = [line.split("=", 1)[1] for line in f.read().splitlines()
                       if line.startswith("Exec=")][0]
        clock, _ = self.start(command.split())
        self.assertEqual(harness.stop_clock(clock), 0)

    def test_purge_removes_every_installed_file_and_keeps_the_settings(self):
        clock, _ = self.start([INSTALLED])
        self.assertEqual(harness.stop_clock(clock), 0)
        store = os.path.join(self.desk.config, "korvane5", "settings.db")
        self.assertTrue(os.path.exists(store))
        self.assertEqual(run(["apt-get", "purge", "-y", "korvane5"]).returncode, 0)
        self.assertEqual([f for f in self.files if os.path.exists(f)], [])
        self.assertTrue(os.path.exists(store), "the user's settings went with the package")
        installed = run(["apt-get", "install", "-y", self.deb])  # for the other tests
        self.assertEqual(installed.returncode, 0, installed.stderr)


if __name__ == "__main__":
    harness.main()
