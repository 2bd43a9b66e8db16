// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The shapes of the drawing tools, as the cells they cover: lines, rectangles, ellipses, flood
// fill, and the Shift constraint of a drag. Each shape is produced through a cell callback, so
// the canvas can preview a shape before it is committed, and drawn into the picture directly.
// Only cells inside the clip rectangle (by default the picture) ever reach the callback.

#include <cstdint>
#include <functional>

#include "core/picture.h"

namespace pixora {

struct CellPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CellPoint&) const = default;
};

// Inclusive corners.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = PictureWidth - 1;
    int bottom = PictureHeight - 1;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

inline constexpr CellRect PictureRect{};

// Endpoints and corners further out than this draw nothing, so no drag, however wild, turns
// into minutes of walking outside the picture.
inline constexpr int MaxDrawCoordinate = 32767;

using CellVisitor = std::function<void(int x, int y)>;

// Bresenham: 8-connected, from one end to the other, both ends included.
void VisitLine(CellPoint from, CellPoint to, const CellVisitor& visit,
               const CellRect& clip = PictureRect);
// The outline or the whole of the rectangle spanned by two opposite corners (any order).
void VisitRectangle(CellPoint a, CellPoint b, bool filled, const CellVisitor& visit,
                    const CellRect& clip = PictureRect);
// The ellipse that touches every side of the box spanned by two opposite corners: symmetric
// in both axes, boxes one or two cells thick give straight bars. A cell may be visited twice.
void VisitEllipse(CellPoint a, CellPoint b, bool filled, const CellVisitor& visit,
                  const CellRect& clip = PictureRect);

// The same shapes written into the picture with value 1 (set) or 0 (clear).
void DrawLine(PictureGrid& picture, CellPoint from, CellPoint to, int16_t value);
void DrawRectangle(PictureGrid& picture, CellPoint a, CellPoint b, bool filled, int16_t value);
void DrawEllipse(PictureGrid& picture, CellPoint a, CellPoint b, bool filled, int16_t value);

// Sets the 4-connected area of cells that read like the start cell (set or clear) to value;
// returns how many cells changed. Iterative, with at most one queued entry per cell.
int FloodFill(PictureGrid& picture, CellPoint start, int16_t value);

// What Shift makes of a drag from anchor to pointer. A line snaps to the nearest multiple of
// 45 degrees; a box becomes a square (so an ellipse a circle) of the drag's longer side, in
// the drag's direction.
CellPoint ConstrainLine(CellPoint anchor, CellPoint pointer);
CellPoint ConstrainSquare(CellPoint anchor, CellPoint pointer);

}  // namespace pixora
