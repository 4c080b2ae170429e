"""The page in a pupil's hands on a tablet: Chromium emulating an iPad held
upright (a mobile viewport of 810 x 1010 at pixel ratio 2, as Safari leaves
it) with touch, and turned sideways (1080 x 740); Japanese typed through an
input method's composition. WebKitGTK's driver can send neither touch nor a
composition, so these run in Chromium only."""
import pytest

from harness import Page

TABLET = {"width": 810, "height": 1010, "deviceScaleFactor": 2, "mobile": True}
SIDEWAYS = dict(TABLET, width=1080, height=740)
# Where the controls stand: beneath the plane, or beside it.
BENEATH = ("(p => document.getElementById('Command5').getBoundingClientRect().top > p.bottom)"
           "(document.getElementById('Picture1').getBoundingClientRect())")
BESIDE = BENEATH.replace(".top > p.bottom", ".left > p.right")


@pytest.fixture(scope="module")
def tablet():
    page = Page("chromium")
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", TABLET)
    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                {"enabled": True, "maxTouchPoints": 5})
    yield page
    page.quit()


def load(page, url, metrics=TABLET):
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
    page.driver.get(url)
    page.wait("document.documentElement.dataset.lesson === 'ready'")
    page.idle()
    assert page.js("[innerWidth, innerHeight, devicePixelRatio]") == \
        [metrics["width"], metrics["height"], 2]


def cdp(page, command, **params):
    return page.driver.execute_cdp_cmd(command, params)


def touch(page, points):
    """A finger down at the first point, moved through the rest, lifted."""
    cdp(page, "Input.dispatchTouchEvent", type="touchStart",
        touchPoints=[{"x": points[0][0], "y": points[0][1]}])
    for x, y in points[1:]:
        cdp(page, "Input.dispatchTouchEvent", type="touchMove", touchPoints=[{"x": x, "y": y}])
    cdp(page, "Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])


def tap(page, name):
    touch(page, [page.center(name)])
    page.idle()


def compose(page, text):
    """Each character composed, then the composition committed by Enter, as a
    Japanese input method sends them: the key comes while the composition is
    still open, with the key code 229 of an input method's key."""
    for i in range(1, len(text) + 1):
        cdp(page, "Input.imeSetComposition", text=text[:i], selectionStart=i, selectionEnd=i)
    enter = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 229}
    cdp(page, "Input.dispatchKeyEvent", type="keyDown", **enter)
    cdp(page, "Input.insertText", text=text)
    cdp(page, "Input.dispatchKeyEvent", type="keyUp", **enter)


def still(page):
    """Neither scrolled, nor zoomed, nor any text selected."""
    return page.js("[scrollX, scrollY, visualViewport.scale, getSelection().toString()]") == \
        [0, 0, 1, ""]


def test_a_lesson_by_taps(tablet, server):
    """Held upright, the controls beneath a plane that fills the width."""
    page = tablet
    load(page, server.url)
    assert page.js(BENEATH) and page.js("document.getElementById('Picture1').clientWidth") >= 600
    tap(page, "Text1")
    cdp(page, "Input.insertText", text="2/3")
    tap(page, "Text2")
    cdp(page, "Input.insertText", text="-1")
    for name in ("Check2", "Command5", "Command10", "Command12", "Command8(0)"):
        tap(page, name)
    page.says("補助線A あり", "横に 2、縦に 4/3、始点 (0, -1)")
    tap(page, "Command7")
    page.says("横に 3、縦に 2、始点 (0, -1)")
    # The triangle dragged by a finger, by its displacement; a double tap
    # and a swipe elsewhere neither zoom nor scroll the page.
    start = page.plane_to_page(300, 300)
    end = page.plane_to_page(350, 250)
    # A second drag after the first moves it again. The plane keeps every
    # touch to itself.
    for moved in ("始点 (1, 0)", "始点 (2, 1)"):
        touch(page, [start] + [(start[0] + (end[0] - start[0]) * i / 8,
                                start[1] + (end[1] - start[1]) * i / 8) for i in range(1, 9)])
        page.idle()
        page.says("）あり：", moved)
    assert page.js("getComputedStyle(document.getElementById('Picture1')).touchAction") == "none"
    for _ in range(2):
        touch(page, [page.center("Label7")])
    touch(page, [(400, 900), (400, 300)])
    assert still(page)
    tap(page, "Command3(2)")
    page.says("1 目盛り 25 ピクセル（大きさ 大）")
    tap(page, "Command2")
    assert (page.value("Text1"), page.focused()) == ("", "Text1")
    assert still(page)
    assert page.problems() == []


def test_turned_during_line_a(tablet, server):
    """The iPad turned upright and back while line A is drawn: the lesson goes
    on, and ends with the picture of a lesson never turned."""
    page = tablet
    load(page, server.url, SIDEWAYS)
    page.graph("2/3", "-1")
    page.click("Command10")
    page.wait("window.lessonTest.busy()")
    for metrics, arranged in ((TABLET, BENEATH), (SIDEWAYS, BESIDE)):
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        page.wait(arranged)
        assert page.js("window.lessonTest.busy()")  # line A still being drawn
    page.idle()
    page.says("補助線A あり")
    turned = page.canvas()
    load(page, server.url, SIDEWAYS)
    page.graph("2/3", "-1")
    page.click("Command10")
    page.idle()
    assert page.canvas() == turned
    assert page.problems() == []


def test_japanese_typed_through_an_input_method(tablet, server):
    """Full-width digits, a fraction, a minus and a point, composed, draw
    what ASCII draws; the Enter that commits a composition is the input method's, and
    only the next one moves on to the box for b."""
    page = tablet
    load(page, server.url)
    page.graph("-1/2", "3.5")
    ascii_plane = page.canvas()
    load(page, server.url)
    tap(page, "Text1")
    compose(page, "－１／２")
    page.idle()
    assert (page.value("Text1"), page.focused()) == ("-1/2", "Text1")
    page.key("\ue007")  # Enter, the box's own
    page.idle()
    assert page.focused() == "Text2"
    compose(page, "３．５")
    tap(page, "Command5")
    page.says("グラフ y = -1/2 x + 3.5。")
    assert page.value("Text2") == "3.5"
    assert page.canvas() == ascii_plane
    assert page.problems() == []
