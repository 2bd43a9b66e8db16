// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/tools/pencil_tool.h"

#include "document/document.h"

namespace pixora {

void PencilTool::Press(const ToolEvent& event) {
    held_ = true;
    last_ = event.cell;
    doc_.BeginStroke();
    if (const auto value = CellValueOfButtons(event.buttons)) {
        VisitLine(event.cell, event.cell, [&](int x, int y) { doc_.Paint(x, y, *value == 1); });
    }
}

void PencilTool::Move(const ToolEvent& event) {
    if (!held_) {
        return;
    }
    // The buttons held now decide, as they always did; the line starts where the pointer was
    // last seen, even outside the picture, so a stroke that leaves and comes back is joined at
    // the edge.
    if (const auto value = CellValueOfButtons(event.buttons)) {
        VisitLine(last_, event.cell, [&](int x, int y) { doc_.Paint(x, y, *value == 1); });
    }
    last_ = event.cell;
}

void PencilTool::Release(const ToolEvent&) {
    held_ = false;
    doc_.EndStroke();
}

}  // namespace pixora
