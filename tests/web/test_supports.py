"""The reading supports: readings, speech, the dark scheme, and their keeping."""
import collections

import pytest

LESSON = "a=2/3&b=-1&quick=1&draw=1&aux=AC"
ARRANGEMENTS = {"landscape": (1280, 800), "portrait": (810, 1010)}

# Kanji outside a reading's base, each reading that meets another control's
# box or text or another reading (or leaves the window), and where each
# control's texts stand, by control.
READINGS = r"""(() => {
  const lesson = document.getElementById('lesson');
  const round = (r) => [r.left, r.top, r.right, r.bottom].map((v) => Math.round(v * 10) / 10);
  const bare = [], texts = [], places = {};
  const walk = document.createTreeWalker(lesson, NodeFilter.SHOW_TEXT);
  for (let n = walk.nextNode(); n; n = walk.nextNode()) {
    const c = n.parentElement.closest('[data-row]');
    if (!c || c.hidden || n.parentElement.closest('.unseen, rt') || !n.data.trim()) continue;
    if (/[\u4e00-\u9fff]/.test(n.data) && !n.parentElement.closest('ruby')) bare.push(n.data);
    const range = new Range();
    range.selectNodeContents(n);
    for (const r of range.getClientRects()) texts.push([c.id, 'text', r]);
    const r = round(range.getBoundingClientRect()), u = (places[c.id] || [0, r])[1];
    places[c.id] = [round(c.getBoundingClientRect()), u.map((v, i) => Math[i < 2 ? 'min' : 'max'](v, r[i]))];
  }
  for (const e of lesson.querySelectorAll(':scope > :is(button, input, label.control, canvas)'))
    if (!e.hidden) texts.push([e.id, 'box', e.getBoundingClientRect()]);
  const rts = [...lesson.querySelectorAll('rt')].filter((e) => e.getClientRects().length)
    .map((e) => [e.closest('[data-row]').id, 'reading', ((r) => (r.selectNodeContents(e),
                                                           r.getBoundingClientRect()))(new Range())]);
  const meet = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5 &&
                         a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
  const clashes = [];
  for (const [id, , r] of rts) {
    for (const [other, kind, s] of texts.concat(rts))
      if (s !== r && (other !== id || kind === 'reading') && meet(r, s)) clashes.push([id, other, kind]);
    if (r.top < 0 || r.left < 0 || r.right > innerWidth) clashes.push([id, 'window']);
  }
  return {bare: bare, clashes: clashes, readings: rts.length, places: places};
})()"""

# The page's speech, recorded: each utterance as [text, lang, rate], each
# cancel as null; the device has one voice, of that language.
SPEECH = """window.spoken = [];
Object.defineProperty(window, 'speechSynthesis', {configurable: true, value: %s && {
  getVoices: () => [{lang: %s, name: 'only'}], addEventListener: () => {},
  cancel: () => spoken.push(null), speak: (u) => spoken.push([u.text, u.lang, u.rate])}});
window.SpeechSynthesisUtterance = function (text) { this.text = text; };"""


@pytest.fixture(autouse=True)
def forget(page):
    yield
    page.driver.execute_script("try { localStorage.clear(); } catch (e) {}")


@pytest.mark.parametrize("arrangement", ARRANGEMENTS)
def test_readings_stand_clear(page, server, arrangement):
    page.open(server.url + "?" + LESSON, *ARRANGEMENTS[arrangement])
    before = page.js(READINGS)["places"]
    page.click("Furigana")
    page.idle()
    found = page.js(READINGS)
    assert (found["bare"], found["clashes"], found["readings"] > 20) == ([], [], True)
    # A control that stays where it was shows its texts where they were.
    assert {c: p for c, p in found["places"].items() if p[0] == before[c][0]} == \
        {c: p for c, p in before.items() if p[0] == found["places"][c][0]}


def test_read_aloud(page, server):
    page.open(server.url + "?a=2/3&b=-1&draw=1")
    page.driver.execute_script(SPEECH % ("true", "'ja-JP'") + "lessonTest.recordWaits();")
    waits = []
    for step in (["Command10"], ["Command11", "ReadAloud", "Command10"]):
        page.js("lessonTest.waits.length = 0")
        for name in step:
            page.click(name), page.idle()
        ends = []  # a wait cut short by input is waited on to the same end
        for end in page.js("lessonTest.waits"):
            ends += [end] if not ends or end - ends[-1] > 2 else []
        waits.append((len(ends), ends[-1] - ends[0]))
    # Speech adds no wait and takes none of the animation's time.
    assert waits[0][0] == waits[1][0] and abs(waits[0][1] - waits[1][1]) < 0.1 * waits[0][1], waits
    spoken = [s for s in page.js("spoken") if s is None or s[0]]
    said = [s[0] for s in spoken if s]
    assert "ワイ イコール 3分の2 エックス マイナス 1 の グラフ。" in said
    assert "右へ 1、上へ 3分の2。" in said and spoken[0] is None
    assert {(s[1], s[2]) for s in spoken if s} == {("ja-JP", 1)}
    for name in ("Check2", "Command11", "ReadSlowly", "Command10"):
        page.click(name), page.idle()
    assert page.js("spoken").pop() == ["右へ 1、上へ 3分の2。", "ja-JP", 0.7]
    assert page.problems() == []


@pytest.mark.parametrize("device", ["voices of another language", "no speech"])
def test_no_japanese_voice(page, server, device):
    page.open(server.url)
    page.driver.execute_script(SPEECH % (("true", "'en-US'") if "voices" in device else ("0", 0)))
    note = "document.getElementById('voice-note')"
    page.click("ReadAloud")
    page.wait("[%s.hidden ? '' : %s.textContent, document.getElementById('ReadAloud-description')"
              ".textContent].every((t) => t === lessonTest.contract.Supports.noVoice)" % (note, note))
    for name in ("Text1", "ReadAloud", "ReadAloud"):
        page.click(name), page.idle()
    assert page.js("%s.hidden && !(window.spoken || []).some((s) => s && s[0])" % note)
    assert page.problems() == []


def test_dark_plane(page, server):
    counts = []
    for query in (LESSON, LESSON + "&dark=1"):
        page.open(server.url + "?" + query)
        pixels = page.canvas()[2]
        counts.append(collections.Counter(pixels[i:i + 3] for i in range(0, len(pixels), 4)))
    (light, dark), white, black = counts, b"\xff\xff\xff", b"\0\0\0"
    # Paper black, grid, axes and graph white, line A a lighter red.
    assert [c for c, _ in dark.most_common(2)] == [black, white]
    assert abs(dark[black] - light[white]) < 0.01 * light[white]
    assert abs(dark[white] - light[black]) < 0.05 * light[black]
    assert dark[b"\xff\x55\x55"] > 0 and dark[b"\xff\0\0"] == 0


def test_kept_and_linked(page, server):
    classes = "[...document.documentElement.classList].sort().join(' ')"
    page.open(server.url + "?ruby=1&dark=1")
    page.open(server.url)
    assert page.js(classes) == "dark ruby" and page.canvas()[2][:3] == b"\0\0\0"
    page.click("DarkScheme")
    page.idle()
    page.open(server.url)
    assert page.js(classes) == "ruby"
    if page.engine == "chromium":
        page.driver.execute_script("localStorage.clear()")
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-contrast", "value": "more"}]})
        page.open(server.url)
        page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        assert page.js(classes) == "dark"
    # A device that keeps nothing (private browsing) shows the supports all the same.
    page.driver.execute_script("localStorage.clear(); Object.defineProperty(window, "
                               "'localStorage', {get() { throw new Error('private'); }});")
    ruby = "document.documentElement.classList.contains('ruby')"
    had = page.js(ruby)
    page.click("Furigana")
    page.idle()
    assert page.js(ruby) != had and page.problems() == []
