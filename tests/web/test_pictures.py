"""The canvas shows the desktop's picture: for lesson states at every size,
for several slopes, with line A and the triangle (at k = 1, enlarged, at
the integer multiple, dragged), at least 98 % of the desktop's ink pixels
have ink of the canvas within one pixel, and the other way round. The
figures are printed per state."""
import os
import subprocess
import tempfile
from pathlib import Path

import pytest

from harness import ROOT
from pictures import agreement, ink, read_ppm

DESKTOP = Path(os.environ.get("LESSON_DESKTOP_PICTURES",
                              ROOT / "build" / "tests" / "web_desktop_pictures"))
# name: steps, as tests/web/desktop_pictures.cpp takes them.
STATES = {
    "小": "quick size:0 a:2/3 b:1 graph",
    "中": "quick a:2/3 b:1 graph",
    "大": "quick size:2 a:2/3 b:1 graph",
    "特大": "quick size:3 a:2/3 b:1 graph",
    "a=-3/4": "quick a:-3/4 b:1 graph",
    "a=7/2": "quick a:7/2 b:1 graph",
    "a=2": "quick a:2 b:1 graph",
    "a=-1": "quick a:-1 b:1 graph",
    "a=0.5": "quick a:0.5 b:1 graph",
    "line A": "quick a:2/3 b:1 graph A",
    "line A 特大": "quick size:3 a:2/3 b:1 graph A",
    "k=1": "quick a:2/3 b:1 graph A C",
    "拡大": "quick a:-3/4 b:-2 graph C + +",
    "整数倍": "quick a:2/3 b:1 graph A C int",
    "dragged": "quick a:7/2 b:1 graph C drag:330,268,410,300",
}
BUTTONS = {"graph": "Command5", "A": "Command10", "C": "Command12", "+": "Command8(0)",
           "-": "Command8(1)", "int": "Command7"}
MINIMUM = 0.98


def run(page, steps):
    """Runs the steps on the page; returns them as the desktop is to run them,
    with each drag at the plane pixels the page reported."""
    done = []
    for step in steps.split():
        what, _, arg = step.partition(":")
        if what == "quick":
            page.click("Check2")
        elif what in ("a", "b"):
            page.enter("Text1" if what == "a" else "Text2", arg)
        elif what == "size":
            page.click("Command3(%s)" % arg)
        elif what == "drag":
            p = [float(v) for v in arg.split(",")]
            (x1, y1), (x2, y2) = page.drag([(p[0], p[1]), (p[2], p[3])])
            step = "drag:%r,%r,%r,%r" % (x1, y1, x2, y2)
        else:
            page.click(BUTTONS[what])
        page.idle()
        done.append(step)
    return " ".join(done)


def test_canvas_shows_the_desktops_picture(page, server):
    figures = {}
    with tempfile.TemporaryDirectory() as folder:
        shown = {}
        for name, steps in STATES.items():
            page.open(server.url)
            done = run(page, steps)
            shown[name] = (done, page.canvas())
        width = shown["中"][1][0]
        assert width == 640 and page.js("window.devicePixelRatio") == 1
        subprocess.run([str(DESKTOP), folder, "1"] +
                       ["%d=%s" % (i, shown[n][0]) for i, n in enumerate(STATES)],
                       check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        for i, name in enumerate(STATES):
            w, h, desktop = read_ppm(Path(folder) / ("%d.ppm" % i))
            cw, ch, canvas = shown[name][1]
            assert (w, h) == (cw, ch)
            d, c = ink(desktop, w, h, 3), ink(canvas, w, h, 4)
            figures[name] = (agreement(d, c, w), agreement(c, d, w))
    print("\n%s: share of ink pixels with ink of the other within one pixel" % page.engine)
    for name, (d, c) in figures.items():
        print("  %-12s desktop's in canvas %6.2f %%   canvas's in desktop %6.2f %%"
              % (name, 100 * d, 100 * c))
    for name, (d, c) in figures.items():
        assert d >= MINIMUM and c >= MINIMUM, name
    assert page.problems() == []
