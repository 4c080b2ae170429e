#!/usr/bin/python3
"""Reads the lesson's accessibility tree over AT-SPI, as a screen reader does.

usage: atspi_tree.py controls        dump the tree; check every control's name
       atspi_tree.py plane TEXT...   check the plane's description holds each TEXT
       atspi_tree.py events SECONDS  count the plane's description changes while
                                     the caller drags (prints the count)
Exits 1 with a message on the first check that fails.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

CONTROL_ROLES = {"push button", "check box", "text", "label", "canvas"}


def fail(message):
    print(f"atspi: FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def lesson_app():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "linear-function-lesson":
                return app
        time.sleep(0.1)
    fail("the program is not on the accessibility bus")


def nodes(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def plane(app):
    for node in nodes(app):
        if node.name == "座標平面" and node.getRoleName() == "canvas":
            return node
    fail("no canvas named 座標平面")


def check_controls(app):
    window = app.getChildAtIndex(0)
    buttons = []
    for node in nodes(window):
        if node is window:
            continue
        role = node.getRoleName()
        states = "showing" if showing(node) else "hidden"
        print(f"  [{role}] {states} name={node.name!r} description={node.description!r}")
        if not showing(node):
            if node.name in ("補助線B", "消去") or role == "check box":
                continue  # the hidden ones; reported hidden above
            fail(f"{role} {node.name!r} is not showing")
        if role in CONTROL_ROLES and not node.name.strip():
            fail(f"a showing {role} has no name")
        if role == "push button":
            buttons.append(node.name)
    if len(buttons) != len(set(buttons)):
        fail(f"two showing buttons share a name: {buttons}")
    for name in ("補助線Aを消去", "補助線Cを消去", "傾き a", "切片 b", "座標平面の大きさ 中"):
        if not any(node.name == name and showing(node) for node in nodes(window)):
            fail(f"no showing control named {name!r}")
    hidden = [n.name for n in nodes(window) if n.name in ("補助線B", "消去") and showing(n)]
    if hidden:
        fail(f"hidden controls are showing: {hidden}")
    quick = [n for n in nodes(window) if n.getRoleName() == "check box" and showing(n)]
    if len(quick) != 1:
        fail(f"{len(quick)} Quick boxes are showing, not 1")
    slope = next(n for n in nodes(window) if n.name == "傾き a")
    if "p/q" not in slope.description:
        fail(f"the box for a does not say that p/q is allowed: {slope.description!r}")


def check_plane(app, parts):
    # The description follows a change within a fraction of a second.
    deadline = time.time() + 3
    while True:
        description = plane(app).description
        missing = [p for p in parts if p not in description]
        if not missing:
            print(f"  plane: {description}")
            return
        if time.time() > deadline:
            fail(f"the plane's description {description!r} lacks {missing}")
        time.sleep(0.1)


def count_events(seconds):
    count = 0

    def on_change(event):
        nonlocal count
        if event.source is not None and event.source.name == "座標平面":
            count += 1

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-description")
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    print("listening", flush=True)
    pyatspi.Registry.start()
    print(count)


def main():
    if len(sys.argv) < 2:
        fail(__doc__)
    if sys.argv[1] == "events":
        count_events(float(sys.argv[2]))
        return
    app = lesson_app()
    if sys.argv[1] == "controls":
        check_controls(app)
    elif sys.argv[1] == "plane":
        check_plane(app, sys.argv[2:])
    else:
        fail(__doc__)


main()
