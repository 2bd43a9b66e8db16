// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pixel_fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/raster_draw.h"
#include "core/text.h"

namespace pixora {
namespace {

constexpr PixelFontId kFonts[] = {PixelFontId::Tiny, PixelFontId::Normal, PixelFontId::Bold};

std::string Rows(const PictureGrid& p, int left, int top, int width, int height) {
    std::string out;
    for (int y = top; y < top + height; ++y) {
        out += y == top ? "" : "|";
        for (int x = left; x < left + width; ++x) {
            out += p.IsSet(x, y) ? '#' : '.';
        }
    }
    return out;
}

// Each allowed character has its own glyph in every font, drawn inside the cell, and every
// character but the space leaves a mark: so no letter was lost to a wrong code page or a
// baseline that pushed accents out of the cell.
TEST(PixelFonts, EveryAllowedCharacterHasItsOwnGlyph) {
    for (PixelFontId id : kFonts) {
        const PixelFont& font = PixelFontData(id);
        ASSERT_LE(font.height, 8);
        std::map<std::vector<uint8_t>, char32_t> seen;
        for (char32_t ch : AllowedTextChars()) {
            const PixelGlyph* glyph = FindGlyph(font, ch);
            ASSERT_NE(glyph, nullptr) << "font " << static_cast<int>(id) << " U+" << std::hex
                                      << static_cast<uint32_t>(ch);
            std::vector<uint8_t> bits(glyph->rows, glyph->rows + font.height);
            int pixels = 0;
            for (uint8_t row : bits) {
                EXPECT_EQ(row & (0xFF >> font.width), 0)
                    << "U+" << std::hex << static_cast<uint32_t>(ch);
                pixels += __builtin_popcount(row);
            }
            EXPECT_EQ(pixels == 0, ch == U' ') << "U+" << std::hex << static_cast<uint32_t>(ch);
            const auto [it, fresh] = seen.emplace(bits, ch);
            EXPECT_TRUE(fresh) << "font " << static_cast<int>(id) << ": U+" << std::hex
                               << static_cast<uint32_t>(ch) << " looks like U+"
                               << static_cast<uint32_t>(it->second);
        }
    }
}

TEST(PixelFonts, GoldenRenderings) {
    struct Case {
        PixelFontId font;
        std::u32string text;
        int width;
        const char* expected;
    } cases[] = {
        {PixelFontId::Tiny, U"Hi", 8, "#.#..#..|#.#.....|###.##..|#.#..#..|#.#.###.|........"},
        {PixelFontId::Normal, U"Ä€", 10,
         "#..#...##.|.##...#...|#..#.###..|####.###..|#..#..#...|#..#...##.|.........."},
        {PixelFontId::Bold, U"ok", 12,
         "............|......##....|......##....|.###..##.##.|##.##.####..|##.##.##.##.|"
         ".###..##.##.|............"},
    };
    for (const Case& c : cases) {
        PictureGrid p;
        const TextExtent extent = MeasureText(c.text, c.font);
        EXPECT_EQ(DrawText(p, 3, 2, c.text, c.font), extent.width);
        EXPECT_EQ(extent.width, c.width);
        const std::string rows = Rows(p, 3, 2, c.width, extent.height);
        EXPECT_EQ(rows, c.expected);
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '#'), p.SetCount());  // none outside
    }
}

TEST(PixelFonts, TextIsClippedAtTheEdgesAndUnknownCharactersShowAsQuestionMarks) {
    for (PixelFontId id : kFonts) {
        PictureGrid whole;
        DrawText(whole, 0, 0, U"W?", id);
        // The same text hanging over every edge keeps exactly its inside pixels.
        for (const auto& [dx, dy] : {std::pair{-3, -2}, {68, 0}, {0, 25}, {70, 26}}) {
            PictureGrid moved;
            DrawText(moved, dx, dy, U"W?", id);
            int expected = 0;
            for (int y = 0; y < PictureHeight; ++y) {
                for (int x = 0; x < PictureWidth; ++x) {
                    if (whole.IsSet(x, y) && PictureGrid::Contains(x + dx, y + dy)) {
                        ++expected;
                        EXPECT_TRUE(moved.IsSet(x + dx, y + dy));
                    }
                }
            }
            EXPECT_EQ(moved.SetCount(), expected);
        }
        PictureGrid unknown;
        DrawText(unknown, 0, 0, U"W\u4E00", id);
        EXPECT_EQ(unknown, whole);
        EXPECT_EQ(MeasureText(U"W\u4E00", id).width, MeasureText(U"W?", id).width);
        // Clear text on black punches the glyph out.
        PictureGrid black;
        DrawRectangle(black, {0, 0}, {71, 27}, true, 1);
        DrawText(black, 0, 0, U"W?", id, 0);
        EXPECT_EQ(black.SetCount(), PictureCells - whole.SetCount());
    }
}

}  // namespace
}  // namespace pixora
