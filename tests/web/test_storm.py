"""A seeded storm of a pupil's (and a cat's) input on the page in both
engines: clicks on any control the lesson lets be clicked, texts the lesson
cannot read typed or pasted into the boxes, drags that leave the plane or the
window's room, keys, new window sizes, and all of it also while an animation
waits. The page must end without a single problem and still teach.

LESSON_STORM_SEED picks another storm and LESSON_STORM_ACTIONS its length; the
seed is printed with the counts."""
import os
import random

import pytest
from selenium.common.exceptions import MoveTargetOutOfBoundsException
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

ACTIONS = int(os.environ.get("LESSON_STORM_ACTIONS", "300"))
SEED = int(os.environ.get("LESSON_STORM_SEED", "20240611"))

HOSTILE = ["1/0", "2/", "1e400", "-1e309", "&HFFFFFFFFFFFFFFFFFFFF", "１／２", "🙂",
           "\u202e1/2", "1/2/3", "0.5/0.5", "", " ", "-", "1/-0", "0/0", ".", "1/40000",
           "99999999999999999999", "-0", "3..5", "Ａ", "1/2 ", "\t1"]
READABLE = ["2/3", "-3/4", "1", "0", "5", "-2", "1.5", "1/7", "-0.25", "4"]

# One query of what the storm needs to choose its next action: the controls
# that take a click (終了 is left out: it ends the lesson), the boxes that
# take text, the focus, Quick, whether the lesson is running, and the room.
STATE = """(() => {
  const usable = (e) => !e.hidden && !(e.querySelector('input') || e).disabled;
  const shown = [...document.querySelectorAll('#lesson > [data-row]:not(.label)')].filter(usable);
  const focus = document.activeElement && document.activeElement.closest('[data-row]');
  return {
    clickable: shown.map((e) => e.id).filter((id) => id !== 'Command1'),
    boxes: shown.filter((e) => e.matches('input[type=text]')).map((e) => e.id),
    focus: focus ? focus.id : '',
    quick: document.getElementById('Check2').querySelector('input').checked,
    busy: window.lessonTest.busy(),
    ended: !document.getElementById('ended').hidden,
    room: [window.innerWidth, window.innerHeight],
  };
})()"""

PASTE = """(([id, text]) => {
  const box = document.getElementById(id);
  box.value = text;
  box.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste', bubbles: true}));
})(arguments[0])"""


class Storm:
    def __init__(self, page, rng):
        self.page = page
        self.rng = rng
        self.counts = {}
        self.state = None

    def count(self, what):
        self.counts[what] = self.counts.get(what, 0) + 1

    def inside(self, x, y):
        """A page point clamped into the room, as a pointer can only be there."""
        w, h = self.state["room"]
        return min(max(x, 0), w - 1), min(max(y, 0), h - 1)

    def pointer(self, moves):
        """As Page.pointer, with moves of 20 ms rather than WebDriver's 250 ms:
        a storm, not a pupil's hand."""
        builder = ActionBuilder(self.page.driver, duration=20)
        for m in moves:
            if m[0] == "move":
                builder.pointer_action.move_to_location(int(m[1]), int(m[2]))
            elif m[0] == "down":
                builder.pointer_action.pointer_down()
            else:
                builder.pointer_action.pointer_up()
        builder.perform()

    def center(self, element_id):
        r = self.page.js("document.getElementById('%s').getBoundingClientRect().toJSON()"
                         % element_id)
        return self.inside(r["x"] + r["width"] / 2, r["y"] + r["height"] / 2)

    def tap(self, element_id):
        x, y = self.center(element_id)
        self.pointer([("move", x, y), ("down",), ("up",)])

    def click(self):
        target = self.rng.choice(self.state["clickable"])
        self.tap(target)
        self.count("click " + target)

    def text(self):
        if not self.state["boxes"]:
            return
        box = self.rng.choice(self.state["boxes"])
        text = self.rng.choice(HOSTILE if self.rng.random() < 0.6 else READABLE)
        self.tap(box)
        self.page.key(Keys.END)
        self.page.key(Keys.HOME, shift=True)
        self.page.key(Keys.DELETE)
        if text:
            self.page.type(text)
        self.count("typed")

    def paste(self):
        if not self.state["boxes"]:
            return
        unit = self.rng.choice(["1", "1/2", "9", "-", "１"])
        text = (unit * (100000 // len(unit) + 1))[:100000]
        self.page.driver.execute_script(PASTE, [self.rng.choice(self.state["boxes"]), text])
        self.count("pasted")

    def drag(self):
        """A press on the plane, moves on and off it (beyond its edges, into the
        window's margins), and a release wherever the last move ended; now and
        then the window changes size or a key comes while the button is down."""
        page = self.page
        points = [(self.rng.uniform(0, 639), self.rng.uniform(0, 639))]
        points += [(self.rng.uniform(-200, 840), self.rng.uniform(-200, 840))
                   for _ in range(self.rng.randint(1, 5))]
        moves = [("move",) + self.inside(*page.plane_to_page(*points[0])), ("down",)]
        moves += [("move",) + self.inside(*page.plane_to_page(*p)) for p in points[1:]]
        if self.rng.random() < 0.2:
            self.pointer(moves)
            if self.rng.random() < 0.5:
                self.resize()
            else:
                page.key(self.rng.choice([Keys.ARROW_LEFT, Keys.TAB, Keys.ENTER]))
            self.state = page.js(STATE)
            end = self.inside(*page.plane_to_page(*points[-1]))
            self.pointer([("move",) + end, ("up",)])
            self.count("drag across other input")
        else:
            self.pointer(moves + [("up",)])
        self.count("drag")

    def key(self):
        page = self.page
        if self.rng.random() < 0.5:
            page.js("document.getElementById('Picture1').focus()")
            self.state = page.js(STATE)
        if self.state["focus"] == "Picture1":
            arrow = self.rng.choice([Keys.ARROW_LEFT, Keys.ARROW_RIGHT, Keys.ARROW_UP,
                                     Keys.ARROW_DOWN])
            page.key(arrow, shift=self.rng.random() < 0.5)
            self.count("arrow")
        elif self.state["focus"] == "Command1":
            page.key(Keys.TAB)  # Enter here would end the lesson
            self.count("key")
        else:
            page.key(self.rng.choice([Keys.ENTER, Keys.TAB, Keys.ARROW_DOWN]),
                     shift=self.rng.random() < 0.2)
            self.count("key")

    def resize(self):
        if self.rng.random() < 0.5:
            size = (self.rng.randint(200, 700), self.rng.randint(150, 500))
        else:
            size = (self.rng.randint(700, 2400), self.rng.randint(500, 1500))
        self.page.driver.set_window_size(*size)
        self.count("resize")

    def animate(self):
        """A graph, Quick unticked and a construction started: the input that
        follows lands in the animation's waits."""
        page = self.page
        for box in ("Text1", "Text2"):
            if box in self.state["boxes"]:
                page.driver.execute_script(PASTE, [box, self.rng.choice(READABLE)])
        if "Command5" in self.state["clickable"]:
            self.tap("Command5")
        self.state = page.js(STATE)
        if self.state["quick"] and "Check2" in self.state["clickable"]:
            self.tap("Check2")
        for button in ("Command10", "Command12"):
            if button in self.state["clickable"]:
                self.tap(button)
                self.count("animated")
                break

    def step(self):
        self.state = self.page.js(STATE)
        assert not self.state["ended"], "the storm ended the lesson: %s" % self.counts
        if self.state["busy"]:
            self.count("sent while busy")
        action = self.rng.choices(
            [self.click, self.text, self.paste, self.drag, self.key, self.resize, self.animate],
            weights=[30, 15, 3, 20, 20, 5, 7])[0]
        try:
            action()
        except MoveTargetOutOfBoundsException:
            # The room shrank between the query and the pointer's move.
            self.count("missed after a resize")


def test_storm(page, server):
    page.open(server.url)
    # The pictures handed in stay in the page rather than open a download.
    page.js("window.lessonTest.trackWaits() || window.lessonTest.captureSaves() || true")
    storm = Storm(page, random.Random(SEED))
    for _ in range(ACTIONS):
        storm.step()

    # Quick lets any animation still running finish at once.
    page.viewport(1280, 687)
    if not page.js("document.querySelector('#Check2 input').checked") and page.enabled("Check2"):
        page.click("Check2")
    page.idle()
    depth = page.js("window.lessonTest.deepestWait")
    print("\n%s: seed %d, %d actions, input nested %d waits deep; %s"
          % (page.engine, SEED, ACTIONS, depth, dict(sorted(storm.counts.items()))))
    assert page.problems() == []
    assert depth >= 1, "no input arrived during an animation"

    # The lesson still answers.
    page.click("Command2")
    page.idle()
    page.graph("2/3", "1")
    page.says("グラフ y = 2/3 x + 1。")
    assert page.problems() == []
