// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/tools/text_tool.h"

#include <utility>

#include "document/document.h"

namespace pixora {

void TextTool::Press(const ToolEvent& event) {
    Commit();
    const auto value = CellValueOfButtons(event.buttons);
    if (!value || !PictureGrid::Contains(event.cell.x, event.cell.y)) {
        return;
    }
    pending_ = true;
    point_ = event.cell;
    value_ = *value;
}

bool TextTool::Type(char32_t ch) {
    if (!pending_ || FindGlyph(PixelFontData(font_), ch) == nullptr) {
        return false;
    }
    // A character that would start beyond the right edge could never be seen; refusing it also
    // keeps a held-down key from growing the text without end.
    if (point_.x + MeasureText(text_, font_).width >= PictureWidth) {
        return false;
    }
    text_ += ch;
    return true;
}

void TextTool::Backspace() {
    if (!text_.empty()) {
        text_.pop_back();
    }
}

void TextTool::Commit() {
    if (!pending_) {
        return;
    }
    const std::u32string text = std::exchange(text_, {});
    pending_ = false;
    if (text.empty()) {
        return;
    }
    PictureGrid after = doc_.Picture();
    DrawText(after, point_.x, point_.y, text, font_, value_);
    doc_.Edit(after, "Text");
}

void TextTool::Cancel() {
    pending_ = false;
    text_.clear();
}

std::optional<PictureGrid> TextTool::Preview() const {
    if (!pending_) {
        return std::nullopt;
    }
    return Drawn();
}

PictureGrid TextTool::Drawn() const {
    PictureGrid picture = doc_.Picture();
    const int width = DrawText(picture, point_.x, point_.y, text_, font_, value_);
    // The caret: the column after the text, inverted so it shows on set and clear cells alike.
    const int caret = point_.x + width;
    for (int y = point_.y; y < point_.y + PixelFontData(font_).height; ++y) {
        if (PictureGrid::Contains(caret, y)) {
            picture.Set(caret, y, picture.IsSet(caret, y) ? 0 : 1);
        }
    }
    return picture;
}

}  // namespace pixora
