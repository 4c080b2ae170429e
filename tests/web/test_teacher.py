"""The teacher's page: an example made by its controls is read back from a
screenshot by a decoder of its own (zbarimg) as exactly the link the page
shows, in the page and in the projector's view of the page reopened with
that link's query; the link prepares the same plane as the same steps by
hand. Values the lesson cannot read are marked, left out, and shown as text
only."""
import json
import subprocess
import tempfile
import time
from urllib.parse import urlencode

import pytest
from selenium.webdriver.common.by import By

from harness import DEADLINE
from test_link import by_hand

# Each example as the teacher makes it (the size button's index, or None
# for the size the page starts with) and the query of the link it gives.
EXAMPLES = {
    "large plane": (dict(size=2, a="2/3", b="-1", quick=False, aux="C"),
                    "size=3&a=2/3&b=-1&draw=1&aux=C"),
    "quick, both constructions": (dict(size=None, a="-3/2", b="2", quick=True, aux="AC"),
                                  "size=2&a=-3/2&b=2&quick=1&draw=1&aux=AC"),
}
# Why a value is left out, one of each reason, as the lesson reads the value.
REASONS = [("a", "abc", "数になっていません。"), ("a", "2x", "数のあとに、読めない文字があります。"),
           ("b", "1e39", "数が大きすぎます。"), ("a", "/2", "分子が数になっていません。"),
           ("a", "2x/3", "分子のあとに、読めない文字があります。"),
           ("a", "2//3", "分母が数になっていません。"),
           ("a", "1/2/3", "分母のあとに、読めない文字があります。"),
           ("a", "1/0", "分母は、0 でない -32768 から 32767 までの整数にしてください。"),
           ("b", "1/2", "ｂは分数にできません。")]
LOCAL = ("このアドレスは、この端末の中でしか開けません。"
         "生徒に配るときは、学校のサーバーのアドレスでこのページを開いてください。")
TOO_LONG = ("リンクが長すぎて、教室のうしろから読める２次元コードになりません。"
            "ａやｂを短くしてください。")
HOSTILE = '<img src=x onerror="window.injected=1">'


def open_teacher(page, url, width=1366, height=768):
    page.viewport(width, height)
    page.driver.get(url)
    page.wait("document.documentElement.dataset.teacher === 'ready'")


def shows(page, link):
    page.wait("document.getElementById('link').textContent === %s" % json.dumps(link))


def decodes_to(page, link):
    """Waits until zbarimg reads one QR code in a screenshot of the viewport,
    and that the link: an engine may capture the frame before the page's
    last change."""
    end = time.monotonic() + DEADLINE
    while True:
        with tempfile.NamedTemporaryFile(suffix=".png") as shot:
            shot.write(page.driver.get_screenshot_as_png())
            shot.flush()
            read = subprocess.run(["zbarimg", "--raw", "-q", "-Sdisable", "-Sqrcode.enable",
                                   shot.name], capture_output=True, text=True, check=False)
        codes = read.stdout.splitlines()
        if codes == [link]:
            return
        assert time.monotonic() < end, codes
        time.sleep(0.2)


@pytest.mark.parametrize("example", EXAMPLES)
def test_an_example_in_one_scan(page, server, example):
    steps, query = EXAMPLES[example]
    link = server.url + "?" + query
    open_teacher(page, server.url + "teacher.html")
    if steps["size"] is not None:
        page.click("size-%d" % (steps["size"] + 1))
    page.enter("a", steps["a"])
    page.enter("b", steps["b"])
    for name in ["quick"] * steps["quick"] + ["draw"] + ["aux-" + c.lower() for c in steps["aux"]]:
        page.click(name)
    shows(page, link)
    decodes_to(page, link)
    # The preview is the lesson itself, opened with the link's query.
    page.wait("(f => f.getAttribute('src') === %s && f.contentDocument.documentElement"
              ".dataset.lesson === 'ready' && f.contentDocument.getElementById('Text1').value"
              " === %s)(document.getElementById('preview'))"
              % (json.dumps("index.html?" + query), json.dumps(steps["a"])))
    unnamed = [e.get_attribute("outerHTML")[:80] for e in page.driver.find_elements(
        By.CSS_SELECTOR, "input, button, a, iframe, svg") if e.is_displayed() and not e.accessible_name]
    assert unnamed == []
    assert page.js("document.querySelector('#code svg').getAttribute('aria-label')") == link

    # Reopened with that query, in the projector's view: one code, large.
    open_teacher(page, server.url + "teacher.html?" + query + "#projector", 1920, 1080)
    shows(page, link)
    assert page.js("document.querySelector('#code svg').getBoundingClientRect().width") >= 648
    decodes_to(page, link)

    page.open(server.url)
    by_hand(page, steps["a"], steps["b"], steps["size"], steps["quick"], steps["aux"])
    expected = page.canvas()
    page.open(link)
    assert page.canvas() == expected
    assert page.problems() == []


def test_values_the_lesson_cannot_read(page, server):
    nines = "9" * 5000
    open_teacher(page, server.url + "teacher.html?" + urlencode({"a": HOSTILE, "b": nines,
                                                                 "draw": "1"}))
    shows(page, server.url + "?size=2&draw=1")
    assert (page.value("a"), page.value("b")) == (HOSTILE, nines)
    marked = "['a', 'b'].map(n => [document.getElementById(n).getAttribute('aria-invalid'), " \
             "document.getElementById(n + '-reason').textContent !== ''])"
    assert page.js(marked) == [["true", True], ["true", True]]
    decodes_to(page, server.url + "?size=2&draw=1")
    assert page.js("document.querySelectorAll('img, script:not([src])').length") == 0
    assert page.js("window.injected === undefined")
    # Typed: marked at once and left out, beside a value that goes in.
    page.enter("a", "2//3")
    page.enter("b", "1")
    shows(page, server.url + "?size=2&b=1&draw=1")
    assert page.js(marked) == [["true", True], [None, False]]
    decodes_to(page, server.url + "?size=2&b=1&draw=1")
    assert page.problems() == []


def test_reasons_and_notes(page, server):
    """Each reason a value is left out, as the lesson gives it; the note at
    the computer's own address (the tests' 127.0.0.1) beside the code; a
    link too long for a code read from the back row drawn as none, with its
    note."""
    note = "document.getElementById('code-note').textContent === %s"
    open_teacher(page, server.url + "teacher.html")
    page.wait(note % json.dumps(LOCAL))
    for name, value, reason in REASONS:
        page.enter(name, value)
        page.wait("document.getElementById('%s-reason').textContent.startsWith(%s)"
                  % (name, json.dumps(reason)))
        page.enter(name, "")
    page.enter("a", "0." + "1" * 250)
    page.wait((note % json.dumps(TOO_LONG)) + " && document.getElementById('code').hidden")
    assert page.problems() == []
