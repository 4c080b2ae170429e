"""What a screen reader and a keyboard get from the page, read from
Chromium's accessibility tree (through its DevTools protocol): the controls'
names and descriptions, the plane as one image that describes itself, the
polite live region, the desktop's tab order, and the plane driven by keys."""
import time

import pytest
from selenium.webdriver.common.keys import Keys

from conftest import ENGINES
from harness import DEADLINE, Page

# The name a screen reader says for each control, by element id.
NAMES = {
    "Text1": ("textbox", "傾き a"),
    "Text2": ("textbox", "切片 b"),
    "Command5": ("button", "グラフをかく"),
    "Command2": ("button", "初期画面(クリア)"),
    "Command1": ("button", "終了"),
    "Picture1": ("image", "座標平面"),
    "Command3(0)": ("button", "座標平面の大きさ 小"),
    "Command3(1)": ("button", "座標平面の大きさ 中"),
    "Command3(2)": ("button", "座標平面の大きさ 大"),
    "Command3(3)": ("button", "座標平面の大きさ 特大"),
    "Command7": ("button", "整数倍"),
    "Command8(0)": ("button", "拡大"),
    "Command8(1)": ("button", "縮小"),
    "Command9": ("button", "補助線Cを消去"),
    "Command10": ("button", "補助線A"),
    "Command11": ("button", "補助線Aを消去"),
    "Command12": ("button", "補助線C"),
    "Check2": ("checkbox", "Quick"),
}
# The labels, read under what they stand for, never as their spaced-out text.
LABELS = ["座標平面の大きさ", "y 軸", "x 軸", "ｙ＝ ａχ＋ ｂ", "１次関数 ｙ＝ａχ＋ｂで"]
CURRENT_SIZE = "いま選ばれている大きさ"

# Where Tab goes from Text1, as on the desktop: the controls in the order of
# the lesson's table, the disabled and the hidden ones left out.
# The ink's tools follow the lesson's own controls; 元に戻す and 全部消す
# wait for a mark.
TOOLS = ["PenTool", "PenColour(0)", "PenColour(1)", "PenColour(2)", "EraserTool", "SavePicture",
         "Furigana", "ReadAloud", "ReadSlowly", "DarkScheme"]
TAB_ORDER = {"start": ["Text2", "Command5", "Command2", "Command1", "Picture1", "Command3(0)",
                       "Command3(1)", "Command3(2)", "Check2", "Command3(3)"] + TOOLS + ["Text1"],
             "after a lesson": ["Text2", "Command2", "Command1", "Picture1", "Command3(0)",
                                "Command3(1)", "Command3(2)", "Command7", "Command8(0)",
                                "Command8(1)", "Command9", "Check2", "Command3(3)",
                                "Command11"] + TOOLS + ["Text1"]}


@pytest.fixture(scope="module", params=ENGINES)
def page(request):
    if request.param != "chromium":
        pytest.skip("the accessibility tree is read through Chromium's DevTools protocol")
    p = Page(request.param)
    yield p
    p.quit()


def nodes(page):
    """The tree's nodes that are not ignored: role, name, description, the
    node's properties, and its children's ids, by node id."""
    tree = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})
    found = {}
    for n in tree["nodes"]:
        if n.get("ignored"):
            continue
        found[n["nodeId"]] = {
            "role": n["role"]["value"],
            "name": n.get("name", {}).get("value", ""),
            "description": n.get("description", {}).get("value"),
            "properties": {p["name"]: p["value"].get("value") for p in n.get("properties", [])},
            "children": n.get("childIds", []),
        }
    return found


def settled(page):
    """The tree and the plane's description, once the tree's plane says what
    the page last told (the page tells at most every 300 ms, and the tree
    follows the page a little later)."""
    end = time.monotonic() + DEADLINE
    while True:
        told = page.description()
        tree = nodes(page)
        plane = plane_image(tree)
        if plane and plane["description"] == told:
            return tree, told
        assert time.monotonic() < end, "the accessibility tree did not follow the page"
        time.sleep(0.1)


def named(tree, role, name):
    return [n for n in tree.values() if n["role"] == role and n["name"] == name]


def plane_image(tree):
    images = [n for n in tree.values() if n["role"] == "image"]
    return images[0] if len(images) == 1 else None


def short_lesson(page):
    """2/3 and 1, the graph, Quick, the plane's size 小, 補助線A and 補助線C."""
    page.graph("2/3", "1")
    page.click("Check2")
    page.click("Command3(0)")
    page.idle()
    page.click("Command10")
    page.idle()
    page.click("Command12")
    page.idle()
    page.says("補助線C（傾きの三角形）あり")


@pytest.mark.parametrize("moment", ["start", "after a lesson"])
def test_names_descriptions_and_the_plane(page, server, moment):
    page.open(server.url)
    if moment != "start":
        short_lesson(page)
    tree, told = settled(page)

    for element, (role, name) in NAMES.items():
        found = named(tree, role, name)
        assert len(found) == 1, (role, name, len(found))
        node = found[0]
        if element != "Picture1":
            description = page.js("document.getElementById('%s-description').textContent"
                                  % element)
            assert description and node["description"] == description, (name, node)
        assert node["properties"].get("disabled", False) == (not page.enabled(element)), name
    # The hidden controls (補助線B, its 消去, the other Quick) are not there at all.
    assert not named(tree, "button", "補助線B")
    assert [n["role"] for n in tree.values() if n["name"] == "Quick"].count("checkbox") == 1
    static = {n["name"] for n in tree.values() if n["role"] == "StaticText"}
    assert set(LABELS) <= static and "ｙ＝　   　　 χ＋" not in static

    # The plane: one image that describes itself, told through a polite live region.
    plane = plane_image(tree)
    assert plane["name"] == "座標平面" and plane["properties"].get("focusable")
    live = [n for n in tree.values() if "live" in n["properties"]]
    assert len(live) == 1 and live[0]["properties"]["live"] == "polite"
    assert [tree[c]["name"] for c in live[0]["children"] if c in tree] == [told]

    sizes = {name[-1]: node["description"] for node in tree.values()
             for name in [node["name"]] if name.startswith("座標平面の大きさ ")}
    if moment == "start":
        assert "大きさ 中" in told and "グラフはまだない" in told
        assert [s for s, d in sizes.items() if CURRENT_SIZE in d] == ["中"]
    else:
        for part in ("大きさ 小", "グラフ y = 2/3 x + 1。", "補助線A あり",
                     "補助線C（傾きの三角形）あり：横に 1、縦に 2/3、始点 (0, 1)"):
            assert part in told
        assert [s for s, d in sizes.items() if CURRENT_SIZE in d] == ["小"]


@pytest.mark.parametrize("moment", ["start", "after a lesson"])
def test_unseen_texts_are_in_their_own_face(page, server, moment):
    """What only a screen reader reads is laid out in the page's blank face
    alone: a character that face lacked would have the browser look a
    system face up for it, which made most of the page's first layout."""
    page.open(server.url)
    if moment != "start":
        short_lesson(page)
    cdp = page.driver.execute_cdp_cmd
    cdp("DOM.enable", {})
    cdp("CSS.enable", {})
    try:
        root = cdp("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
        unseen = cdp("DOM.querySelectorAll", {"nodeId": root,
                                               "selector": "#descriptions > *, .unseen"})["nodeIds"]
        assert len(unseen) > len(NAMES)
        for node in unseen:
            fonts = cdp("CSS.getPlatformFontsForNode", {"nodeId": node})["fonts"]
            assert {f["familyName"] for f in fonts} <= {"LessonUnseen"}, fonts
    finally:
        cdp("CSS.disable", {})
        cdp("DOM.disable", {})


def test_the_equation_label_is_described(page, server):
    page.open(server.url)
    tree = nodes(page)
    texts = {n["name"] for n in tree.values()} | {n["description"] for n in tree.values()}
    assert "左の入力欄が a、右の入力欄が b。" in texts


@pytest.mark.parametrize("moment", TAB_ORDER)
def test_tab_order(page, server, moment):
    """Tab from Text1 round to Text1. After the last control the browser may
    take the focus to itself once (the page must not trap a keyboard)."""
    page.open(server.url)
    if moment != "start":
        short_lesson(page)
    page.click("Text1")
    page.wait("document.activeElement.id === 'Text1'")
    order = TAB_ORDER[moment]
    visited = []
    while len(visited) < len(order) + 3 and (not visited or visited[-1] != "Text1"):
        page.key(Keys.TAB)
        stop = page.focused()
        if stop:
            visited.append(stop)
    assert visited == order


def test_the_plane_by_keyboard(page, server):
    """The focused plane shows its frame; arrows move the triangle a unit,
    with Shift a pixel, and the plane keeps the focus."""
    page.open(server.url)
    frame = "(s => [s.outlineStyle, s.outlineWidth, s.outlineColor])" \
            "(getComputedStyle(document.getElementById('Picture1')))"
    assert page.js(frame)[0] == "none"
    page.enter("Text1", "2/3")
    page.enter("Text2", "1")
    page.click("Check2")
    page.click("Command5")
    page.click("Command3(3)")
    page.click("Command12")
    page.idle()
    for _ in range(20):  # on round from Command3(3), past the ink's tools, to the plane
        page.key(Keys.TAB)
        if page.focused() == "Picture1":
            break
    assert page.focused() == "Picture1"
    assert page.js(frame) == ["solid", "3px", "rgb(0, 0, 128)"]

    for key, shift, start in ((Keys.ARROW_RIGHT, False, "始点 (1, 1)"),
                              (Keys.ARROW_DOWN, True, "始点 (1, 0.93)"),
                              (Keys.ARROW_LEFT, True, "始点 (0.93, 0.93)")):
        page.key(key, shift=shift)
        page.idle()
        page.says(start)
        assert page.focused() == "Picture1"
    assert "始点 (0.93, 0.93)" in settled(page)[1]
