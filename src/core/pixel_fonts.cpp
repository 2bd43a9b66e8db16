// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pixel_fonts.h"

#include <algorithm>

namespace pixora {

const PixelGlyph* FindGlyph(const PixelFont& font, char32_t ch) {
    const auto it = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), ch,
                                     [](const PixelGlyph& g, char32_t c) { return g.code < c; });
    return it != font.glyphs.end() && it->code == ch ? &*it : nullptr;
}

namespace {

const PixelGlyph& GlyphOrQuestionMark(const PixelFont& font, char32_t ch) {
    const PixelGlyph* glyph = FindGlyph(font, ch);
    return glyph != nullptr ? *glyph : *FindGlyph(font, U'?');
}

}  // namespace

TextExtent MeasureText(std::u32string_view text, PixelFontId id) {
    const PixelFont& font = PixelFontData(id);
    TextExtent extent;
    for (char32_t ch : text) {
        extent.width += GlyphOrQuestionMark(font, ch).advance;
    }
    extent.height = text.empty() ? 0 : font.height;
    return extent;
}

int DrawText(PictureGrid& picture, int x, int y, std::u32string_view text, PixelFontId id,
             int16_t value) {
    const PixelFont& font = PixelFontData(id);
    const int16_t written = value == 1 ? 1 : 0;
    int left = x;
    for (char32_t ch : text) {
        const PixelGlyph& glyph = GlyphOrQuestionMark(font, ch);
        for (int row = 0; row < font.height; ++row) {
            for (int col = 0; col < font.width; ++col) {
                const int px = left + col;
                const int py = y + row;
                if ((glyph.rows[row] & (0x80 >> col)) != 0 && PictureGrid::Contains(px, py)) {
                    picture.Set(px, py, written);
                }
            }
        }
        left += glyph.advance;
    }
    return left - x;
}

}  // namespace pixora
