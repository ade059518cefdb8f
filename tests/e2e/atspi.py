# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of a program's windows over the accessibility bus:
"name<TAB>description" of each top-level window of the application with that process id.
Run with the system's Python, which has pyatspi:   atspi.py PID"""

import sys

import pyatspi


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for window in app:
            if window is not None:
                print("%s\t%s" % (window.name, window.description))


if __name__ == "__main__":
    main()
