// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/canvas_controller.h"

#include <QLineEdit>
#include <algorithm>
#include <utility>

#include "core/picture_views.h"
#include "document/tools/fill_tool.h"
#include "document/tools/pencil_tool.h"
#include "document/tools/shape_tools.h"
#include "document/tools/text_tool.h"

namespace pixora {

namespace {

ToolEvent EventAt(int buttons, double x, double y, bool shift) {
    return ToolEvent{CellPoint{CellFromCanvas(x), CellFromCanvas(y)}, buttons, shift};
}

}  // namespace

CanvasController::CanvasController(Document& document, QLineEdit& position,
                                   std::function<void(int)> moveKey, PreviewShower showPreview)
    : doc_(document),
      txtPos_(position),
      moveKey_(std::move(moveKey)),
      showPreview_(std::move(showPreview)) {
    tools_[static_cast<size_t>(ToolKind::Pencil)] = std::make_unique<PencilTool>(document);
    tools_[static_cast<size_t>(ToolKind::Line)] = std::make_unique<LineTool>(document);
    tools_[static_cast<size_t>(ToolKind::Rectangle)] =
        std::make_unique<RectangleTool>(document, false);
    tools_[static_cast<size_t>(ToolKind::FilledRectangle)] =
        std::make_unique<RectangleTool>(document, true);
    tools_[static_cast<size_t>(ToolKind::Ellipse)] = std::make_unique<EllipseTool>(document, false);
    tools_[static_cast<size_t>(ToolKind::FilledEllipse)] =
        std::make_unique<EllipseTool>(document, true);
    tools_[static_cast<size_t>(ToolKind::Fill)] = std::make_unique<FillTool>(document);
    auto text = std::make_unique<TextTool>(document);
    text_ = text.get();
    tools_[static_cast<size_t>(ToolKind::Text)] = std::move(text);
}

CanvasController::~CanvasController() = default;

void CanvasController::picMain_MouseDown(int button, double x, double y, bool shift) {
    // A second button during a drag goes to the tool the drag started with.
    if (active_ == nullptr) {
        active_ = tools_[current_].get();
    }
    last_ = EventAt(button, x, y, shift);
    active_->Press(last_);
    ShowPreview();
    PointedAt(x, y);
}

void CanvasController::picMain_MouseMove(int buttons, double x, double y, bool shift) {
    if (active_ != nullptr) {
        last_ = EventAt(buttons, x, y, shift);
        active_->Move(last_);
        ShowPreview();
    }
    const int px = CellFromCanvas(x);
    const int py = CellFromCanvas(y);
    if (PictureGrid::Contains(px, py)) {
        txtPos_.setText(QString::fromStdString(PositionReadout(px, py)));
        if (!cursorOn_) {
            cursor_ = CellPoint{px, py};
        }
    }
}

void CanvasController::PointedAt(double x, double y) {
    const CellPoint cell{CellFromCanvas(x), CellFromCanvas(y)};
    if (!PictureGrid::Contains(cell.x, cell.y)) {
        return;
    }
    // A click takes the keyboard cursor along, so mouse and keys work on the same cell.
    cursor_ = cell;
    if (cursorOn_ && showCursor_) {
        showCursor_(cursor_);
    }
}

void CanvasController::SetKeyboardCursor(bool on) {
    if (on == cursorOn_) {
        return;
    }
    cursorOn_ = on;
    if (on) {
        txtPos_.setText(QString::fromStdString(PositionReadout(cursor_.x, cursor_.y)));
    }
    if (showCursor_) {
        showCursor_(on ? std::optional<CellPoint>(cursor_) : std::nullopt);
    }
}

void CanvasController::MoveCursor(int dx, int dy) {
    // Held at the edges: running into the border must not jump to the other side.
    cursor_.x = std::clamp(cursor_.x + dx, 0, PictureWidth - 1);
    cursor_.y = std::clamp(cursor_.y + dy, 0, PictureHeight - 1);
    txtPos_.setText(QString::fromStdString(PositionReadout(cursor_.x, cursor_.y)));
    if (showCursor_) {
        showCursor_(cursor_);
    }
}

void CanvasController::PaintAtCursor(int buttons) {
    // A mouse drag under way keeps the document to itself.
    if (active_ != nullptr) {
        return;
    }
    Tool& pencil = *tools_[static_cast<size_t>(ToolKind::Pencil)];
    const ToolEvent event{cursor_, buttons, false};
    pencil.Press(event);
    pencil.Release(event);
}

void CanvasController::picMain_MouseUp() {
    if (active_ != nullptr) {
        Tool* tool = std::exchange(active_, nullptr);
        tool->Release(last_);
        ShowPreview();
    }
}

void CanvasController::picMain_MouseUp(double x, double y, bool shift) {
    if (active_ != nullptr) {
        last_ = EventAt(last_.buttons, x, y, shift);
    }
    picMain_MouseUp();
}

void CanvasController::SetTool(ToolKind kind) {
    const auto next = static_cast<size_t>(kind);
    if (next != current_) {
        tools_[current_]->PutDown();
        current_ = next;
        ShowPreview();
    }
}

void CanvasController::CommitPendingText() {
    if (text_->Pending()) {
        text_->Commit();
        ShowPreview();
    }
}

bool CanvasController::TextTakesKey(int key, Qt::KeyboardModifiers modifiers,
                                    std::u32string_view text) const {
    if (!text_->Pending() || CurrentTool() != ToolKind::Text) {
        return false;
    }
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        default:
            break;
    }
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (modifiers & commands) == 0 && text.size() == 1 && text[0] >= U' ' && text[0] != U'\x7f';
}

bool CanvasController::picMain_TextKey(int key, Qt::KeyboardModifiers modifiers,
                                       std::u32string_view text) {
    if (!TextTakesKey(key, modifiers, text)) {
        return false;
    }
    switch (key) {
        case Qt::Key_Backspace:
            text_->Backspace();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            text_->Commit();
            break;
        case Qt::Key_Escape:
            text_->Cancel();
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            // Moving the picture under a half-typed text would move it away from its point.
            break;
        default:
            text_->Type(text[0]);
            break;
    }
    ShowPreview();
    return true;
}

void CanvasController::SetTextFont(PixelFontId font) {
    text_->SetFont(font);
    ShowPreview();
}

bool CanvasController::picMain_KeyDown(int key) {
    if (!cursorOn_) {
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            moveKey_(key);
            return true;
        }
        return false;
    }
    switch (key) {
        case Qt::Key_Up:
            MoveCursor(0, -1);
            return true;
        case Qt::Key_Down:
            MoveCursor(0, 1);
            return true;
        case Qt::Key_Left:
            MoveCursor(-1, 0);
            return true;
        case Qt::Key_Right:
            MoveCursor(1, 0);
            return true;
        case Qt::Key_Space:
            PaintAtCursor(1);
            return true;
        case Qt::Key_Backspace:
            PaintAtCursor(2);
            return true;
        case Qt::Key_Escape:
            SetKeyboardCursor(false);
            return true;
        default:
            return false;
    }
}

void CanvasController::ShowPreview() {
    if (!showPreview_) {
        return;
    }
    // Between drags the current tool may still show its unfinished work (the text being typed).
    const Tool* shown = active_ != nullptr ? active_ : tools_[current_].get();
    std::optional<PictureGrid> preview = shown->Preview();
    if (preview || previewShown_) {
        previewShown_ = preview.has_value();
        showPreview_(preview);
    }
}

}  // namespace pixora
