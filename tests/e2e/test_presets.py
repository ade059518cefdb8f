# SPDX-License-Identifier: GPL-3.0-or-later
"""The preset list on a real desktop: opening the "Preset:" list fetches from the web
host named by KORVANE5_HOST; while a silent server keeps the fetch waiting the clock keeps
counting, and ending the program then takes well under a second."""

import os
import socket
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402


class SilentServer:
    """Accepts on 127.0.0.1, records each request head and never answers."""

    def __init__(self):
        self.sock = socket.socket()
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(4)
        self.requests = []
        self.peers = []
        self.stopped = False
        self.thread = threading.Thread(target=self.run, daemon=True)
        self.thread.start()

    @property
    def host(self):
        return "127.0.0.1:%d" % self.sock.getsockname()[1]

    def run(self):
        self.sock.settimeout(0.2)
        while not self.stopped:
            try:
                peer, _ = self.sock.accept()
            except OSError:
                continue
            self.peers.append(peer)
            data = b""
            peer.settimeout(5)
            try:
                while b"\r\n\r\n" not in data:
                    chunk = peer.recv(4096)
                    if not chunk:
                        break
                    data += chunk
            except OSError:
                pass
            self.requests.append(data)

    def close(self):
        self.stopped = True
        self.thread.join()
        for peer in self.peers:
            peer.close()
        self.sock.close()


class Presets(unittest.TestCase):
    def setUp(self):
        self.desk = harness.Desktop()
        self.addCleanup(self.desk.close)
        self.server = SilentServer()
        self.addCleanup(self.server.close)
        self.desk.env["KORVANE5_HOST"] = self.server.host

    def test_waiting_fetch_keeps_the_clock_running_and_exit_is_prompt(self):
        # Two days ahead, so the seconds field changes every second.
        self.desk.settings("set", "Software\\Korvane5\\0", "CustomDateTime",
                           "--binary", harness.moment(2))
        # Clear of the dialog, which opens in the middle of the screen.
        self.desk.settings("set", "Software\\Korvane5\\0", "Left", "--dword", "40")
        self.desk.settings("set", "Software\\Korvane5\\0", "Top", "--dword", "40")
        clock = self.desk.start_clock()
        win = self.desk.find_window("Korvane5", pid=clock.pid)
        self.assertIsNotNone(win)
        x, y, _, _ = self.desk.geometry(win)
        self.desk.xdotool("mousemove", x + 40, y + 20)
        self.desk.xdotool("click", "3")
        harness.wait_for(lambda: False, timeout=0.5)
        self.desk.xdotool("key", "d")
        dialog = self.desk.find_window("Choose Date/Time", pid=clock.pid)
        self.assertIsNotNone(dialog, "the date/time dialog did not open")

        # A click on the "Preset:" box opens the list and starts the fetch.
        dx, dy, _, _ = self.desk.geometry(dialog)
        self.desk.xdotool("mousemove", dx + 150, dy + 19)
        self.desk.xdotool("click", "1")
        self.assertTrue(harness.wait_for(lambda: self.server.requests, timeout=5),
                        "no request reached the server")
        request = self.server.requests[0].decode()
        self.assertTrue(request.startswith("GET /korvane5/korvane5dates.xml HTTP/1.1\r\n"
                                           "Host: %s\r\n" % self.server.host), request)

        # The clock window repaints its countdown while the fetch waits.
        first = self.desk.screenshot(win, "during-1")
        time.sleep(1.5)
        second = self.desk.screenshot(win, "during-2")
        self.assertGreater(self.desk.differing_pixels(first, second, (0, 0, 250, 90)), 0,
                           "the countdown stood still during the fetch")

        started = time.monotonic()
        self.assertEqual(harness.stop_clock(clock, timeout=5), 0)
        self.assertLess(time.monotonic() - started, 1.0, "exit waited for the fetch")


if __name__ == "__main__":
    harness.main()
