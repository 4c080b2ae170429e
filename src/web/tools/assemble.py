"""Assembles the browser's lesson in OUT from what the build made in BUILD:
the page, its style and script, the WebAssembly module, and the subset of
the Japanese gothic face (with its licence) that holds every character the
window and the plane can show.

usage: assemble.py BUILD OUT
"""
import shutil
import subprocess
import sys
from pathlib import Path

from fontTools.ttLib import TTFont

HERE = Path(__file__).resolve().parent
PAGE = HERE.parent / "page"
# The desktop program's face: IPAPGothic, the proportional IPA Gothic.
FACE = Path("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf")
FACE_COPYRIGHT = Path("/usr/share/doc/fonts-ipafont-gothic/copyright")
# A font made from the IPA font may not carry its name (IPA Font License,
# Article 3.1 (4)): the subset is named for the lesson.
FONT_NAME = "LessonGothic"
FONT_FILE = "lesson-gothic.woff2"
# The program's icon, drawn once as SVG, rendered at the sizes a browser asks.
ICON = HERE.parents[2] / "packaging" / "icon.svg"
ICON_SIZES = (192, 512)


def page_text(build, what):
    return subprocess.run([str(build / "page_texts"), what], check=True, capture_output=True,
                          text=True).stdout.rstrip("\n")


def subset_font(build, out):
    """WOFF2 of the face holding only the lesson's characters, renamed."""
    glyphs = build / "glyphs.txt"
    glyphs.write_text(page_text(build, "glyphs"), encoding="utf-8")
    subset = build / "subset.woff2"
    subprocess.run(["pyftsubset", str(FACE), "--text-file=%s" % glyphs,
                    "--output-file=%s" % subset, "--flavor=woff2", "--layout-features=*",
                    "--no-hinting", "--notdef-outline"], check=True)
    font = TTFont(subset)
    version = font["name"].getDebugName(5) or ""
    names = {1: FONT_NAME, 3: "%s %s" % (FONT_NAME, version), 4: FONT_NAME, 6: FONT_NAME,
             16: FONT_NAME, 17: "Regular"}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.flavor = "woff2"
    (out / "fonts").mkdir(parents=True, exist_ok=True)
    font.save(out / "fonts" / FONT_FILE)
    write_font_licence(out / "fonts" / "LICENSE.txt")


def write_font_licence(path):
    """The licence of the face, and how to put the original face back."""
    text = FACE_COPYRIGHT.read_text(encoding="utf-8")
    licence = text[text.index("\n\nLicense: IPA-1\n") + len("\n\nLicense: IPA-1\n"):]
    lines = []
    for line in licence.splitlines():
        if line and not line.startswith(" "):
            break  # the next paragraph of the copyright file
        lines.append("" if line.strip() == "." else line[1:])
    path.write_text(
        "%s (%s) is a subset of the font IPAPGothic (ipagp.ttf) of IPAfont,\n"
        "Copyright 2020-2021 Japanese Character Information Technology Promotion Council\n"
        "(CITPC), made with fontTools' pyftsubset to hold only the characters this lesson\n"
        "shows, and renamed as the licence asks. It is licensed under the IPA Font License\n"
        "Agreement v1.0 below.\n\n"
        "To replace it with the original font, get ipagp.ttf from IPAfont\n"
        "(https://moji.or.jp/ipafont/; on Debian the package fonts-ipafont-gothic puts it at\n"
        "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf), convert it whole to WOFF2:\n\n"
        "  pyftsubset ipagp.ttf --unicodes='*' --glyphs='*' --layout-features='*' \\\n"
        "    --flavor=woff2 --output-file=%s\n\n"
        "and put the result in this folder in place of this one.\n\n"
        "%s\n" % (FONT_FILE, FONT_NAME, FONT_FILE, "\n".join(lines).strip()),
        encoding="utf-8")


def main(build, out):
    build, out = Path(build), Path(out)
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    index = (PAGE / "index.html").read_text(encoding="utf-8")
    (out / "index.html").write_text(index.replace("@CAPTION@", page_text(build, "caption")),
                                    encoding="utf-8")
    for name in ("style.css", "app.js"):
        shutil.copy(PAGE / name, out / name)
    for name in ("lesson.js", "lesson.wasm"):
        shutil.copy(build / "src" / "web" / name, out / name)
    subset_font(build, out)
    (out / "icons").mkdir()
    for size in ICON_SIZES:
        subprocess.run(["rsvg-convert", "--width=%d" % size, "--height=%d" % size,
                        "--output=%s" % (out / "icons" / ("icon-%d.png" % size)), str(ICON)],
                       check=True)
    for f in sorted(out.rglob("*")):
        if f.is_file():
            print("%-36s %8d bytes" % (f.relative_to(out), f.stat().st_size))


if __name__ == "__main__":
    main(*sys.argv[1:3])
