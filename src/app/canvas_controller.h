// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Input on the canvas: the mouse drives the current drawing tool (the pencil by default: left
// button sets cells, right button clears them), the position read-out follows the pointer, and
// the arrow keys move the picture. While the text tool holds an insertion point, the keyboard
// types into it instead. The keyboard cursor lets the picture be drawn without a mouse: while it
// is on, the arrows move it cell by cell, Space sets the cell under it and Backspace clears it.

#include <QtCore/qnamespace.h>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "core/pixel_fonts.h"
#include "document/document.h"
#include "document/tools/tool.h"

class QLineEdit;

namespace pixora {

enum class ToolKind {
    Pencil,
    Line,
    Rectangle,
    FilledRectangle,
    Ellipse,
    FilledEllipse,
    Fill,
    Text
};
inline constexpr int ToolCount = 8;

class TextTool;

class CanvasController {
public:
    // What a tool would draw, shown over the picture on the views; nothing: show the picture.
    using PreviewShower = std::function<void(const std::optional<PictureGrid>&)>;

    // moveKey is called with the arrow key pressed on the canvas.
    CanvasController(Document& document, QLineEdit& position, std::function<void(int)> moveKey,
                     PreviewShower showPreview = {});
    ~CanvasController();

    void picMain_MouseDown(int button, double x, double y, bool shift = false);
    void picMain_MouseMove(int buttons, double x, double y, bool shift = false);
    // Where the pointer is released; without a position, where it was last seen.
    void picMain_MouseUp();
    void picMain_MouseUp(double x, double y, bool shift = false);
    // Returns whether the key did something: the arrows, and while the keyboard cursor is on
    // also Space, Backspace and Esc.
    bool picMain_KeyDown(int key);

    // Called with the cursor's cell whenever it moves or is switched on, nothing when switched off.
    using CursorShower = std::function<void(const std::optional<CellPoint>&)>;
    void OnKeyboardCursor(CursorShower show) { showCursor_ = std::move(show); }
    // Switched on, the cursor starts on the cell last pointed at (the top left one at first).
    void SetKeyboardCursor(bool on);
    bool KeyboardCursorOn() const { return cursorOn_; }
    CellPoint KeyboardCursor() const { return cursor_; }

    // A drag under way finishes with the tool it started with; text still being typed is
    // committed.
    void SetTool(ToolKind kind);
    ToolKind CurrentTool() const { return static_cast<ToolKind>(current_); }

    // Whether a key press goes to the text being typed rather than to a shortcut or the arrow
    // keys: while an insertion point is placed, every key that types a character (Shift
    // allowed, no Ctrl or Alt), Backspace, Enter, Esc and the arrows.
    bool TextTakesKey(int key, Qt::KeyboardModifiers modifiers, std::u32string_view text) const;
    // Types, erases, commits or cancels; returns false for a key TextTakesKey refuses.
    bool picMain_TextKey(int key, Qt::KeyboardModifiers modifiers, std::u32string_view text);
    void SetTextFont(PixelFontId font);
    // Writes a text still being typed into the picture, so a command that changes, replaces or
    // saves the picture starts from what the user sees.
    void CommitPendingText();

private:
    void ShowPreview();
    void PointedAt(double x, double y);
    void MoveCursor(int dx, int dy);
    // Sets (1) or clears (0) the cell under the cursor as one pencil stroke.
    void PaintAtCursor(int buttons);

    Document& doc_;
    QLineEdit& txtPos_;
    std::function<void(int)> moveKey_;
    PreviewShower showPreview_;
    std::array<std::unique_ptr<Tool>, ToolCount> tools_;
    TextTool* text_ = nullptr;
    size_t current_ = 0;
    Tool* active_ = nullptr;
    ToolEvent last_;
    bool previewShown_ = false;
    CursorShower showCursor_;
    bool cursorOn_ = false;
    CellPoint cursor_;
};

}  // namespace pixora
