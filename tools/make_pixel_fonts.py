#!/usr/bin/python3
"""Writes src/core/pixel_font_data.cpp, the glyph tables of the picture's three pixel fonts.

The glyphs come from the public-domain misc-fixed bitmap fonts of X11 ("Public domain font.
Share and enjoy."), as Debian ships them in xfonts-base:

    tiny    4x6   Misc Fixed 4x6
    normal  5x7   Misc Fixed 5x7
    bold    6x8   Misc Fixed 5x8, emboldened: every set pixel also sets its right neighbour,
                  and each glyph advances one pixel further (there is no bold fixed font of
                  that height)

Two touch-ups keep every letter distinct from every other. The 5x7 font draws the capitals with
a grave, acute, circumflex or tilde exactly like the plain letter (there is no room above them);
here such a capital gets the letter squeezed by one row and a one-row accent above it, the way
the font itself draws its umlauts. And in 5x8 the capital A with ring is the A with circumflex,
so its ring becomes a 2 x 2 dot as in the 5x7 font.

Every character of Windows-1252 that has a glyph is written, which includes every character a
picture text may hold. The program itself never reads a font file; this script is run by hand
when the tables are to change, and its output is committed:

    sudo apt-get install xfonts-base python3-pil
    /usr/bin/python3 tools/make_pixel_fonts.py            # writes src/core/pixel_font_data.cpp
    clang-format -i src/core/pixel_font_data.cpp

Debian's own interpreter is named because python3-pil belongs to it. A font folder other than
/usr/share/fonts/X11/misc can be given as the first argument.
"""

import gzip
import os
import sys
import unicodedata

from PIL import PcfFontFile

FONT_DIR = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/X11/misc"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "core",
                   "pixel_font_data.cpp")

# (C++ name, file, cell width, embolden)
FONTS = [
    ("kTiny", "4x6.pcf.gz", 4, False),
    ("kNormal", "5x7.pcf.gz", 5, False),
    ("kBold", "5x8.pcf.gz", 5, True),
]


def cp1252_chars():
    """(byte, unicode character) for every printable character of Windows-1252."""
    for byte in list(range(0x20, 0x7F)) + list(range(0x80, 0x100)):
        try:
            ch = bytes([byte]).decode("cp1252")
        except UnicodeDecodeError:
            continue
        if byte == 0xAD:  # the soft hyphen draws nothing in a text line
            continue
        yield byte, ch


# One-row accents over a letter whose columns run from l to r.
ACCENT_ROWS = {
    "0300": lambda l, r: {l},  # grave
    "0301": lambda l, r: {r},  # acute
    "0302": lambda l, r: set(range(l, r + 1)),  # circumflex
    "0303": lambda l, r: {l, r} | set(range(l + 2, r)),  # tilde, as the font draws it over N
    "0308": lambda l, r: {l, r},  # diaeresis
}
RING_AS_DOT = {0xC5: {0: 0x60, 1: 0x60}}


def squeezed_with_accent(base_rows, ascent, mark):
    """The capital with one of its repeated rows dropped, below a one-row accent."""
    body = base_rows[:ascent]
    for i in range(1, len(body)):
        if body[i] == body[i - 1]:
            body = body[:i] + body[i + 1:]
            break
    else:
        return None
    columns = [c for c in range(8) if any(r & (0x80 >> c) for r in body)]
    accent = 0
    for c in ACCENT_ROWS[mark](columns[0], columns[-1]):
        accent |= 0x80 >> c
    return [accent] + body + base_rows[ascent:]


def distinguish(rows_by_code, ascent):
    for code, rows in rows_by_code.items():
        parts = unicodedata.decomposition(chr(code)).split()
        if len(parts) != 2 or parts[1] not in ACCENT_ROWS or not chr(code).isupper():
            continue
        base = rows_by_code.get(int(parts[0], 16))
        if base is not None and base == rows:
            fixed = squeezed_with_accent(base, ascent, parts[1])
            if fixed is None:
                sys.exit(f"U+{code:04X}: no row of its letter can be dropped")
            rows_by_code[code] = fixed


def load(file_name, cell_width, embolden):
    path = os.path.join(FONT_DIR, file_name)
    with gzip.open(path, "rb") as fp:
        font = PcfFontFile.PcfFontFile(fp, "cp1252")
    info = {k.decode(): v for k, v in font.info.items()}
    if b"Public domain" not in info.get("COPYRIGHT", b""):
        sys.exit(f"{path}: not the public-domain misc-fixed font")
    ascent = int(info.get("FONT_ASCENT", 0)) or None
    height = int(file_name.split("x")[1].split(".")[0])
    glyphs = {}
    for byte, ch in cp1252_chars():
        glyph = font[byte]
        if glyph is None:
            sys.exit(f"{path}: no glyph for U+{ord(ch):04X}")
        (advance, _), (left, top, _, _), _, image = glyph
        if ascent is None:
            # The fixed fonts put the baseline one pixel above the cell's bottom row (two for
            # the taller ones); the descent of 'g' tells where it is.
            ascent = height - max(0, font[ord("g")][1][3])
        rows = [0] * height
        w, h = image.size
        for y in range(h):
            for x in range(w):
                if image.getpixel((x, y)):
                    cx, cy = left + x, ascent + top + y
                    if not (0 <= cx < cell_width and 0 <= cy < height):
                        sys.exit(f"{path}: U+{ord(ch):04X} leaves its cell")
                    rows[cy] |= 0x80 >> cx
        glyphs[ord(ch)] = (advance, rows)
    rows_by_code = {code: rows for code, (_, rows) in glyphs.items()}
    distinguish(rows_by_code, ascent)
    if embolden:
        for code, fix in RING_AS_DOT.items():
            for row, bits in fix.items():
                rows_by_code[code][row] = bits
    result = []
    for code, (advance, _) in sorted(glyphs.items()):  # by code, for lookup by halving
        rows = rows_by_code[code]
        if embolden:
            rows = [r | (r >> 1) for r in rows]
            advance += 1
        result.append((code, advance, rows))
    return height, ascent, result


def main():
    parts = []
    for name, file_name, cell_width, embolden in FONTS:
        height, ascent, glyphs = load(file_name, cell_width, embolden)
        width = cell_width + (1 if embolden else 0)
        lines = [f"// {file_name}{', emboldened' if embolden else ''}: {width} x {height}, "
                 f"baseline below row {ascent - 1}.",
                 f"constexpr PixelGlyph {name}Glyphs[] = {{"]
        for code, advance, rows in glyphs:
            row_text = ", ".join(f"0x{r:02X}" for r in rows)
            lines.append(f"    {{0x{code:04X}, {advance}, {{{row_text}}}}},")
        lines.append("};")
        parts.append((name, width, height, ascent, "\n".join(lines)))

    out = ["// Generated by tools/make_pixel_fonts.py from the public-domain misc-fixed fonts of",
           "// X11; edit the script, not this file.",
           '#include "core/pixel_fonts.h"', "", "namespace pixora {", "", "namespace {", ""]
    for _, _, _, _, text in parts:
        out.append(text)
        out.append("")
    out.append("}  // namespace")
    out.append("")
    out.append("const PixelFont& PixelFontData(PixelFontId id) {")
    for name, width, height, ascent, _ in parts:
        out.append(f"    static const PixelFont {name}Font{{{width}, {height}, {ascent}, "
                   f"{name}Glyphs}};")
    out.append("    switch (id) {")
    ids = {"kTiny": "Tiny", "kNormal": "Normal", "kBold": "Bold"}
    for name, *_ in parts[:-1]:
        out.append(f"        case PixelFontId::{ids[name]}:")
        out.append(f"            return {name}Font;")
    out.append(f"        case PixelFontId::{ids[parts[-1][0]]}:")
    out.append("            break;")
    out.append("    }")
    out.append(f"    return {parts[-1][0]}Font;")
    out.append("}")
    out.append("")
    out.append("}  // namespace pixora")
    with open(OUT, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
