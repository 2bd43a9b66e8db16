// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing text into the picture: a press puts the insertion point at a cell (the left button
// writes set pixels, the right button clear ones), typed characters gather there and show in
// the preview with a caret column after them, and the text lands in the picture as one undo
// step when it is committed: by Enter, by a press elsewhere (which starts the next text there)
// or by putting the tool down. Cancel drops it and leaves the picture as it was.

#include <string>

#include "core/pixel_fonts.h"
#include "document/tools/tool.h"

namespace pixora {

class Document;

class TextTool : public Tool {
public:
    explicit TextTool(Document& document) : doc_(document) {}

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent&) override {}
    void Release(const ToolEvent&) override {}
    std::optional<PictureGrid> Preview() const override;
    void PutDown() override { Commit(); }

    // Whether an insertion point is placed, text typed or not.
    bool Pending() const { return pending_; }
    const std::u32string& Text() const { return text_; }

    // Appends ch when the font has a glyph for it and the text still ends inside the picture;
    // false when ch was not taken.
    bool Type(char32_t ch);
    void Backspace();
    // Writes the text typed so far into the picture as one undo step; an empty text writes
    // nothing. The insertion point is gone afterwards.
    void Commit();
    void Cancel();

    // Applies to the pending text too.
    void SetFont(PixelFontId font) { font_ = font; }
    PixelFontId Font() const { return font_; }

private:
    PictureGrid Drawn() const;

    Document& doc_;
    PixelFontId font_ = PixelFontId::Normal;
    bool pending_ = false;
    CellPoint point_;
    int16_t value_ = 1;
    std::u32string text_;
};

}  // namespace pixora
