# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads of a program over the accessibility bus. Run with the
system's Python, which has pyatspi:
    atspi.py PID            "name<TAB>description" of each top-level window
    atspi.py PID --all      "role<TAB>name" of every element, depth first
    atspi.py PID --do NAME  runs the action of the first element named NAME (a menu item)
    atspi.py PID --extents NAME  "x y width height" on the screen of the first element
                                 named NAME that shows on it (an entry of a tree)"""

import sys

import pyatspi


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def main():
    app = application(int(sys.argv[1]))
    if app is None:
        return 1
    if len(sys.argv) == 2:
        for window in app:
            if window is not None:
                print("%s\t%s" % (window.name, window.description))
    elif sys.argv[2] == "--all":
        for node in walk(app):
            print("%s\t%s" % (node.getRoleName(), node.name))
    elif sys.argv[2] == "--extents":
        for node in walk(app):
            if node.name == sys.argv[3]:
                try:
                    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                except NotImplementedError:
                    continue
                if box.width > 0:
                    print(box.x, box.y, box.width, box.height)
                    return 0
        return 1
    elif sys.argv[2] == "--do":
        for node in walk(app):
            if node.name == sys.argv[3]:
                node.queryAction().doAction(0)
                return 0
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
