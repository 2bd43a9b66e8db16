// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Three bitmap fonts for writing text into the picture: a tiny 4 x 6, a plain 5 x 7 and a bold
// one 8 rows high. Each covers every printable Windows-1252 character, so every character a
// picture text may hold has a glyph.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/picture.h"

namespace pixora {

enum class PixelFontId { Tiny, Normal, Bold };

struct PixelGlyph {
    char32_t code;
    uint8_t advance;  // columns from this glyph's left edge to the next one's
    uint8_t rows[8];  // top row first; bit 7 is the leftmost column
};

struct PixelFont {
    int width;  // the cell every glyph is drawn in
    int height;
    int ascent;                          // rows above the baseline
    std::span<const PixelGlyph> glyphs;  // ordered by code
};

const PixelFont& PixelFontData(PixelFontId id);

// The glyph of a character, nullptr where the font has none.
const PixelGlyph* FindGlyph(const PixelFont& font, char32_t ch);

struct TextExtent {
    int width = 0;
    int height = 0;
};

// A character without a glyph is measured and drawn as '?'.
TextExtent MeasureText(std::u32string_view text, PixelFontId font);

// Writes the set pixels of the text with value (1 set, 0 clear) into the picture, the top-left
// corner of its first cell at (x, y); the glyphs' blank pixels leave the picture as it was.
// What falls outside the picture is dropped. Returns the width drawn, as MeasureText.
int DrawText(PictureGrid& picture, int x, int y, std::u32string_view text, PixelFontId font,
             int16_t value = 1);

}  // namespace pixora
