"""What a fingertip and an accessibility audit find on the page, on the
classroom's screens: Chromium emulating an iPad held sideways and upright
and a Chromebook, as mobile touch devices. The page is asked which control
answers at every point around each one (document.elementFromPoint), so that
the controls' own boxes, their labels and their hit areas all count."""
import json

import pytest

from harness import ROOT, Page

SCREENS = {"iPad landscape": (1080, 740), "iPad portrait": (810, 1010),
           "Chromebook": (1366, 657)}
FINGERTIP = 44  # CSS pixels: WCAG 2.5.5, Apple's and the Japanese design system's target
AXE = ROOT / "build-npm" / "node_modules" / "axe-core" / "axe.min.js"
# The lesson as it opens, and with the readings, speech and the dark scheme on.
SUPPORTS = {"plain": "", "supported": "&ruby=1&voice=1&dark=1"}

# For every control shown that takes a tap: the side of the largest square
# every point of which answers for it, and whether every point of its own
# box does. A point answers for the control whose element, or whose hit
# area, is under it.
SQUARES = """(() => {
  const owner = (e) => {
    const hit = e && e.closest('[data-hit]');
    const c = hit ? document.querySelector('#lesson > [data-row="' + hit.dataset.hit + '"]')
                  : e && e.closest('[data-row]');
    return c ? c.id : '';
  };
  const at = (x, y) => owner(document.elementFromPoint(x + 0.5, y + 0.5));
  const found = {};
  for (const e of document.querySelectorAll(
      '#lesson > button, #lesson > input, #lesson > label.control')) {
    if (e.hidden)
      continue;
    const r = e.getBoundingClientRect();
    let own = true;
    for (let y = Math.ceil(r.top); y < Math.floor(r.bottom); ++y)
      for (let x = Math.ceil(r.left); x < Math.floor(r.right); ++x)
        own = own && at(x, y) === e.id;
    // The largest square of points answering for it, within 60 pixels.
    const x0 = Math.max(0, Math.floor(r.left) - 60), x1 = Math.min(innerWidth, r.right + 60);
    const y0 = Math.max(0, Math.floor(r.top) - 60), y1 = Math.min(innerHeight, r.bottom + 60);
    let best = 0;
    let above = new Array(x1 - x0 + 1).fill(0);
    for (let y = y0; y < y1; ++y) {
      const row = new Array(x1 - x0 + 1).fill(0);
      for (let x = x0; x < x1; ++x) {
        const i = x - x0 + 1;
        if (at(x, y) === e.id)
          best = Math.max(best, row[i] = 1 + Math.min(row[i - 1], above[i], above[i - 1]));
      }
      above = row;
    }
    found[e.id] = [best, own];
  }
  return found;
})()"""


def mobile(page, width, height):
    """The page shown as a mobile touch device of that size, at pixel ratio 2."""
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                {"enabled": True, "maxTouchPoints": 5})


@pytest.fixture(scope="module")
def chromium():
    page = Page("chromium")
    yield page
    page.quit()


def ready(page, url, width, height):
    page.driver.execute_script("try { localStorage.clear(); } catch (e) {}")
    mobile(page, width, height)
    page.driver.get(url)
    page.wait("document.documentElement.dataset.lesson === 'ready'")
    page.idle()
    assert page.js("[innerWidth, innerHeight]") == [width, height]


@pytest.mark.parametrize("supports", SUPPORTS)
@pytest.mark.parametrize("screen", SCREENS)
def test_every_control_takes_a_fingertip(chromium, server, screen, supports):
    """Every control a pupil taps holds a fingertip's square, and no
    neighbour's area takes a point of its own box."""
    page = chromium
    ready(page, server.url + "?a=2/3&b=-1&quick=1&draw=1&aux=AC" + SUPPORTS[supports],
          *SCREENS[screen])
    squares = page.js(SQUARES)
    print(screen, json.dumps(squares, ensure_ascii=False))
    # Every button shown, both boxes, Quick, the ink's tools and the supports.
    assert len(squares) == 29
    for name, (side, own) in squares.items():
        assert own, "%s: a point of its box answers for another control" % name
        assert side >= FINGERTIP, "%s: the largest square is %d px" % (name, side)


@pytest.mark.parametrize("supports", SUPPORTS)
@pytest.mark.parametrize("width, height", [(1366, 768), (810, 1010)])
def test_axe_finds_nothing(chromium, server, width, height, supports):
    """axe-core's WCAG 2.2 A and AA rules, its best practices and the target
    size, on the lesson with both constructions shown. (WebDriver's scripts
    are not bound by the page's content security policy.)"""
    page = chromium
    ready(page, server.url + "?a=2/3&b=-1&quick=1&draw=1&aux=AC" + SUPPORTS[supports], width,
          height)
    page.driver.execute_script(AXE.read_text(encoding="utf-8"))
    found = page.driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',
            'wcag21aa', 'wcag22aa', 'best-practice']}, rules: {'target-size': {enabled: true}}})
          .then((r) => done(r.violations.map((v) => [v.id, v.nodes.map((n) => n.target)])),
                (e) => done([['axe failed', String(e)]]));""")
    assert found == []
