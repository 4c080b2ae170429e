"""Drives the browser's lesson in real engines through WebDriver: Chromium
(headless, with chromium-driver) and WebKitGTK's MiniBrowser (with
webkit2gtk-driver, on a private Xvfb display). The page is served over http
on localhost, as a school's web server would: the test build of dist/web-test
(the same page with the lesson's test object, window.lessonTest), and the
page a school receives, dist/web, where a test drives that one.

Every wait is for a condition, with a generous deadline: a loaded machine
is slow, never wrong.
"""
import base64
import functools
import glob
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys

ROOT = Path(__file__).resolve().parents[2]
DIST = Path(os.environ.get("LESSON_WEB_DIST", ROOT / "dist" / "web"))
TEST_DIST = DIST.parent / (DIST.name + "-test")
DEADLINE = 60.0  # seconds for any one condition


class Server:
    """dist/web-test (or another folder) over http on a free port of
    localhost, with the given (name, value) headers besides the usual ones."""

    def __init__(self, folder=TEST_DIST, headers=()):
        handler = functools.partial(_QuietHandler, directory=str(folder), headers=headers)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, headers=(), **kwargs):
        self.extra_headers = headers  # the base class serves the request as it starts
        super().__init__(*args, **kwargs)

    def end_headers(self):
        for name, value in self.extra_headers:
            self.send_header(name, value)
        super().end_headers()

    def log_message(self, *args):
        pass


class _Display:
    """A private Xvfb display for the engines that need one."""

    def __init__(self):
        self.process = None
        if os.environ.get("DISPLAY"):
            return
        number = 200 + os.getpid() % 500
        self.process = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-screen", "0", "2560x1600x24", "-nolisten", "tcp",
             "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = ":%d" % number
        deadline = time.monotonic() + DEADLINE
        while not os.path.exists("/tmp/.X11-unix/X%d" % number):
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.05)

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait()
            os.environ.pop("DISPLAY", None)


def start_chromium(dpr=1.0):
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    profile = tempfile.mkdtemp(prefix="lesson-chromium-")
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                     "--disable-background-networking", "--disable-component-update",
                     "--no-first-run", "--disable-sync", "--disable-quic",
                     "--user-data-dir=" + profile, "--force-device-scale-factor=%g" % dpr,
                     "--window-size=1280,900"]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    return driver, lambda: shutil.rmtree(profile, ignore_errors=True)


def start_webkit(dpr=1.0):
    from selenium.webdriver.webkitgtk.options import Options
    display = _Display()
    options = Options()
    options.binary_location = sorted(glob.glob("/usr/lib/*/webkit2gtk-4.*/MiniBrowser"))[-1]
    options.add_argument("--automation")
    if dpr != 1.0:
        os.environ["GDK_SCALE"] = "%d" % dpr
    driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    return driver, display.stop


ENGINES = {"chromium": start_chromium, "webkit": start_webkit}


class Page:
    """The lesson's page in one engine, driven with real input."""

    def __init__(self, engine, dpr=1.0):
        self.engine = engine
        self.driver, self._cleanup = ENGINES[engine](dpr)
        self.driver.set_script_timeout(DEADLINE)

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self._cleanup()

    # --- the page ---------------------------------------------------------------

    def open(self, url, width=1280, height=687):
        """Loads the lesson with the viewport at width x height CSS pixels."""
        self.viewport(width, height)
        self.driver.get(url)
        self.wait("document.documentElement.dataset.lesson === 'ready'")
        self.idle()

    def viewport(self, width, height):
        """Sizes the window so that its viewport is width x height; fails
        when it does not get there."""
        for _ in range(4):
            inner = self.js("[window.innerWidth, window.innerHeight]")
            if inner == [width, height]:
                return
            size = self.driver.get_window_size()
            self.driver.set_window_size(size["width"] + width - inner[0],
                                        size["height"] + height - inner[1])
            # A window manager may take its time, or round the size: the
            # next round corrects what this one did not reach.
            try:
                self.wait("window.innerWidth !== %d || window.innerHeight !== %d" % tuple(inner),
                          deadline=5)
            except AssertionError:
                pass
        self.wait("window.innerWidth === %d && window.innerHeight === %d" % (width, height))

    def js(self, expression):
        return self.driver.execute_script("return (" + expression + ");")

    def wait(self, expression, deadline=DEADLINE):
        """Waits until the expression holds in the page."""
        end = time.monotonic() + deadline
        while True:
            value = self.js(expression)
            if value:
                return value
            if time.monotonic() > end:
                raise AssertionError("not within %g s: %s" % (deadline, expression))
            time.sleep(0.05)

    def idle(self):
        """Waits until the lesson has taken all input and finished every
        animation. The page a school receives has no test object to tell:
        there the tests wait for what the lesson shows."""
        self.wait("window.lessonTest ? window.lessonTest.idle() : "
                  "document.documentElement.dataset.lesson === 'ready'")

    def problems(self):
        found = list(self.js("window.lessonNotice.problems"))
        if self.engine == "chromium":
            found += [entry["message"] for entry in self.driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
        return found

    # --- controls, by the lesson's names, which are their elements' ids:
    # "Command3(2)" ---------------------------------------------------------------

    def center(self, name):
        r = self.js("document.getElementById('%s').getBoundingClientRect().toJSON()"
                    % name)
        return r["x"] + r["width"] / 2, r["y"] + r["height"] / 2

    def enabled(self, name):
        return self.js("(e => !(e.disabled || (e.querySelector('input') || {}).disabled))"
                       "(document.getElementById('%s'))" % name)

    def focused(self):
        return self.js("(e => e && e.closest('[data-row]') ? e.closest('[data-row]').id : '')"
                       "(document.activeElement)")

    def value(self, name):
        return self.js("document.getElementById('%s').value" % name)

    def description(self):
        return self.js("document.getElementById('Picture1-description').textContent")

    def says(self, *parts):
        """Waits until the plane's description, told at most every 300 ms,
        holds every part."""
        condition = " && ".join("d.includes(%s)" % json.dumps(p) for p in parts)
        self.wait("(d => %s)(document.getElementById('Picture1-description').textContent)"
                  % condition)

    def graph(self, a, b):
        """Types a and b and draws their graph."""
        self.enter("Text1", a)
        self.enter("Text2", b)
        self.click("Command5")
        self.idle()

    def click(self, name):
        x, y = self.center(name)
        self.pointer([("move", x, y), ("down",), ("up",)])

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def key(self, key, shift=False):
        chain = ActionChains(self.driver)
        if shift:
            chain.key_down(Keys.SHIFT)
        chain.send_keys(key)
        if shift:
            chain.key_up(Keys.SHIFT)
        chain.perform()

    def enter(self, name, text):
        """Clicks into a box, replaces its text and leaves it there."""
        self.click(name)
        self.key(Keys.END)
        self.key(Keys.HOME, shift=True)
        self.key(Keys.DELETE)
        self.type(text)

    def pointer(self, moves, touch=False):
        """Pointer actions in viewport CSS pixels: ("move", x, y), ("down",), ("up",)."""
        if touch:
            builder = ActionBuilder(self.driver,
                                    mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        else:
            builder = ActionBuilder(self.driver)
        for m in moves:
            if m[0] == "move":
                builder.pointer_action.move_to_location(int(round(m[1])), int(round(m[2])))
            elif m[0] == "down":
                builder.pointer_action.pointer_down()
            else:
                builder.pointer_action.pointer_up()
        builder.perform()

    # --- the plane ----------------------------------------------------------------

    def plane_to_page(self, x, y):
        r = self.js("document.getElementById('Picture1').getBoundingClientRect().toJSON()")
        return r["x"] + x * r["width"] / 640, r["y"] + y * r["height"] / 640

    def page_to_plane(self, x, y):
        r = self.js("document.getElementById('Picture1').getBoundingClientRect().toJSON()")
        return (x - r["x"]) * 640 / r["width"], (y - r["y"]) * 640 / r["height"]

    def drag(self, points, touch=False):
        """Drags through plane pixels; returns the plane pixels the page reports,
        whole CSS pixels of the page as pointers have them."""
        page_points = [tuple(round(v) for v in self.plane_to_page(*p)) for p in points]
        moves = [("move",) + page_points[0], ("down",)]
        moves += [("move",) + p for p in page_points[1:]] + [("up",)]
        self.pointer(moves, touch)
        return [self.page_to_plane(*p) for p in page_points]

    def canvas(self):
        """The canvas's pixels: width, height and RGBA bytes."""
        data = self.js("""(() => {
            const c = document.getElementById('Picture1');
            const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            let s = '';
            for (let i = 0; i < d.length; i += 32768)
              s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
            return [c.width, c.height, btoa(s)];
        })()""")
        return data[0], data[1], base64.b64decode(data[2])
