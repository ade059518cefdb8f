# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package as a user gets it: built with scripts/package.sh (dpkg-buildpackage),
the same file byte for byte when built again elsewhere in other conditions, free of
lintian's complaints, installed with apt-get, passing its own autopkgtest; the installed
clock maps with the installed Default skin, finds a skin in the user's own folder, writes
a start-up entry naming the installed program, starts from its desktop entry; purging
removes every installed file and leaves the user's settings. Needs root (apt-get) and is
skipped without it."""

import glob
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
INSTALLED = "/usr/bin/korvane5"
DESKTOP = "/usr/share/applications/example.korvane5.Korvane5.desktop"


def run(argv, env=None, **kwargs):
    env = dict(env or os.environ, DEBIAN_FRONTEND="noninteractive")
    return subprocess.run(argv, env=env, capture_output=True, text=True, **kwargs)


def build(folder, env=None, prefix=()):
    """scripts/package.sh into folder: the packages it wrote, by name."""
    # The package's times come from debian/changelog, whatever the caller's environment says.
    env = {k: v for k, v in (env or os.environ).items() if k != "SOURCE_DATE_EPOCH"}
    started = time.monotonic()
    built = run(list(prefix) + [os.path.join(SOURCE, "scripts", "package.sh"), folder], env=env)
    if built.returncode != 0:
        raise AssertionError("package.sh failed:\n" + built.stdout[-5000:] + built.stderr[-5000:])
    print("built in %s in %.0f s" % (folder, time.monotonic() - started))
    return {os.path.basename(path): path for path in glob.glob(os.path.join(folder, "*.deb"))}


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if os.geteuid() != 0 or not shutil.which("apt-get"):
            raise unittest.SkipTest("installing a package needs root and apt-get")
        cls.built = build(os.path.join(SOURCE, "build-package"))
        cls.deb = [path for name, path in cls.built.items() if "dbgsym" not in name][0]
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

    def test_a_second_build_in_other_conditions_is_the_same_package(self):
        # Another folder and path length, another umask, locale, language and time zone,
        # the clock a year and more ahead; the sources' times are those of their copying.
        own = os.environ.get("LC_ALL") or os.environ.get("LANG") or "C"
        env = dict(os.environ, LC_ALL="C" if "UTF-8" in own.upper() else "C.UTF-8",
                   LANGUAGE="de:fr", TZ="Asia/Kathmandu", HOME=self.desk.tmp)
        folder = os.path.join(self.desk.tmp, "another", "folder", "for", "the", "package")
        later = ["faketime", "+400 days"] if shutil.which("faketime") else []
        again = build(folder, env, later + ["sh", "-c", "umask 0077 && exec \"$0\" \"$@\""])
        self.assertEqual(sorted(again), sorted(self.built))
        for name in sorted(self.built):
            first, second = sha256(self.built[name]), sha256(again[name])
            print("%s: %s %s" % (name, first, second))
            if first != second and shutil.which("diffoscope"):
                shown = run(["diffoscope", "--text", "-", self.built[name], again[name]],
                            env=dict(os.environ, TMPDIR=self.desk.tmp))
                self.fail("%s differs:\n%s" % (name, shown.stdout[:20000]))
            self.assertEqual(first, second, name)

    def test_a_lintian_clean_package(self):
        # lintian leaves a cache file in its temporary folder: the test's own. What it would
        # say is overridden in debian/korvane5.lintian-overrides, with the reason.
        changes = glob.glob(os.path.join(os.path.dirname(self.deb), "korvane5_*.changes"))
        result = run(["lintian", "--pedantic", "--info", "--fail-on", "error,warning,info,pedantic"]
                     + changes, env=dict(os.environ, TMPDIR=self.desk.tmp))
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

    def test_its_own_autopkgtest(self):
        # debian/tests against the built package, from the source it was built from.
        tree = os.path.join(os.path.dirname(self.deb), "source")
        # apt reads the package from autopkgtest's folder as a user of its own.
        tmp = tempfile.mkdtemp(prefix="korvane5-autopkgtest-")
        self.addCleanup(shutil.rmtree, tmp)
        os.chmod(tmp, 0o755)
        result = run(["autopkgtest", "--no-built-binaries", "--output-dir",
                      os.path.join(self.desk.tmp, "autopkgtest"), self.deb, tree, "--", "null"],
                     env=dict(os.environ, TMPDIR=tmp))
        self.assertEqual(result.returncode, 0, result.stdout[-5000:] + result.stderr[-5000:])

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
