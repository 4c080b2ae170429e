"""Taps where a finger lands: on a tablet (Chromium emulating an iPad held
upright and sideways, with touch), a tap in the part of a control's hit area
that lies outside its visible box, one beside each side the area reaches
past, reaches that control as a tap on the control itself would."""
import pytest

from test_tablet import SIDEWAYS, TABLET, cdp, load, touch

# The clicks and focus the page's controls receive, recorded and kept from
# the lesson (a click would draw, end or share); each control enabled, so
# that one taking no input now takes the tap like the rest.
RECORD = """
  window.reached = [];
  const take = (e) => { const c = e.target.closest && e.target.closest('[data-row]');
                        if (c) reached.push(c.id); };
  document.addEventListener('click', (e) => { take(e); e.stopPropagation(); e.preventDefault(); },
                            true);
  document.addEventListener('focusin', take, true);
  for (const e of document.querySelectorAll('#lesson > [data-row]'))
    if ('disabled' in e) e.disabled = false;"""
# For every shown control with a hit area: a point beside each side of its
# box, halfway out to the side of its area, where the area reaches past it.
POINTS = """return [...document.querySelectorAll('#lesson > [data-hit]')].flatMap((h) => {
  const e = document.querySelector('#lesson > [data-row="' + h.dataset.hit + '"]');
  if (e.hidden) return [];
  const b = e.getBoundingClientRect(), a = h.getBoundingClientRect();
  const x = (b.left + b.right) / 2, y = (b.top + b.bottom) / 2;
  return [[a.left, b.left, (a.left + b.left) / 2, y], [b.right, a.right, (b.right + a.right) / 2, y],
          [a.top, b.top, x, (a.top + b.top) / 2], [b.bottom, a.bottom, x, (b.bottom + a.bottom) / 2]]
    .filter(([from, to]) => to - from >= 2).map(([, , px, py]) => [e.id, px, py]);
});"""


@pytest.mark.parametrize("metrics", [TABLET, SIDEWAYS], ids=["upright", "sideways"])
def test_taps_beside_a_box_reach_its_control(metrics, server):
    from harness import Page
    page = Page("chromium")
    try:
        cdp(page, "Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        load(page, server.url, metrics)
        page.driver.execute_script(RECORD)
        points = page.driver.execute_script(POINTS)
        assert len({name for name, _, _ in points}) >= 20
        missed = []
        for name, x, y in points:
            page.driver.execute_script("reached.length = 0")
            touch(page, [(x, y)])
            page.wait("reached.length > 0")
            if page.js("reached")[-1] != name:
                missed.append((name, round(x), round(y), page.js("reached")))
        assert not missed
    finally:
        page.quit()
