"""The canvas shows the desktop's picture: for lesson states at every size,
for several slopes, with line A and the triangle (at k = 1, enlarged, at
the integer multiple, dragged), at least 99.9 % of the desktop's black, red
and blue ink pixels each have ink of the same colour on the canvas within
one pixel, and the other way round. The figures are printed per state.

A new size while line A animates or the triangle is dragged leaves, once
the lesson has finished, the picture of a fresh load at that size, colour
by colour and pixel for pixel."""
import os
import subprocess
import tempfile
from pathlib import Path

import pytest

from harness import ROOT
from pictures import COLOURS, compare, read_ppm

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
MINIMUM = 0.999


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
            figures[name] = compare((desktop, 3), (canvas, 4), w, h)
    report(page, "desktop's in canvas, canvas's in desktop", figures)
    assert page.problems() == []


def report(page, what, figures):
    """Prints the shares per state and colour, then asserts each."""
    print("\n%s: share of ink pixels with ink of the same colour of the other within "
          "one pixel (%s)" % (page.engine, what))
    for name, shares in figures.items():
        print("  %-12s " % name + "   ".join("%s %6.2f %% %6.2f %%" % (
            colour, 100 * shares[colour][0], 100 * shares[colour][1]) for colour in COLOURS))
    below = [(name, colour, first, second) for name, shares in figures.items()
             for colour, (first, second) in shares.items() if min(first, second) < MINIMUM]
    assert not below, below


# A room at one and a half times the layout: even plane pixels lie on whole
# CSS pixels there, as they do at the default room's scale of 1.
ROOM = (1536, 1031)


@pytest.mark.parametrize("during", ["line A", "drag"])
def test_a_new_size_while_drawing(page, server, during):
    canvases = []
    for fresh in (False, True):
        page.open(server.url, *(ROOM if fresh else (1280, 687)))
        page.graph("2/3", "1")
        resize = (lambda: None) if fresh else (lambda: page.viewport(*ROOM))
        if during == "line A":
            page.click("Command10")
            page.wait("window.lessonTest.busy()")
            resize()
            assert page.js("window.lessonTest.busy()"), "line A ended before the new size"
            page.click("Check2")
        else:
            page.click("Check2")
            page.click("Command12")
            page.idle()
            press, moved = (page.plane_to_page(*p) for p in ((300, 300), (320, 280)))
            page.pointer([("move",) + press, ("down",), ("move",) + moved])
            resize()
            page.wait("document.getElementById('Picture1').clientWidth === 960")
            page.pointer([("move",) + page.plane_to_page(350, 250), ("up",)])
        page.idle()
        page.says("始点 (1, 2)" if during == "drag" else "補助線A あり")
        canvases.append(page.canvas())
    (w, h, first), (fw, fh, second) = canvases
    assert (w, h) == (fw, fh) == (960, 960)
    report(page, "after a new size, fresh at it", {during: compare((first, 4), (second, 4), w, h)})
    # The same engine drawing the same marks: pixel for pixel, so old pixels
    # only scaled to the new size show even where they stay within a pixel.
    assert first == second, "%d pixels differ from a fresh load" % sum(
        first[i:i + 3] != second[i:i + 3] for i in range(0, len(first), 4))
    assert page.problems() == []


@pytest.mark.parametrize("dpr", [1, 2])
def test_grid_lines_are_sharp(server, dpr):
    """On the canvas alone, a vertical and a horizontal grid line each cover
    exactly the device pixels of their one layout pixel, black, with white
    on both sides: no grey of a line drawn between pixels. (Only Chromium
    can be given another pixel ratio here.)"""
    from harness import Page
    page = Page("chromium", dpr=dpr)
    try:
        page.open(server.url)
        page.idle()
        width, _, data = page.canvas()
        assert width == 640 * dpr

        def across(x, y, dx, dy):  # device pixels from 3 before the line's first to 3 after
            return [tuple(data[4 * ((y + dy * i) * width + x + dx * i):][:3])
                    for i in range(-3, dpr + 3)]
        black, white = (0, 0, 0), (255, 255, 255)
        expected = [white] * 3 + [black] * dpr + [white] * 3
        assert across(370 * dpr, 600 * dpr, 1, 0) == expected  # the grid line x = 1
        assert across(600 * dpr, 270 * dpr, 0, 1) == expected  # the grid line y = 1
    finally:
        page.quit()
