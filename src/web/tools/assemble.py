"""Assembles the browser's lesson in OUT from what the build made in BUILD
(the build's src/web): the page, its style and scripts, the WebAssembly
module, the subset of the Japanese gothic face (with its licence) that holds
every character the window and the plane can show, the blank face of the
texts only a screen reader reads, the icons, the web app's manifest and the
service worker that keeps it all for use without the network. Beside OUT
goes the same lesson as one file that runs when opened from disk.

With --test, the page takes the module of the test build (BUILD/test, with
the lesson's test object) and no one file is made.

usage: assemble.py BUILD OUT [--test]
"""
import base64
import hashlib
import html
import json
import re
import shutil
import subprocess
import sys
from pathlib import Path

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

HERE = Path(__file__).resolve().parent
PAGE = HERE.parent / "page"
# The desktop program's face: IPAPGothic, the proportional IPA Gothic.
FACE = Path("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf")
FACE_COPYRIGHT = Path("/usr/share/doc/fonts-ipafont-gothic/copyright")
# A font made from the IPA font may not carry its name (IPA Font License,
# Article 3.1 (4)): the subset is named for the lesson, by the core's name
# (page_texts.json's "faces").
FONT_FILE = "lesson-gothic.woff2"
TEACHER_FONT_FILE = "teacher-gothic.woff2"
# The face of the texts a screen reader reads and nobody sees.
UNSEEN_FILE = "lesson-unseen.woff2"
# The lesson's core: every text it can say is made of its sources' characters.
CORE = HERE.parents[1] / "lesson"
ONE_FILE = "linear-function-lesson.html"
# Both pages' head loads these first: the style they share, led by the core's
# faces and colours as custom properties, and the script of the core's
# constants their own scripts read (window.lessonPage).
SHARED_STYLE = "page.css"
CONSTANTS = "page-constants.js"
# The page's scripts, the module (lesson.js) among them, in the order the page
# loads them after the constants: the notices first, so that they can tell of
# a module that fails, and the page's start last.
SCRIPTS = ("notice.js", "lesson.js", "app.js")
# The page's own, as they stand in page/.
OWN_SCRIPTS = tuple(name for name in SCRIPTS if name != "lesson.js")
# The program's icon, drawn once as SVG, rendered at the sizes a browser asks.
ICON = HERE.parents[2] / "packaging" / "icon.svg"
ICON_SIZES = (192, 512)
# The teacher's page draws its link's code with this library (MIT), from
# Debian's node-qrcode-generator.
QR_LIBRARY = Path("/usr/share/javascript/qrcode-generator/qrcode.js")
QR_COPYRIGHT = Path("/usr/share/doc/node-qrcode-generator/copyright")


def page_texts(build):
    """What the build wrote of the lesson's texts and colours (page_texts.cpp)."""
    return json.loads((build / "page_texts.json").read_text(encoding="utf-8"))


def subset_font(glyph_text, face_name, build, out, file_name=FONT_FILE):
    """WOFF2 of the face holding only those characters, renamed face_name."""
    glyphs = build / ("%s.txt" % file_name)
    glyphs.write_text(glyph_text, encoding="utf-8")
    subset = build / ("subset-%s" % file_name)
    subprocess.run(["pyftsubset", str(FACE), "--text-file=%s" % glyphs,
                    "--output-file=%s" % subset, "--flavor=woff2", "--layout-features=*",
                    "--no-hinting", "--notdef-outline"], check=True)
    font = TTFont(subset)
    version = font["name"].getDebugName(5) or ""
    names = {1: face_name, 3: "%s %s" % (face_name, version), 4: face_name, 6: face_name,
             16: face_name, 17: "Regular"}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.flavor = "woff2"
    (out / "fonts").mkdir(parents=True, exist_ok=True)
    font.save(out / "fonts" / file_name)
    write_font_licence(out / "fonts" / "LICENSE.txt", face_name)


def unseen_font(unseen_name, out):
    """WOFF2 of a face, drawn here, that holds every character of ASCII and
    of the core's sources, each as one blank glyph. The page's unseen texts
    (what a screen reader reads of the window and the plane) are written in
    it: in the page's face, which lacks most of their characters, laying
    them out asks the system for a fallback face character by character,
    most of the first layout's time. Their text, for a screen reader, is
    the same in any face."""
    chars = {chr(c) for c in range(0x20, 0x7f)}
    for source in sorted(CORE.rglob("*")):
        if source.suffix in (".h", ".cpp"):
            chars.update(ch for ch in source.read_text(encoding="utf-8") if ord(ch) > 0x7e)
    builder = FontBuilder(1000, isTTF=True)
    builder.setupGlyphOrder([".notdef", "blank"])
    builder.setupCharacterMap({ord(ch): "blank" for ch in chars})
    # The browser's font checker takes no face without a single outline:
    # .notdef, which no character maps to, is a box.
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 700))
    pen.lineTo((500, 700))
    pen.lineTo((500, 0))
    pen.closePath()
    builder.setupGlyf({".notdef": pen.glyph(), "blank": TTGlyphPen(None).glyph()})
    builder.setupHorizontalMetrics({".notdef": (1000, 0), "blank": (1000, 0)})
    builder.setupHorizontalHeader(ascent=880, descent=-120)
    builder.setupNameTable({"familyName": unseen_name, "styleName": "Regular",
                            "psName": unseen_name})
    builder.setupOS2(sTypoAscender=880, sTypoDescender=-120, usWinAscent=880, usWinDescent=120)
    builder.setupPost()
    builder.font.flavor = "woff2"
    builder.save(out / "fonts" / UNSEEN_FILE)


def write_font_licence(path, face_name):
    """The licence of the face, and how to put the original face back."""
    text = FACE_COPYRIGHT.read_text(encoding="utf-8")
    licence = text[text.index("\n\nLicense: IPA-1\n") + len("\n\nLicense: IPA-1\n"):]
    lines = []
    for line in licence.splitlines():
        if line and not line.startswith(" "):
            break  # the next paragraph of the copyright file
        lines.append("" if line.strip() == "." else line[1:])
    path.write_text(
        "%s and %s (%s) are subsets of the font IPAPGothic (ipagp.ttf) of\n"
        "IPAfont, Copyright 2020-2021 Japanese Character Information Technology Promotion\n"
        "Council (CITPC), made with fontTools' pyftsubset to hold only the characters this\n"
        "lesson and its teacher's page show, and renamed as the licence asks. They are\n"
        "licensed under the IPA Font License Agreement v1.0 below.\n\n"
        "To replace it with the original font, get ipagp.ttf from IPAfont\n"
        "(https://moji.or.jp/ipafont/; on Debian the package fonts-ipafont-gothic puts it at\n"
        "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf), convert it whole to WOFF2:\n\n"
        "  pyftsubset ipagp.ttf --unicodes='*' --glyphs='*' --layout-features='*' \\\n"
        "    --flavor=woff2 --output-file=%s\n\n"
        "and put the result in this folder in place of both (under both names).\n\n"
        "%s\n" % (FONT_FILE, TEACHER_FONT_FILE, face_name, FONT_FILE,
                  "\n".join(lines).strip()),
        encoding="utf-8")


def with_readings(text, runs):
    """A notice's paragraph: its text, and its runs with their readings
    where it has any, which page/notice.js shows while the page shows
    readings."""
    if not runs:
        return "<p>%s</p>" % html.escape(text)
    return "<p data-runs=\"%s\">%s</p>" % (html.escape(json.dumps(runs, ensure_ascii=False)),
                                            html.escape(text))


def notices(texts):
    """The page's notices, in the page from the start: a template of texts for
    each thing that can keep the lesson from running, and the text for a
    browser that runs no script."""
    texts = texts["notices"]
    templates = "".join(
        '<template id="notice-%s">%s%s</template>\n'
        % (kind, with_readings(what, what_runs), with_readings(advice, advice_runs))
        for kind, value in texts.items() if isinstance(value, list)
        for what, advice, what_runs, advice_runs in [value])
    return {"@RELOAD@": html.escape(texts["reload"]), "@NOTICES@\n": templates,
            "@NOSCRIPT@": html.escape(texts["noscript"])}


# Both pages' policy: their own files only, the module compiled from bytes,
# nothing inline; frames (the teacher's preview) from the same site.
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "object-src 'none'; base-uri 'none'; form-action 'none'")


def head(texts, title, stylesheet):
    """What both pages' <head> begins with: the policy, the viewport, the
    title, the window's colour and the icon, the shared style and
    constants, then the page's own style."""
    return ('<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
            '<meta http-equiv="Content-Security-Policy" content="%s">\n'
            '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
            '<title>%s</title>\n<meta name="theme-color" content="%s">\n'
            '<link rel="icon" href="icons/icon-192.png">\n%s%s'
            % (POLICY, html.escape(title), texts["colour"],
               stylesheet_tags(SHARED_STYLE, stylesheet), script_tags(CONSTANTS)))


def shared_style(texts):
    """page.css led by the core's faces and colours as custom properties, in
    the light scheme and, on a root of the class dark, the dark one."""
    properties = "".join("  --%s: %s;\n" % item for item in texts["properties"].items())
    dark = "".join("  --%s: %s;\n" % item for item in texts["darkProperties"].items())
    return ("/* The lesson core's faces and colours (web/tools/page_texts.cpp). */\n"
            ":root {\n%s}\n\nhtml.dark {\n%s}\n\n%s"
            % (properties, dark, (PAGE / SHARED_STYLE).read_text(encoding="utf-8")))


def style(page, faces):
    """A page's own style led by its faces: (name, file in fonts/, how the
    text shows while the file loads) each."""
    rules = "".join('@font-face {\n  font-family: "%s";\n  src: url("fonts/%s") format("woff2");\n'
                    "  font-display: %s;\n}\n\n" % face for face in faces)
    return rules + (PAGE / page).read_text(encoding="utf-8")


def constants_script(texts):
    return ("// The lesson core's constants that the pages' own scripts read, written\n"
            "// from the C++ (web/tools/page_texts.cpp) as the lesson is built.\n"
            "'use strict';\nwindow.lessonPage = Object.freeze(%s);\n"
            % json.dumps(texts["constants"], ensure_ascii=False, indent=1))


def stylesheet_tags(*names):
    return "".join('<link rel="stylesheet" href="%s">\n' % name for name in names)


def script_tags(*names):
    return "".join('<script src="%s" defer></script>\n' % name for name in names)


def write_shared(texts, out):
    """What both pages load first: the shared style and the constants."""
    (out / SHARED_STYLE).write_text(shared_style(texts), encoding="utf-8")
    (out / CONSTANTS).write_text(constants_script(texts), encoding="utf-8")


def main(build, out, test=False):
    build, out = Path(build), Path(out)
    texts = page_texts(build)
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    faces = texts["faces"]
    index = (PAGE / "index.html").read_text(encoding="utf-8")
    index = index.replace("@HEAD@\n", head(texts, texts["caption"], "style.css"))
    index = index.replace("@SCRIPTS@\n", script_tags(*SCRIPTS))
    for placeholder, text in notices(texts).items():
        index = index.replace(placeholder, text)
    (out / "index.html").write_text(index, encoding="utf-8")
    (out / "style.css").write_text(style("style.css", [(faces["page"], FONT_FILE, "block"),
                                                       (faces["unseen"], UNSEEN_FILE, "block")]),
                                   encoding="utf-8")
    write_shared(texts, out)
    for name in OWN_SCRIPTS:
        shutil.copy(PAGE / name, out / name)
    module = build / "test" if test else build
    for name in ("lesson.js", "lesson.wasm"):
        shutil.copy(module / name, out / name)
    subset_font(texts["glyphs"], faces["page"], build, out)
    unseen_font(faces["unseen"], out)
    (out / "icons").mkdir()
    for size in ICON_SIZES:
        subprocess.run(["rsvg-convert", "--width=%d" % size, "--height=%d" % size,
                        "--output=%s" % (out / "icons" / ("icon-%d.png" % size)), str(ICON)],
                       check=True)
    manifest = texts["manifest"]
    manifest["icons"] = [{"src": "icons/icon-%d.png" % s, "sizes": "%dx%d" % (s, s),
                          "type": "image/png", "purpose": "any"} for s in ICON_SIZES]
    (out / "manifest.webmanifest").write_text(json.dumps(manifest, ensure_ascii=False, indent=1),
                                              encoding="utf-8")
    teacher_page(texts, build, out)
    write_service_worker(out)
    for f in sorted(out.rglob("*")):
        if f.is_file():
            print("%-36s %8d bytes" % (f.relative_to(out), f.stat().st_size))
    if not test:
        one_file = out.parent / ONE_FILE
        one_file.write_text(single_page(out), encoding="utf-8")
        print("%-36s %8d bytes" % ("../" + ONE_FILE, one_file.stat().st_size))


def teacher_page(texts, build, out):
    """The teacher's page (teacher.html) with its texts and its choices of
    a size and of the constructions from the core, its style, its script,
    its share of the core (teacher-core.js, with the module's bytes inside
    it, which a page opened from a file could not fetch) and the QR code
    library with its licence."""
    page = (PAGE / "teacher.html").read_text(encoding="utf-8")
    teacher = texts["teacher"]
    page = page.replace("@HEAD@\n", head(texts, "%s - %s" % (teacher["title"], teacher["program"]),
                                         "teacher.css"))
    for group, choices in texts["teacherChoices"].items():
        page = page.replace("@CHOICES-%s@\n" % group, "".join(
            '<label%s><input type="%s" id="%s" name="%s" value="%s"%s>%s</label>\n'
            % (' class="after-draw"' if c["afterDraw"] else "", c["type"], c["id"],
               html.escape(c["name"]), html.escape(c["value"]), " checked" if c["checked"] else "",
               html.escape(c["caption"])) for c in choices))
    for key, text in teacher.items():
        page = page.replace("@%s@" % key, html.escape(text))
    for placeholder, text in notices(texts).items():
        page = page.replace(placeholder, text)
    left = re.findall(r"@[A-Za-z-]+@", page)
    if left:
        raise SystemExit("assemble: teacher.html has no text for %s" % ", ".join(sorted(set(left))))
    # Its own subset of the face: the lesson's is the lesson's alone.
    subset_font(texts["teacherGlyphs"], texts["faces"]["page"], build, out, TEACHER_FONT_FILE)
    (out / "teacher.html").write_text(page, encoding="utf-8")
    (out / "teacher.css").write_text(
        style("teacher.css", [(texts["faces"]["page"], TEACHER_FONT_FILE, "swap")]),
        encoding="utf-8")
    for name in ("teacher-link.js", "teacher.js"):
        shutil.copy(PAGE / name, out / name)
    module = build / "teacher" / "teacher-core"
    wasm = base64.b64encode(module.with_suffix(".wasm").read_bytes()).decode()
    (out / "teacher-core.js").write_text(
        "window.teacherWasmBinary = Uint8Array.from(atob('%s'), (c) => c.charCodeAt(0));\n%s"
        % (wasm, module.with_suffix(".js").read_text(encoding="utf-8")), encoding="utf-8")
    (out / "qrcode").mkdir()
    shutil.copy(QR_LIBRARY.resolve(), out / "qrcode" / "qrcode.js")
    (out / "qrcode" / "LICENSE.txt").write_text(
        "qrcode.js is the QR code generator for JavaScript by Kazuhiko Arase, as Debian's\n"
        "package node-qrcode-generator ships it, unchanged. Its copyright and licence:\n\n"
        + QR_COPYRIGHT.read_text(encoding="utf-8"), encoding="utf-8")


def write_service_worker(out):
    """The worker lists every file of the build and is named by their contents."""
    files = sorted(str(f.relative_to(out)) for f in out.rglob("*") if f.is_file())
    build_id = hashlib.sha256()
    for name in files:
        build_id.update(name.encode() + b"\0" + (out / name).read_bytes())
    worker = (PAGE / "sw.js").read_text(encoding="utf-8")
    worker = worker.replace("['@FILES@']", json.dumps(["./"] + files))
    worker = worker.replace("@BUILD@", build_id.hexdigest()[:16])
    (out / "sw.js").write_text(worker, encoding="utf-8")


def csp_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode()


def single_page(out):
    """The page with its scripts, style, module, font and icon inside it. The
    module reaches the script as bytes, so nothing is fetched; the security
    policy allows exactly the page's own scripts and style, by their hashes.
    Each script stands on its own, so that a fault in one (damaged bytes of
    the module) leaves the others to say so."""
    style = "".join((out / name).read_text(encoding="utf-8")
                    for name in (SHARED_STYLE, "style.css"))
    for name in (FONT_FILE, UNSEEN_FILE):
        font = base64.b64encode((out / "fonts" / name).read_bytes()).decode()
        style = style.replace('url("fonts/%s")' % name, 'url("data:font/woff2;base64,%s")' % font)
    wasm = base64.b64encode((out / "lesson.wasm").read_bytes()).decode()
    # The module's bytes go in just before the module, which takes them.
    binary = "window.lessonWasmBinary = Uint8Array.from(atob('%s'), (c) => c.charCodeAt(0));\n"
    scripts = {}
    for name in (CONSTANTS,) + SCRIPTS:
        text = (out / name).read_text(encoding="utf-8")
        scripts[name] = [binary % wasm, text] if name == "lesson.js" else [text]
    inlined = [script for texts in scripts.values() for script in texts]
    for text, tag in [(style, "</style")] + [(script, "</script") for script in inlined]:
        if tag in text.lower():
            raise SystemExit("assemble: %s inside the inlined text" % tag)
    icon = base64.b64encode((out / "icons" / "icon-192.png").read_bytes()).decode()
    page = (out / "index.html").read_text(encoding="utf-8")
    policy = ("default-src 'none'; script-src %s 'wasm-unsafe-eval'; style-src %s; "
              "font-src data:; img-src data:; object-src 'none'; base-uri 'none'; "
              "form-action 'none'" % (" ".join(csp_hash(s) for s in inlined), csp_hash(style)))
    page = re.sub(r'(http-equiv="Content-Security-Policy" content=")[^"]*', r"\g<1>" + policy, page)
    page = page.replace('<link rel="manifest" href="manifest.webmanifest">\n', "")
    # What the page preloads is inside it.
    page = re.sub(r'<!-- [^>]*-->\n(<link rel="preload"[^>]*>\n)+', "", page)
    if 'rel="preload"' in page:
        raise SystemExit("assemble: a preload left in the one-file page")
    page = page.replace('href="icons/icon-192.png"', 'href="data:image/png;base64,%s"' % icon)
    # Both stylesheets as one style, where the first stood.
    sheets = stylesheet_tags(SHARED_STYLE, "style.css")
    if sheets not in page:
        raise SystemExit("assemble: the page's style is not as expected")
    page = page.replace(sheets, "<style>%s</style>\n" % style)
    for name, texts in scripts.items():
        tag = script_tags(name)
        if tag not in page:
            raise SystemExit("assemble: the page's script %s is not as expected" % name)
        page = page.replace(tag, "".join("<script>%s</script>\n" % text for text in texts))
    return page


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], test=sys.argv[3:] == ["--test"])
