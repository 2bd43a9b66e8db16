// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/tools/text_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/raster_draw.h"
#include "document/document.h"
#include "support/picture_rows.h"

namespace pixora {
namespace {

using testing::Rows;

// "Hi" at the insertion point.
const std::string kNormalHi = "#..#...#..|#..#......|####..##..|#..#...#..|#..#...#..|#..#..###.";
const std::string kTinyHi = "#.#..#..|#.#.....|###.##..|#.#..#..|#.#.###.";

TEST(TextTool, WritesTheTypedTextAsOneUndoStep) {
    enum class End { Enter, Esc, PressElsewhere, PutDown };
    const struct {
        const char* what;
        int buttons;
        std::u32string keys;  // '\b' is Backspace
        PixelFontId font;     // chosen after typing
        End end;
        std::string expected;  // the cells from the insertion point; empty: picture unchanged
    } cases[] = {
        {"enter commits", 1, U"Hi", PixelFontId::Normal, End::Enter, kNormalHi},
        {"esc cancels", 1, U"Hi", PixelFontId::Normal, End::Esc, ""},
        {"an empty text is no step", 1, U"", PixelFontId::Normal, End::Enter, ""},
        {"backspace, and a glyph no font has", 1, U"Hx\bi\u4E2D", PixelFontId::Normal, End::Enter,
         kNormalHi},
        {"the right button clears", 2, U"Hi", PixelFontId::Normal, End::Enter, kNormalHi},
        {"a new font applies to the pending text", 1, U"Hi", PixelFontId::Tiny, End::Enter,
         kTinyHi},
        {"a press elsewhere commits", 1, U"Hi", PixelFontId::Normal, End::PressElsewhere,
         kNormalHi},
        {"another tool commits", 1, U"Hi", PixelFontId::Normal, End::PutDown, kNormalHi},
    };
    const CellPoint point{3, 2};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc;
        const bool clearing = c.buttons == 2;
        PictureGrid start;
        if (clearing) {
            DrawRectangle(start, {0, 0}, {71, 27}, true, 1);
        }
        doc.SetPicture(start);
        doc.SetModified(ModifiedState::Saved);
        TextTool tool(doc);
        tool.Press({point, c.buttons, false});
        tool.Release({point, c.buttons, false});
        for (char32_t ch : c.keys) {
            ch == U'\b' ? tool.Backspace() : static_cast<void>(tool.Type(ch));
        }
        tool.SetFont(c.font);
        // Typing shows in the preview only.
        EXPECT_EQ(doc.Picture(), start);
        ASSERT_TRUE(tool.Preview().has_value());
        switch (c.end) {
            case End::Enter:
                tool.Commit();
                break;
            case End::Esc:
                tool.Cancel();
                break;
            case End::PressElsewhere:
                tool.Press({{40, 20}, 1, false});
                break;
            case End::PutDown:
                tool.PutDown();
                break;
        }
        EXPECT_EQ(tool.Pending(), c.end == End::PressElsewhere);

        const PictureGrid& after = doc.Picture();
        if (c.expected.empty()) {
            EXPECT_EQ(after, start);
            EXPECT_EQ(doc.History().Count(), 0u);
            EXPECT_EQ(doc.Modified(), ModifiedState::Saved);
            continue;
        }
        std::string shown = c.expected;
        if (clearing) {
            std::replace(shown.begin(), shown.end(), '#', 'o');
            std::replace(shown.begin(), shown.end(), '.', '#');
            std::replace(shown.begin(), shown.end(), 'o', '.');
        }
        const int width = static_cast<int>(c.expected.find('|'));
        const int height = static_cast<int>(std::count(shown.begin(), shown.end(), '|')) + 1;
        EXPECT_EQ(Rows(after, point, width, height), shown);
        const auto written = std::count(c.expected.begin(), c.expected.end(), '#');
        EXPECT_EQ(clearing ? PictureCells - after.SetCount() : after.SetCount(), written);
        EXPECT_EQ(doc.History().Count(), 1u);
        EXPECT_EQ(doc.Modified(), ModifiedState::Modified);
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.Picture(), start);
    }
}

// The caret column follows the text; a character that would start past the right edge is
// refused, one that starts inside is clipped.
TEST(TextTool, CaretAndRightEdge) {
    Document doc;
    TextTool tool(doc);
    tool.Press({{60, 0}, 1, false});
    EXPECT_EQ(Rows(*tool.Preview(), {60, 0}, 1, 7), "#|#|#|#|#|#|#");
    EXPECT_TRUE(tool.Type(U'H'));
    EXPECT_TRUE(tool.Type(U'H'));
    EXPECT_EQ(Rows(*tool.Preview(), {70, 0}, 1, 8), "#|#|#|#|#|#|#|.");
    EXPECT_TRUE(tool.Type(U'H'));
    EXPECT_FALSE(tool.Type(U'H'));
    tool.Commit();
    EXPECT_EQ(Rows(doc.Picture(), {60, 0}, 12, 1), "#..#.#..#.#.");
}

}  // namespace
}  // namespace pixora
