#!/usr/bin/env python3
"""Builds the viewer's pixel faces (TrueType) from the glyph files in resources/fonts/pixel.

    pixelface.py OUTDIR FILE.glyphs...

Every file <set>-<size>.glyphs adds its glyphs to the face of that design size; for each size
a regular and a bold face are written, ZentalogerPixel-<size>.ttf and
ZentalogerPixel-<size>-Bold.ttf, family "Zentaloger Pixel <size>". The bold face is derived:
each ink pixel also inks its right-hand neighbour and the advance grows by one; a glyph in a
<set>-<size>b.glyphs file replaces the derived one.

A pixel is PIXEL units and the em is size pixels, so at the design size (and at any whole
multiple of it) every edge lies on the pixel grid and the rasteriser draws the glyphs exactly
as the files show them. A mistake in a file stops the build with its file, line and cause.
"""

import os
import re
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import ttProgram

PIXEL = 128  # font units to a pixel
HEADER_KEYS = ("size", "ascent", "descent", "above")
FILE_NAME = re.compile(r"^[a-z0-9]+-(\d+)(b?)\.glyphs$")
GLYPH_LINE = re.compile(r"^glyph U\+([0-9A-Fa-f]{4,6})(?: .*)?$")


class GlyphError(Exception):
    pass


def fail(path, line, message):
    raise GlyphError(f"{path}:{line}: {message}")


def parse(path):
    """The header and the glyphs of one file: ({key: value}, {code point: (rows, line)})."""
    name = os.path.basename(path)
    match = FILE_NAME.match(name)
    if not match:
        fail(path, 0, "the name must be <set>-<size>.glyphs or <set>-<size>b.glyphs")
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    header, glyphs = {}, {}
    i = 0
    while i < len(lines):
        number, text = i + 1, lines[i].rstrip()
        i += 1
        if not text or text.startswith("#"):
            continue
        if not text.startswith("glyph"):
            words = text.split("#", 1)[0].split()
            if len(words) != 2 or words[0] not in HEADER_KEYS or not words[1].isdigit():
                fail(path, number, f"expected 'glyph U+XXXX' or a header line "
                     f"({', '.join(HEADER_KEYS)} and a number), found '{text}'")
            if glyphs:
                fail(path, number, f"header line '{words[0]}' after the first glyph")
            header[words[0]] = int(words[1])
            continue
        missing = [key for key in HEADER_KEYS if key not in header]
        if missing:
            fail(path, number, f"the header lacks {', '.join(missing)}")
        if header["size"] != int(match.group(1)):
            fail(path, number, f"size {header['size']} does not match the file name")
        glyph = GLYPH_LINE.match(text)
        if not glyph:
            fail(path, number, f"expected 'glyph U+XXXX', found '{text}'")
        code = int(glyph.group(1), 16)
        if code in glyphs:
            fail(path, number, f"U+{code:04X} is drawn twice (first on line {glyphs[code][1]})")
        height = header["above"] + header["ascent"] + header["descent"]
        rows = [row.rstrip() for row in lines[i:i + height]]
        for r, row in enumerate(rows):
            if not row or set(row) - {"#", "."}:
                fail(path, i + r + 1, f"U+{code:04X} row {r}: expected {height} rows of "
                     f"'#' and '.', found '{row}'")
            if len(row) != len(rows[0]):
                fail(path, i + r + 1, f"U+{code:04X} row {r} is {len(row)} pixels wide, "
                     f"row 0 {len(rows[0])}")
        if len(rows) < height:
            fail(path, i + len(rows), f"U+{code:04X} has {len(rows)} rows, not {height}")
        glyphs[code] = (rows, number)
        i += height
    if not glyphs:
        fail(path, len(lines), "no glyphs")
    return header, glyphs


def embolden(rows):
    """The derived bold glyph: every ink pixel inks its right-hand neighbour too."""
    bold = []
    for row in rows:
        cells = list(row + ".")
        for x, c in enumerate(row):
            if c == "#":
                cells[x + 1] = "#"
        bold.append("".join(cells))
    return bold


def outline(rows, top):
    """A TrueType glyph: each maximal run of ink in a row becomes a rectangle, and runs at
    the same columns in consecutive rows share one; `top` is the top edge of row 0 in pixels
    above the baseline."""
    runs = {}  # (x0, x1) -> [(first row, last row)]
    for y, row in enumerate(rows):
        for m in re.finditer(r"#+", row):
            spans = runs.setdefault(m.span(), [])
            if spans and spans[-1][1] == y - 1:
                spans[-1] = (spans[-1][0], y)
            else:
                spans.append((y, y))
    pen = TTGlyphPen(None)
    for (x0, x1), spans in sorted(runs.items()):
        for y0, y1 in spans:
            left, right = x0 * PIXEL, x1 * PIXEL
            upper, lower = (top - y0) * PIXEL, (top - y1 - 1) * PIXEL
            pen.moveTo((left, lower))  # clockwise: the filled side of a TrueType contour
            pen.lineTo((left, upper))
            pen.lineTo((right, upper))
            pen.lineTo((right, lower))
            pen.closePath()
    return pen.glyph()


def inked_rows(rows):
    """The rows with ink: the height of a letter with no gap across it, such as H or x."""
    return sum(1 for row in rows if "#" in row)


def notdef(header, cap_height):
    """An empty box of cap height, for characters the face lacks."""
    height = header["above"] + header["ascent"] + header["descent"]
    box = ["....."] * height
    last = header["above"] + header["ascent"] - 1
    first = last - cap_height + 1
    for y in range(first, last + 1):
        box[y] = "#####" if y in (first, last) else "#...#"
    return [row + "." for row in box]


def build(size, bold, header, glyphs, path):
    top = header["above"] + header["ascent"]
    # The capital H and the small x give the cap height and the x-height.
    cap_height = inked_rows(glyphs.get(ord("H"), []))
    x_height = inked_rows(glyphs.get(ord("x"), []))
    ascent, descent = header["ascent"] * PIXEL, header["descent"] * PIXEL
    names = {code: f"uni{code:04X}" for code in glyphs}
    order = [".notdef"] + [names[code] for code in sorted(glyphs)]
    drawn = {".notdef": notdef(header, cap_height or header["ascent"] - 1)}
    drawn.update({names[code]: rows for code, rows in glyphs.items()})
    family = f"Zentaloger Pixel {size}"
    style = "Bold" if bold else "Regular"

    fb = FontBuilder(size * PIXEL, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({code: names[code] for code in glyphs})
    outlines = {name: outline(rows, top) for name, rows in drawn.items()}
    fb.setupGlyf(outlines)
    metrics = {}
    for name, rows in drawn.items():
        glyph = outlines[name]
        glyph.recalcBounds(fb.font["glyf"])
        metrics[name] = (len(rows[0]) * PIXEL, getattr(glyph, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent, lineGap=0)
    fb.setupNameTable({
        "familyName": family,
        "styleName": style,
        "uniqueFontIdentifier": f"{family} {style}",
        "fullName": f"{family} {style}",
        "psName": f"ZentalogerPixel{size}-{style}",
        "version": "Version 1.0",
        "copyright": "Drawn for Zentaloger; free to use, copy and change with it",
    }, mac=False)
    fb.setupOS2(
        usWeightClass=700 if bold else 400,
        # BOLD or REGULAR, and USE_TYPO_METRICS: the line is the typographic ascent and
        # descent, while the Windows ascent covers the marks above the capitals too.
        version=4, fsSelection=(0x20 if bold else 0x40) | 0x80,
        sTypoAscender=ascent, sTypoDescender=-descent, sTypoLineGap=0,
        usWinAscent=top * PIXEL, usWinDescent=descent,
        sxHeight=x_height * PIXEL, sCapHeight=cap_height * PIXEL,
        ulCodePageRange1=(1 << 0) | (1 << 2),  # Latin 1 and Cyrillic
        achVendID="ZNTL")
    fb.font["OS/2"].recalcUnicodeRanges(fb.font)
    fb.font["head"].macStyle = 1 if bold else 0
    fb.setupPost()
    # A font program of its own keeps FreeType from running its autohinter over glyphs that
    # already lie on the pixel grid: the glyphs carry no instructions, so the points stay put.
    prep = newTable("prep")
    prep.program = ttProgram.Program()
    prep.program.fromAssembly(["PUSHB[ ]", "0", "POP[ ]"])
    fb.font["prep"] = prep
    fb.setupMaxp()
    fb.font["maxp"].maxStackElements = 1
    fb.save(path)


class Face:
    """The glyphs of one design size: the regular ones with the file each came from, and the
    bold ones that replace derived glyphs."""

    def __init__(self):
        self.header, self.glyphs, self.source, self.bold = None, {}, {}, {}

    def add(self, path, header, glyphs):
        if self.header is not None and self.header != header:
            fail(path, 1, f"header {header} differs from {self.header} of the other files "
                 "of this size")
        self.header = header
        for code, (rows, line) in glyphs.items():
            if code in self.source:
                fail(path, line, f"U+{code:04X} is drawn in {self.source[code]} too")
            self.glyphs[code], self.source[code] = rows, path

    def check_bold(self, size):
        for code, (rows, path, line) in self.bold.items():
            if self.header is None:
                fail(path, line, f"bold glyphs for size {size}, which has no regular file")
            if code not in self.glyphs:
                fail(path, line, f"U+{code:04X} is bold only: draw it in a {size}-px file too")
            if len(rows) != len(self.glyphs[code]):
                fail(path, line, f"U+{code:04X} has {len(rows)} rows, the regular one "
                     f"{len(self.glyphs[code])}")


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: pixelface.py OUTDIR FILE.glyphs...")
    out, files = argv[1], sorted(argv[2:])
    faces = {}  # design size -> Face
    try:
        for path in files:
            header, glyphs = parse(path)
            match = FILE_NAME.match(os.path.basename(path))
            face = faces.setdefault(int(match.group(1)), Face())
            if match.group(2) == "b":
                face.bold.update({code: (rows, path, line)
                                  for code, (rows, line) in glyphs.items()})
            else:
                face.add(path, header, glyphs)
        for size, face in faces.items():
            face.check_bold(size)
    except GlyphError as error:
        sys.exit(str(error))
    os.makedirs(out, exist_ok=True)
    for size, face in sorted(faces.items()):
        build(size, False, face.header, face.glyphs,
              os.path.join(out, f"ZentalogerPixel-{size}.ttf"))
        bold = {code: embolden(rows) for code, rows in face.glyphs.items()}
        bold.update({code: rows for code, (rows, _, _) in face.bold.items()})
        build(size, True, face.header, bold, os.path.join(out, f"ZentalogerPixel-{size}-Bold.ttf"))


if __name__ == "__main__":
    main(sys.argv)
