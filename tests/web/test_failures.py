"""Where the lesson cannot start or go on, the page says so, in the lesson's
face and colours, as an alert a screen reader reads out, with one button
that loads the page afresh: a browser without WebAssembly, the lesson's
files missing or damaged, and the lesson stopping inside."""
import shutil
import sys

import pytest

from harness import DIST, ROOT, Server

sys.path.insert(0, str(ROOT / "src" / "web" / "tools"))
import assemble  # noqa: E402


def without_webassembly(folder):
    """The page with WebAssembly taken away before anything else runs."""
    (folder / "no-wasm.js").write_text("delete window.WebAssembly;\n", encoding="utf-8")
    index = folder / "index.html"
    index.write_text(index.read_text(encoding="utf-8").replace(
        '<script src="notice.js"', '<script src="no-wasm.js"></script>\n<script src="notice.js"'),
        encoding="utf-8")


def damaged_one_file(folder):
    """The one file, its module's bytes damaged in the middle."""
    wasm = bytearray((folder / "lesson.wasm").read_bytes())
    for i in range(len(wasm) // 2, len(wasm) // 2 + 64):
        wasm[i] ^= 0x5A
    (folder / "lesson.wasm").write_bytes(bytes(wasm))
    one = folder.parent / "damaged.html"
    one.write_text(assemble.single_page(folder), encoding="utf-8")
    return one


@pytest.mark.parametrize("case, kind", [("no WebAssembly", "no-wasm"),
                                        ("lesson.wasm missing", "files-missing"),
                                        ("one file damaged", "files-missing"),
                                        ("abort inside", "stopped")])
def test_the_page_says_what_went_wrong(page, server, tmp_path, case, kind):
    folder = tmp_path / "web"
    shutil.copytree(DIST, folder)
    served = None
    if case == "no WebAssembly":
        without_webassembly(folder)
    elif case == "lesson.wasm missing":
        (folder / "lesson.wasm").unlink()
    try:
        if case == "one file damaged":
            page.driver.get(damaged_one_file(folder).as_uri())
        elif case == "abort inside":
            page.open(server.url)
            page.graph("2/3", "1")
            page.js("window.lessonTest.abort('a fault inside') || true")
        else:
            served = Server(folder)
            page.driver.get(served.url)
        page.wait("document.documentElement.dataset.lesson === 'failed'")
        told = page.js("""(() => {
            const box = document.getElementById('failure');
            const template = document.getElementById('notice-%s').content;
            return [box.getAttribute('role'), box.innerText.replace(/\\s/g, ''),
                    template.textContent.replace(/\\s/g, ''), getComputedStyle(box).fontFamily,
                    document.activeElement.textContent, box.dataset.reload,
                    box.getBoundingClientRect().width > 0];
        })()""" % kind)
        role, shown, meant, face, focused, reload, visible = told
        assert role == "alert" and visible
        assert shown.startswith(meant) and len(meant) > 20
        assert "LessonGothic" in face
        assert focused == reload
        assert page.problems(), "the page's log keeps what happened"
        # The one button loads the page afresh.
        page.js("window.beforeReload = true")
        page.js("document.activeElement.click() || true")
        page.wait("window.beforeReload === undefined && document.readyState === 'complete'")
        if case == "abort inside":
            page.wait("document.documentElement.dataset.lesson === 'ready'")
    finally:
        if served:
            served.stop()
