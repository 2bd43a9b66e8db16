// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A drawing tool on the canvas. The canvas hands it the press, the moves and the release of a
// drag as picture cells, with the mouse buttons and whether Shift is held; the tool changes the
// document. A tool whose result lands only on release shows what it would draw through its
// preview picture meanwhile, and leaves the document alone until then.

#include <cstdint>
#include <optional>

#include "core/picture.h"
#include "core/raster_draw.h"

namespace pixora {

// The canvas's button mask: 1 left, 2 right, 4 middle, added up.
struct ToolEvent {
    CellPoint cell;
    int buttons = 0;
    bool shift = false;
};

// Left draws set cells, right clear ones; the middle button or two buttons at once draw nothing.
inline std::optional<int16_t> CellValueOfButtons(int buttons) {
    if (buttons == 1) {
        return int16_t{1};
    }
    if (buttons == 2) {
        return int16_t{0};
    }
    return std::nullopt;
}

class Tool {
public:
    virtual ~Tool() = default;
    virtual void Press(const ToolEvent& event) = 0;
    virtual void Move(const ToolEvent& event) = 0;
    virtual void Release(const ToolEvent& event) = 0;
    // The picture as the drag (or the tool's unfinished work) would leave it; nothing otherwise.
    virtual std::optional<PictureGrid> Preview() const { return std::nullopt; }
    // Another tool is taken up: work the tool still holds between drags is finished now.
    virtual void PutDown() {}
};

}  // namespace pixora
