// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/tools/shape_tools.h"

#include "document/document.h"

namespace pixora {

void ShapeTool::Press(const ToolEvent& event) {
    const auto value = CellValueOfButtons(event.buttons);
    if (live_ || !value) {
        return;
    }
    live_ = true;
    value_ = *value;
    anchor_ = event.cell;
    pointer_ = event.cell;
    shift_ = event.shift;
}

void ShapeTool::Move(const ToolEvent& event) {
    if (live_) {
        pointer_ = event.cell;
        shift_ = event.shift;
    }
}

void ShapeTool::Release(const ToolEvent& event) {
    if (!live_) {
        return;
    }
    pointer_ = event.cell;
    shift_ = event.shift;
    const PictureGrid after = Drawn();
    live_ = false;
    doc_.Edit(after, undoName_);
}

std::optional<PictureGrid> ShapeTool::Preview() const {
    if (!live_) {
        return std::nullopt;
    }
    return Drawn();
}

PictureGrid ShapeTool::Drawn() const {
    PictureGrid picture = doc_.Picture();
    Draw(picture, anchor_, shift_ ? Constrain(anchor_, pointer_) : pointer_, value_);
    return picture;
}

void LineTool::Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
                    int16_t value) const {
    DrawLine(picture, anchor, pointer, value);
}

CellPoint LineTool::Constrain(CellPoint anchor, CellPoint pointer) const {
    return ConstrainLine(anchor, pointer);
}

void RectangleTool::Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
                         int16_t value) const {
    DrawRectangle(picture, anchor, pointer, filled_, value);
}

CellPoint RectangleTool::Constrain(CellPoint anchor, CellPoint pointer) const {
    return ConstrainSquare(anchor, pointer);
}

void EllipseTool::Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
                       int16_t value) const {
    DrawEllipse(picture, anchor, pointer, filled_, value);
}

CellPoint EllipseTool::Constrain(CellPoint anchor, CellPoint pointer) const {
    return ConstrainSquare(anchor, pointer);
}

}  // namespace pixora
