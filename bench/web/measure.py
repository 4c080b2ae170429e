"""Measures the browser's lesson in headless Chromium and prints one table
(bench/web.sh builds dist/web and runs this): the size of dist/web, the time
from navigation to the first complete paint of the plane, the same in a
fresh browser under six-fold CPU throttling (a low-end Chromebook) and
without, against a bare page that paints the plane's grid, a drag move of
the slope triangle against a naive renderer of the same scene, the main
thread's time while line A animates, and a pen's move to its ink on screen
against a bare canvas, with the frame times while writing, unthrottled and
six-fold throttled. Medians; its last line reads "web drag move N us, naive
floor M us, ratio R" for the worst case at pixel ratio 1. With --ink-only
it prints the ink's rows alone.
"""
import gzip
import os
import sys
import time
from pathlib import Path
from urllib.parse import urlparse

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "tests" / "web"))
from harness import DIST, ROOT, TEST_DIST, Page, Server  # noqa: E402

LOADS = 7          # page loads per cache state
FIRST_LOADS = 7    # fresh browsers per page and CPU rate for the first paint
SLOW_CPU = 6       # the CPU throttling rate of a low-end Chromebook
MOVES = 200        # drag moves per run
FRAMES = 100       # naive frames per run
ANIMATION_S = 10   # seconds of line A
ONE_FILE = ROOT / "dist" / "linear-function-lesson.html"
TARGETS = {"size_kb": 300, "paint_ms": 500, "drag": 0.25, "main_thread": 2, "first_paint": 2}
# A cross-origin isolated page reads performance.now() to 5 us; another one
# only to 100 us, too coarse for a move of a few hundred.
ISOLATED = [("Cross-Origin-Opener-Policy", "same-origin"),
            ("Cross-Origin-Embedder-Policy", "require-corp")]
MEASURE_JS = (HERE / "measure.js").read_text(encoding="utf-8")


def median(values):
    return sorted(values)[len(values) // 2]


def gzipped(path):
    return len(gzip.compress(path.read_bytes(), compresslevel=6, mtime=0))


# --- the page -------------------------------------------------------------------

def in_page(page, call):
    """Runs lessonBench.call in the page and returns what its promise gives."""
    if not page.js("!!window.lessonBench"):
        page.driver.execute_script(MEASURE_JS)
    result = page.driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "lessonBench.%s.then(done, (e) => done({error: String(e)}));" % call)
    if "error" in result:
        raise RuntimeError("%s: %s" % (call, result["error"]))
    return result


def plane_says(page, *parts):
    """Waits until the plane's description (told at most every 300 ms) says all parts."""
    page.wait("(d => %s)(document.getElementById('Picture1-description').textContent)"
              % " && ".join("d.includes(%r)" % p for p in parts))


def lesson(page, url, worst, quick=True, line_a=True):
    """A fresh lesson of y = 2/3 x + 1; worst: at 14 px per unit, line A and the
    triangle after 整数倍 (k = 3); else at 50 px per unit, line A and k = 1."""
    page.open(url)
    if worst:
        page.click("Command3(3)")
    page.enter("Text1", "2/3")
    page.enter("Text2", "1")
    steps = ["Command5"] + (["Check2"] if quick else [])
    if line_a:
        steps += ["Command10", "Command12"] + (["Command7"] if worst else [])
    for name in steps:
        page.click(name)
        page.idle()
    if line_a:
        plane_says(page, "1 目盛り %d ピクセル" % (14 if worst else 50), "補助線A あり",
                   "横に 3、縦に 2、" if worst else "横に 1、縦に 2/3、")


def paint_ms(page, url):
    """Loads the page; milliseconds from navigation to its mark of the first
    complete paint of the plane."""
    page.driver.get(url)
    page.wait("performance.getEntriesByName('lesson-painted').length")
    return page.js("performance.getEntriesByName('lesson-painted')[0].startTime")


def cold_loads(url):
    """The median of LOADS first visits, each in a new browser with a new
    profile, so that nothing is cached on disk or in any of its processes;
    and the files of dist/web the page loaded."""
    ms = []
    for _ in range(LOADS):
        page = Page("chromium")
        try:
            page.viewport(1280, 687)
            ms.append(paint_ms(page, url))
            fetched = page.js("[location.href].concat(performance.getEntriesByType('resource')"
                              ".map(e => e.name))")
        finally:
            page.quit()
    return median(ms), {urlparse(u).path.lstrip("/") or "index.html" for u in fetched}


def first_paints(url, bare_url, rate):
    """The medians of FIRST_LOADS first visits of the lesson and of the bare
    page, taken in turns, each in a new browser with a new profile whose CPU
    is throttled rate-fold from before the navigation."""
    ms = {url: [], bare_url: []}
    for _ in range(FIRST_LOADS):
        for address in (url, bare_url):
            page = Page("chromium")
            try:
                page.viewport(1280, 687)
                page.driver.get("about:blank")
                page.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": rate})
                ms[address].append(paint_ms(page, address))
            finally:
                page.quit()
    return median(ms[url]), median(ms[bare_url])


def warm_loads(page, url):
    """The median of LOADS visits after a first one, the browser's cache on."""
    page.viewport(1280, 687)
    paint_ms(page, url)
    return median([paint_ms(page, url) for _ in range(LOADS)])


def drag(dpr, server):
    """In one browser at the pixel ratio: the worst-case drag move and the
    naive floor, each paced and back to back; at ratio 1 also the
    default-size drag move, back to back. Medians in microseconds by (what,
    paced)."""
    page = Page("chromium", dpr)
    figures = {}
    try:
        lesson(page, server.url, worst=True)
        for paced in (True, False):
            js = str(paced).lower()
            figures["move", paced] = in_page(page, "drag(%d, %s)" % (MOVES, js))
            figures["naive", paced] = in_page(page, "naive(%d, %s)" % (FRAMES, js))
        if dpr == 1:
            lesson(page, server.url, worst=False)
            figures["usual", False] = in_page(page, "drag(%d, false)" % MOVES)
        problems = page.problems()
        if not page.js("crossOriginIsolated"):
            problems.append("the page is not cross-origin isolated: its clock reads to 100 us")
    finally:
        page.quit()
    late = sum(f.get("late", 0) for f in figures.values())
    if late:
        problems.append("%d moves at ratio %g were not drawn as they were posted" % (late, dpr))
    marks = figures["naive", True]["marks"]
    return {key: f["us"] for key, f in figures.items()}, marks, problems


def ink(server):
    """In one browser, a fresh lesson at each CPU rate: MOVES pen moves
    writing, each at an animation frame of its own, and the bare canvas
    floor. Figures by rate, and problems."""
    page = Page("chromium")
    figures, problems = {}, []
    try:
        for rate in (1, SLOW_CPU):
            page.open(server.url)
            page.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": rate})
            figures[rate] = in_page(page, "ink(%d, true)" % MOVES)
            problems += page.problems()
    finally:
        page.quit()
    for rate, f in figures.items():
        if f["late"]:
            problems.append("%d pen moves at %dx CPU were not inked as they were posted"
                            % (f["late"], rate))
        if not f["inked"]:
            problems.append("no ink under the pen at %dx CPU" % rate)
    worst = figures[SLOW_CPU]["ink"]["worstMs"]
    if worst > 33:
        problems.append("a frame while writing at %dx CPU took %.1f ms, over 33 ms"
                        % (SLOW_CPU, worst))
    return figures, problems


def ink_rows(figures):
    """The ink's rows of the table, by CPU rate."""
    for rate, f in sorted(figures.items()):
        pen, bare = f["ink"], f["floor"]
        row("ink: move to ink on screen, %dx CPU" % rate, "%.0f" % pen["us"], "us",
            pen["us"] / bare["us"], "of a bare canvas's %.0f us" % bare["us"])
        row("  worst", "%.0f" % pen["worstUs"], "us", pen["worstUs"] / bare["worstUs"],
            "of a bare canvas's worst %.0f us" % bare["worstUs"])
        row("  frames while writing, paced, %dx CPU" % rate, "%.1f" % pen["ms"], "ms",
            pen["ms"] / bare["ms"], "of a bare canvas's %.1f ms; worst %.1f ms, %d over 33 ms"
            " (bare %.1f ms, %d)" % (bare["ms"], pen["worstMs"], pen["over33"],
                                     bare["worstMs"], bare["over33"]))


def main_thread(page, url):
    """The share of wall time the page's main thread spends in tasks while
    line A of y = 2/3 x + 1 animates (Quick off, default size), and that of
    the renderer's processor time."""
    lesson(page, url, worst=False, quick=False, line_a=False)
    page.driver.execute_script("window.benchDraws = 0;"
                               "lessonTest.watchDraws(() => ++window.benchDraws);")
    page.click("Command10")
    page.driver.execute_cdp_cmd("Performance.enable", {})

    def metrics():
        got = page.driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
        return {m["name"]: m["value"] for m in got}

    before = metrics()
    time.sleep(ANIMATION_S)
    after = metrics()
    animating = page.js("lessonTest.busy()") and page.js("window.benchDraws") > 0
    wall = after["Timestamp"] - before["Timestamp"]
    task, process = ((after[m] - before[m]) * 100 / wall for m in ("TaskDuration", "ProcessTime"))
    return task, process, animating


# --- the table ------------------------------------------------------------------

def row(what, value, unit, ratio, against):
    print("%-46s %10s %-3s %8s  %s" % (what, value, unit,
                                        "" if ratio is None else "%.3f" % ratio, against))


def main():
    if "--ink-only" in sys.argv[1:]:
        tested = Server(TEST_DIST, ISOLATED)
        try:
            figures, problems = ink(tested)
        finally:
            tested.stop()
        ink_rows(figures)
        for p in problems:
            print("problem: %s" % p)
        return
    files = sorted(f for f in DIST.rglob("*") if f.is_file())
    raw = sum(f.stat().st_size for f in files) / 1000
    packed = {f.relative_to(DIST).as_posix(): gzipped(f) for f in files}
    total = sum(packed.values()) / 1000

    # Sizes and loads of the page a school receives; what needs the lesson's
    # test object (the drag, the main thread while line A animates) on its
    # test build.
    server = Server(DIST, ISOLATED)
    tested = Server(TEST_DIST, ISOLATED)
    bare = Server(HERE / "bare", ISOLATED)
    try:
        cold, fetched = cold_loads(server.url)
        bare_cold, _ = cold_loads(bare.url)
        first = {rate: first_paints(server.url, bare.url, rate) for rate in (SLOW_CPU, 1)}
        page = Page("chromium")
        try:
            version = page.driver.capabilities.get("browserVersion", "?")
            warm = warm_loads(page, server.url)
            bare_warm = warm_loads(page, bare.url)
            task, process, animating = main_thread(page, tested.url)
            problems = page.problems()
        finally:
            page.quit()
        one, marks, found = drag(1, tested)
        problems += found
        two, _, found = drag(2, tested)
        problems += found
        inking, found = ink(tested)
        problems += found
    finally:
        server.stop()
        tested.stop()
        bare.stop()
    if not animating:
        problems.append("line A was not animating throughout the %d s" % ANIMATION_S)
    loaded = fetched & set(packed)
    visit = sum(packed[name] for name in loaded) / 1000

    print("nproc %d, Chromium %s; medians; ratios against the reference named; kB = 1000 bytes"
          % (os.cpu_count(), version))
    print("drag moves and naive frames back to back, as the desktop's benchmark times them, "
          "unless paced: one per animation frame, sharing the 2 cores with the browser's own "
          "work on each frame")
    size = TARGETS["size_kb"]
    row("dist/web, %d files, raw" % len(files), "%.1f" % raw, "kB", raw / size,
        "of target %d kB" % size)
    row("dist/web, gzip -6 per file", "%.1f" % total, "kB", total / size, "of target %d kB" % size)
    row("  of it what the page loads (%d files)" % len(loaded), "%.1f" % visit, "kB",
        visit / size, "of target %d kB" % size)
    if ONE_FILE.exists():
        for what, kb in (("raw", ONE_FILE.stat().st_size / 1000),
                         ("gzip -6", gzipped(ONE_FILE) / 1000)):
            row("one-file page, %s" % what, "%.1f" % kb, "kB", kb / size, "of target %d kB" % size)
    else:
        row("one-file page (%s)" % ONE_FILE.name, "not built", "", None, "")
    for what, ms, floor in (("cold", cold, bare_cold), ("warm", warm, bare_warm)):
        row("navigation to the plane's first paint, %s" % what, "%.1f" % ms, "ms",
            ms / TARGETS["paint_ms"], "of target %d ms; a bare page %.1f ms, ratio %.2f"
            % (TARGETS["paint_ms"], floor, ms / floor))
    for rate, what in ((SLOW_CPU, "%dx CPU throttling" % SLOW_CPU), (1, "unthrottled")):
        ms, floor = first[rate]
        row("first paint, fresh browser, %s" % what, "%.1f" % ms, "ms", ms / floor,
            "of a bare page's %.1f ms (target %.2f)" % (floor, TARGETS["first_paint"]))
    target = "(target %.2f)" % TARGETS["drag"]
    for ratio, f in ((1, one), (2, two)):
        row("worst-case drag move, pixel ratio %d" % ratio, "%.0f" % f["move", False], "us",
            f["move", False] / f["naive", False], "of naive floor, ratio %d %s" % (ratio, target))
    for ratio, f in ((1, one), (2, two)):
        row("  the same, paced, ratio %d" % ratio, "%.0f" % f["move", True], "us",
            f["move", True] / f["naive", True], "of naive floor paced, ratio %d" % ratio)
    row("default-size drag move (50 px, line A, k 1)", "%.0f" % one["usual", False], "us",
        one["usual", False] / one["naive", False], "of naive floor, ratio 1")
    row("naive floor, pixel ratio 1 (%d marks)" % marks, "%.0f" % one["naive", False], "us",
        1.0, "itself")
    row("naive floor, pixel ratio 2", "%.0f" % two["naive", False], "us",
        two["naive", False] / one["naive", False], "of naive floor, ratio 1")
    for ratio, f in ((1, one), (2, two)):
        row("  naive floor paced, ratio %d" % ratio, "%.0f" % f["naive", True], "us",
            f["naive", True] / f["naive", False], "of naive floor, ratio %d" % ratio)
    row("main thread while line A animates (%d s)" % ANIMATION_S, "%.2f" % task, "%",
        task / TARGETS["main_thread"], "of target %d %% of wall time" % TARGETS["main_thread"])
    row("  renderer's processor time, all its threads", "%.2f" % process, "%", process / 100,
        "of one core")
    ink_rows(inking)
    for p in problems:
        print("problem: %s" % p)
    worst, naive = one["move", False], one["naive", False]
    print("web drag move %.0f us, naive floor %.0f us, ratio %.3f" % (worst, naive, worst / naive))


if __name__ == "__main__":
    main()
