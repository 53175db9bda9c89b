#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts the program's Japanese font from Debian's Noto Sans CJK JP (fonts-noto-cjk).

Keeps only the characters the program can show: printable ASCII, the few accented letters that
make the font count as Latin (see ENGLISH), and every other character that appears in the sources
of drill/, windows/ and controls/, and in the browser's page (resources/web/), which shows its
Japanese lines in this font too. The proportional widths of the font's
'palt' feature are built into the glyphs, so the katakana captions of the answer options fit
their boxes without the shaper having to be asked for the feature. The glyphs are condensed a little,
to the widths of the narrow face the windows were designed with. The result is a TrueType
font named "Tavimor Sans JP", regular and bold, written to resources/fonts/ with the licence.

Run from the top of the source tree:  /usr/bin/python3 tools/make_font.py
Needs: fonts-noto-cjk, python3-fonttools.
"""

import pathlib
import re

from fontTools import subset
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.ttLib import TTCollection, newTable
from fontTools.ttLib.tables._g_l_y_f import Glyph

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = [ROOT / "drill", ROOT / "windows", ROOT / "controls", ROOT / "resources" / "web"]
OUT = ROOT / "resources" / "fonts"
FAMILY = "Tavimor Sans JP"
# The designed window font is a narrow Japanese face; the cut is condensed to about its widths,
# so captions that fit the designed boxes fit here too.
CONDENSE = 0.92
FACES = {
    "Regular": "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "Bold": "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc",
}
COPYRIGHT = "/usr/share/doc/fonts-noto-cjk/copyright"


# The letters fontconfig asks of a font before it counts the font as writing English, and so
# the Latin script. Qt then lets one font engine serve every script of a caption (kana, kanji,
# digits and Latin letters) instead of loading and hinting the face once per script.
ENGLISH = [0xC0, *range(0xC7, 0xCC), 0xCF, 0xD1, 0xD4, 0xD6,
           0xE0, *range(0xE7, 0xEC), 0xEF, 0xF1, 0xF4, 0xF6]


def program_text():
    chars = {chr(c) for c in range(0x20, 0x7F)}
    chars.update(chr(c) for c in ENGLISH)
    for folder in SOURCES:
        for path in sorted(folder.rglob("*")):
            if path.suffix in (".cpp", ".h", ".html"):
                chars.update(c for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
    return "".join(sorted(chars))


def japanese_face(path):
    for font in TTCollection(path).fonts:
        if font["name"].getDebugName(1) == "Noto Sans CJK JP":
            return font
    raise SystemExit(f"no Noto Sans CJK JP in {path}")


def palt_adjustments(font):
    """Glyph name -> (x placement, x advance) of the 'palt' feature."""
    adjustments = {}
    gpos = font["GPOS"].table
    lookups = set()
    for record in gpos.FeatureList.FeatureRecord:
        if record.FeatureTag == "palt":
            lookups.update(record.Feature.LookupListIndex)
    for index in sorted(lookups):
        lookup = gpos.LookupList.Lookup[index]
        for sub in lookup.SubTable:
            if lookup.LookupType == 9:
                sub = sub.ExtSubTable
            if sub.LookupType != 1:
                continue
            glyphs = sub.Coverage.glyphs
            values = [sub.Value] * len(glyphs) if sub.Format == 1 else sub.Value
            for glyph, value in zip(glyphs, values):
                adjustments[glyph] = (getattr(value, "XPlacement", 0) or 0,
                                      getattr(value, "XAdvance", 0) or 0)
    return adjustments


def to_truetype(font, adjustments):
    """Redraws the CFF outlines as quadratic TrueType outlines, moved by the 'palt' values."""
    glyph_set = font.getGlyphSet()
    order = font.getGlyphOrder()
    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {}
    hmtx = font["hmtx"]
    for name in order:
        dx, dadvance = adjustments.get(name, (0, 0))
        pen = TTGlyphPen(None)
        glyph_set[name].draw(TransformPen(Cu2QuPen(pen, max_err=1.0, reverse_direction=True),
                                          (CONDENSE, 0, 0, 1, dx * CONDENSE, 0)))
        glyph = pen.glyph()
        glyf.glyphs[name] = glyph if glyph.numberOfContours else Glyph()
        advance, _ = hmtx.metrics[name]
        hmtx.metrics[name] = (round((advance + dadvance) * CONDENSE), 0)
    font["loca"] = newTable("loca")
    font["glyf"] = glyf
    for name in order:
        glyph = glyf.glyphs[name]
        glyph.recalcBounds(glyf)
        advance, _ = hmtx.metrics[name]
        hmtx.metrics[name] = (advance, getattr(glyph, "xMin", 0))
    for tag in ("CFF ", "VORG", "GPOS", "BASE", "vhea", "vmtx"):
        if tag in font:
            del font[tag]
    font["head"].glyphDataFormat = 0
    font["head"].indexToLocFormat = 0
    maxp = font["maxp"]
    maxp.tableVersion = 0x00010000
    for field in ("maxZones", "maxTwilightPoints", "maxStorage", "maxFunctionDefs",
                  "maxInstructionDefs", "maxStackElements", "maxSizeOfInstructions",
                  "maxComponentElements", "maxComponentDepth", "maxPoints", "maxContours",
                  "maxCompositePoints", "maxCompositeContours"):
        setattr(maxp, field, 0)
    maxp.maxZones = 1
    post = font["post"]
    post.formatType = 3.0
    font.sfntVersion = "\x00\x01\x00\x00"


def rename(font, style):
    table = font["name"]
    full = f"{FAMILY} {style}" if style != "Regular" else FAMILY
    ps = f"{FAMILY.replace(' ', '')}-{style}"
    keep = {0, 7, 8, 9, 11, 12, 13, 14}
    table.names = [n for n in table.names if n.nameID in keep]
    for name_id, text in ((1, FAMILY), (2, style), (3, f"{ps};2026"), (4, full), (6, ps),
                          (5, "Version 2.004; cut for Tavimor")):
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)


def make(style, path, text):
    font = japanese_face(path)
    options = subset.Options()
    options.layout_features = ["palt", "kern"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    options.hinting = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    to_truetype(font, palt_adjustments(font))
    rename(font, style)
    font.recalcTimestamp = False  # the same sources give the same bytes
    target = OUT / f"TavimorSansJP-{style}.ttf"
    font.save(target)
    print(f"{target.relative_to(ROOT)}: {len(font.getGlyphOrder())} glyphs")


def licence():
    text = pathlib.Path(COPYRIGHT).read_text(encoding="utf-8")
    block = text.split("License: SIL-1.1\n", 2)[2]
    lines = []
    for line in block.splitlines():
        if not line.startswith(" "):
            break
        line = line[1:]
        lines.append("" if line == "." else line)
    header = ("Tavimor Sans JP is cut from Noto Sans CJK JP.\n"
              "Copyright 2014-2021 Adobe (http://www.adobe.com/).\n\n")
    (OUT / "OFL.txt").write_text(header + "\n".join(lines).strip() + "\n", encoding="utf-8")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    text = program_text()
    for style, path in FACES.items():
        make(style, path, text)
    licence()


if __name__ == "__main__":
    main()
