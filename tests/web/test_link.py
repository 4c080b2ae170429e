"""A teacher's link: the page hands its query to the lesson, which prepares
the example as the same steps by hand would (tst_preparation compares the
two); what a link cannot be trusted with is left out and reaches the page as
text at most; a link without a query is the lesson's ordinary start."""
from urllib.parse import quote

import pytest

PREPARED = "size=%s&a=2/3&b=-1&quick=1&draw=1&aux=AC" % quote("大")
HOSTILE = ("a=%s&b=%s&size=9&aux=Z&draw=yes&quick=on&colour=red&%s=1" % (
    quote("<img src=x onerror=\"window.injected=1\">"), "9" * 5000, quote("<script>")))


def by_hand(page, a="2/3", b="-1", size=2, quick=True, aux="AC"):
    """A prepared example's steps, as a pupil takes them: the size button of
    that index, a and b, Quick, the graph and the constructions."""
    if size is not None:
        page.click("Command3(%d)" % size)
    page.enter("Text1", a)
    page.enter("Text2", b)
    steps = ["Check2"] * quick + ["Command5"] + [{"A": "Command10", "C": "Command12"}[c] for c in aux]
    for name in steps:
        page.click(name)
        page.idle()


def start_state(page):
    return page.js("[document.activeElement.id, "
                   "[...document.querySelectorAll('#lesson button')].map(b => b.disabled)]")


@pytest.mark.parametrize("query", ["prepared", "animated", "hostile", "none"])
def test_link(page, server, query):
    page.open(server.url)
    ordinary = page.canvas(), start_state(page)
    if query == "prepared":
        page.open(server.url + "?" + PREPARED)
        page.says("1 目盛り 25 ピクセル（大きさ 大）", "補助線A あり", "横に 1、縦に 2/3")
        assert (page.value("Text1"), page.value("Text2")) == ("2/3", "-1")
        assert page.js("document.querySelector('#Check2 input').checked")
    elif query == "animated":
        # Without Quick the example's constructions wait between strokes,
        # input running meanwhile; Quick ticked then lets them finish at once.
        page.driver.get(server.url + "?a=2/3&b=1&draw=1&aux=AC")
        page.wait("window.lessonTest && window.lessonTest.busy()")
        page.click("Check2")
        page.idle()
        page.says("補助線A あり", "補助線C（傾きの三角形）あり")
    elif query == "hostile":
        page.open(server.url + "?" + HOSTILE)
        assert page.canvas() == ordinary[0]
        assert page.value("Text1") == "<img src=x onerror=\"window.injected=1\">"
        assert page.value("Text2") == "9" * 5000
        assert page.js("document.querySelectorAll('img, script:not([src])').length") == 0
        assert page.js("window.injected === undefined")
    else:
        page.open(server.url + "?")
        assert (page.canvas(), start_state(page)) == ordinary
    assert page.problems() == []
