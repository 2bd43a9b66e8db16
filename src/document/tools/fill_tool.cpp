// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/tools/fill_tool.h"

#include "document/document.h"

namespace pixora {

void FillTool::Press(const ToolEvent& event) {
    const auto value = CellValueOfButtons(event.buttons);
    if (!value || !PictureGrid::Contains(event.cell.x, event.cell.y)) {
        return;
    }
    PictureGrid picture = doc_.Picture();
    FloodFill(picture, event.cell, *value);
    doc_.Edit(picture, "Fill");
}

}  // namespace pixora
