"""Ink on the plane in both engines: a pen writes on its layer while the
plane's picture beneath stays as it was, a finger or the mouse drags the
triangle, a palm under the pen is ignored, the marks stay on the grid when
the page turns, and the picture handed in is the plane with its ink."""
import pytest
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

from test_tablet import BENEATH, BESIDE, SIDEWAYS, TABLET, cdp, load, touch

# The plane's pixels as a hash, and whether the ink's layers hold a mark at
# plane pixel (x, y).
PLANE_HASH = """(() => { const c = document.getElementById('Picture1');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let h = 0; for (let i = 0; i < d.length; i++) h = (h * 31 + d[i]) | 0; return h; })()"""
INK_AT = """((x, y) => lessonTest.inkLayers().some((c) => { const u = c.width / 640;
  return c.getContext('2d').getImageData(Math.floor(x * u), Math.floor(y * u), 1, 1).data[3] > 0;
}))(%f, %f)"""
PATH = [(100, 100), (200, 150), (300, 120), (400, 200)]


def ink_at(page, x, y):
    return page.js(INK_AT % (x, y))


def pen_stroke(page, points):
    """A stylus through plane pixels: WebDriver's pen where the engine's
    driver offers it, else the mouse with ペン on."""
    page_points = [page.plane_to_page(*p) for p in points]
    if page.engine == "chromium":
        builder = ActionBuilder(page.driver, mouse=PointerInput(interaction.POINTER_PEN, "pen"))
    else:
        page.click("PenTool")
        builder = ActionBuilder(page.driver)
    builder.pointer_action.move_to_location(*map(round, page_points[0])).pointer_down()
    for x, y in page_points[1:]:
        builder.pointer_action.move_to_location(round(x), round(y))
    builder.pointer_action.pointer_up()
    builder.perform()
    if page.engine != "chromium":
        page.click("PenTool")
    page.idle()


def test_a_pen_writes_and_a_finger_drags(page, server):
    page.open(server.url)
    page.graph("1", "0")
    page.click("Command12")
    page.idle()
    plane = page.js(PLANE_HASH)
    pen_stroke(page, PATH)
    for (x0, y0), (x1, y1) in zip(PATH, PATH[1:]):
        assert ink_at(page, (x0 + x1) / 2, (y0 + y1) / 2)
    assert not ink_at(page, 500, 500)
    assert page.js(PLANE_HASH) == plane
    page.says("書き込み 1 本")
    page.drag([(320, 320), (360, 300)], touch=page.engine == "chromium")  # a finger
    page.idle()
    page.says("始点 (0.8, 0.4)")
    assert ink_at(page, 150, 125) and page.problems() == []


def test_a_palm_is_ignored_and_the_ink_turns_with_the_tablet(server):
    from harness import Page
    page = Page("chromium")
    try:
        cdp(page, "Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        load(page, server.url, TABLET)
        page.graph("1", "0")
        page.click("Command12")
        page.idle()
        page.says("始点 (0, 0)")
        pen = [page.plane_to_page(*p) for p in PATH]
        cdp(page, "Input.dispatchMouseEvent", type="mousePressed", x=pen[0][0], y=pen[0][1],
            button="left", clickCount=1, pointerType="pen")
        touch(page, [page.plane_to_page(320, 320), page.plane_to_page(400, 250)])  # a palm
        for x, y in pen[1:]:
            cdp(page, "Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y, button="left",
                buttons=1, pointerType="pen")
        cdp(page, "Input.dispatchMouseEvent", type="mouseReleased", x=pen[-1][0], y=pen[-1][1],
            button="left", clickCount=1, pointerType="pen")
        page.idle()
        page.says("書き込み 1 本", "始点 (0, 0)")
        for metrics, arranged in ((SIDEWAYS, BESIDE), (TABLET, BENEATH)):
            cdp(page, "Emulation.setDeviceMetricsOverride", **metrics)
            page.wait(arranged)
            page.idle()
            assert ink_at(page, 250, 135) and not ink_at(page, 250, 300)
    finally:
        page.quit()


def test_the_picture_handed_in_is_the_plane_with_its_ink(page, server):
    page.open(server.url)
    page.graph("2/3", "-1")
    pen_stroke(page, PATH)
    page.click("Command10")  # line A animates under the ink
    page.idle()
    page.says("補助線A あり")
    assert ink_at(page, 150, 125)
    page.js("lessonTest.captureSaves()")
    page.click("SavePicture")
    page.wait("lessonTest.saved.length === 1")
    assert page.js("lessonTest.saved[0].name") == "y=2／3x-1.png"
    # The PNG decoded by the engine, against the plane and its layers as shown.
    same = page.js("""(async () => {
      const url = lessonTest.saved[0].url;
      const bytes = Uint8Array.from(atob(url.slice(url.indexOf(',') + 1)), (c) => c.charCodeAt(0));
      const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
      const plane = document.getElementById('Picture1');
      const draw = (sources) => {
        const c = document.createElement('canvas');
        c.width = plane.width; c.height = plane.height;
        const ctx = c.getContext('2d');
        for (const s of sources) ctx.drawImage(s, 0, 0);
        return ctx.getImageData(0, 0, c.width, c.height).data;
      };
      const a = draw([image]);
      const b = draw([plane, ...lessonTest.inkLayers()]);
      return [image.width === plane.width, a.every((v, i) => v === b[i])];
    })()""")
    assert same == [True, True]
