"""The lesson without the network and without a server: kept by its service
worker after one visit, installable, and as one file opened from disk. It
is locked down: its own files only, no dynamic code, nothing stored but the
worker's cache."""
import re
import shutil
import tempfile
import time
from pathlib import Path

import pytest

from harness import DIST, Server


def graph_drawn(page):
    page.graph("2/3", "1")
    page.says("グラフ y = 2/3 x + 1。")


def caches(page):
    return page.driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "caches.keys().then(done, (e) => done(String(e)));")


def test_kept_for_use_without_the_network(page):
    with tempfile.TemporaryDirectory() as folder:
        site = Path(folder) / "web"
        shutil.copytree(DIST, site)
        server = Server(site)
        try:
            page.open(server.url)
            # The worker has cached every file once it controls the page.
            page.wait("navigator.serviceWorker.controller !== null")
            kept = caches(page)
            assert len(kept) == 1, kept
            # Every file shipped is in it (the worker itself is the browser's
            # to keep), and the folder's own address.
            cached = page.driver.execute_async_script(
                "const done = arguments[arguments.length - 1];"
                "caches.open(arguments[0]).then((c) => c.keys()).then("
                "(rs) => done(rs.map((r) => new URL(r.url).pathname)), (e) => done([String(e)]));",
                kept[0])
            shipped = {"/" + f.relative_to(site).as_posix() for f in site.rglob("*") if f.is_file()}
            assert set(cached) == (shipped - {"/sw.js"}) | {"/"}, set(cached) ^ shipped
            if page.engine == "chromium":
                errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                assert errors["installabilityErrors"] == []
            # A new build: its worker's cache replaces the old one whole.
            worker = (site / "sw.js").read_text(encoding="utf-8")
            newer = re.sub(r"PREFIX \+ '[0-9a-f]+'", "PREFIX + 'fedcba9876543210'", worker)
            assert newer != worker
            (site / "sw.js").write_text(newer, encoding="utf-8")
            page.driver.execute_async_script(
                "const done = arguments[arguments.length - 1];"
                "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => done());")
            deadline = time.monotonic() + 60
            while caches(page) != [kept[0].rsplit(" ", 1)[0] + " fedcba9876543210"]:
                assert time.monotonic() < deadline, caches(page)
                time.sleep(0.1)
        finally:
            server.stop()
        # The server is gone: the lesson and the teacher's page still open and work.
        page.driver.get(server.url + "teacher.html?a=2/3&b=1&draw=1")
        page.wait("document.documentElement.dataset.teacher === 'ready' && "
                  "document.querySelectorAll('#code svg').length === 1")
        page.driver.refresh()
        page.wait("document.documentElement.dataset.teacher === 'ready'")
        page.driver.get(server.url)
        page.wait("document.documentElement.dataset.lesson === 'ready'")
        page.idle()
        graph_drawn(page)
        assert page.js("document.cookie") == ""
        assert page.js("window.localStorage.length + window.sessionStorage.length") == 0
        assert page.problems() == []


def test_one_file_from_disk(page):
    one_file = DIST.parent / "linear-function-lesson.html"
    page.open(one_file.resolve().as_uri())
    assert page.js("location.protocol") == "file:"
    graph_drawn(page)
    assert page.js("document.fonts.check('16px LessonGothic')")
    assert page.problems() == []
    # A teacher's link to the file prepares its example as the served page's.
    page.open(one_file.resolve().as_uri() + "?a=2/3&b=1&draw=1")
    page.says("グラフ y = 2/3 x + 1。")
    # The teacher's page from disk: no address a pupil reaches, so no code.
    page.driver.get((DIST / "teacher.html").resolve().as_uri() + "?a=2/3")
    page.wait("document.documentElement.dataset.teacher === 'ready'")
    assert page.js("[document.querySelectorAll('#code svg').length, "
                   "document.getElementById('code-note').textContent !== '', "
                   "document.getElementById('link').textContent.startsWith('file:')]") == [0, True, True]
    assert page.problems() == []


def test_own_files_only_and_no_dynamic_code(page, server):
    page.open(server.url)
    graph_drawn(page)
    origins = page.js("performance.getEntriesByType('resource').map((e) => new URL(e.name).origin)")
    page.driver.get(server.url + "teacher.html?a=1&draw=1")
    page.wait("document.documentElement.dataset.teacher === 'ready'")
    origins += page.js("performance.getEntriesByType('resource').map((e) => new URL(e.name).origin)")
    assert set(origins) <= {server.url.rstrip("/")}
    assert page.problems() == []
    built = [DIST / name for name in ("lesson.js", "app.js", "sw.js", "teacher.js", "teacher-link.js",
                                      "teacher-core.js", "qrcode/qrcode.js")]
    built.append(DIST.parent / "linear-function-lesson.html")
    for path in built:
        text = path.read_text(encoding="utf-8")
        assert "eval(" not in text and "new Function" not in text, path
        # The device keeps the reading supports alone (test_supports).
        assert "sessionStorage" not in text and "document.cookie" not in text, path
        # What a school receives has no way in for tests.
        assert "lessonTest" not in text and "_lesson_waits" not in text, path
