// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/raster_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pixora {

namespace {

bool InRange(CellPoint p) {
    return std::abs(p.x) <= MaxDrawCoordinate && std::abs(p.y) <= MaxDrawCoordinate;
}

// Cells of one row from x1 to x2 (x1 <= x2), cut to the clip first so a long bar outside costs
// nothing.
void VisitSpan(int y, int x1, int x2, const CellVisitor& visit, const CellRect& clip) {
    if (y < clip.top || y > clip.bottom) {
        return;
    }
    for (int x = std::max(x1, clip.left); x <= std::min(x2, clip.right); ++x) {
        visit(x, y);
    }
}

CellVisitor Writer(PictureGrid& picture, int16_t value) {
    return [&picture, value](int x, int y) {
        if (PictureGrid::Contains(x, y)) {
            picture.Set(x, y, value);
        }
    };
}

}  // namespace

void VisitLine(CellPoint from, CellPoint to, const CellVisitor& visit, const CellRect& clip) {
    if (!InRange(from) || !InRange(to)) {
        return;
    }
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x;
    int y = from.y;
    for (;;) {
        if (clip.Contains(x, y)) {
            visit(x, y);
        }
        if (x == to.x && y == to.y) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void VisitRectangle(CellPoint a, CellPoint b, bool filled, const CellVisitor& visit,
                    const CellRect& clip) {
    if (!InRange(a) || !InRange(b)) {
        return;
    }
    const int left = std::min(a.x, b.x);
    const int right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int bottom = std::max(a.y, b.y);
    if (filled || bottom - top < 2) {
        for (int y = std::max(top, clip.top); y <= std::min(bottom, clip.bottom); ++y) {
            VisitSpan(y, left, right, visit, clip);
        }
        return;
    }
    VisitSpan(top, left, right, visit, clip);
    for (int y = std::max(top + 1, clip.top); y <= std::min(bottom - 1, clip.bottom); ++y) {
        if (clip.Contains(left, y)) {
            visit(left, y);
        }
        if (right != left && clip.Contains(right, y)) {
            visit(right, y);
        }
    }
    VisitSpan(bottom, left, right, visit, clip);
}

// The incremental error walk of an ellipse inscribed in a box (Zingl's formulation of the
// midpoint method), which takes even widths and heights exactly: it starts at the widest rows
// in the middle and steps towards the top and bottom, the four quadrants mirrored. For the
// filled form each step's two rows are spanned; the first visit of a row is its widest.
void VisitEllipse(CellPoint a, CellPoint b, bool filled, const CellVisitor& visit,
                  const CellRect& clip) {
    if (!InRange(a) || !InRange(b)) {
        return;
    }
    int64_t x0 = std::min(a.x, b.x);
    int64_t x1 = std::max(a.x, b.x);
    int64_t y0 = std::min(a.y, b.y);
    const int64_t w = x1 - x0;  // diameters, one less than the box's cell counts
    const int64_t h = std::max(a.y, b.y) - y0;
    int64_t odd = h & 1;
    int64_t dx = 4 * (1 - w) * h * h;
    int64_t dy = 4 * (odd + 1) * w * w;
    int64_t err = dx + dy + odd * w * w;
    y0 += (h + 1) / 2;
    int64_t y1 = y0 - odd;
    const int64_t stepX = 8 * w * w;
    const int64_t stepY = 8 * h * h;

    const auto pair = [&](int64_t left, int64_t right, int64_t y) {
        const int yy = static_cast<int>(y);
        const int l = static_cast<int>(left);
        const int r = static_cast<int>(right);
        if (filled) {
            VisitSpan(yy, l, r, visit, clip);
            return;
        }
        if (clip.Contains(l, yy)) {
            visit(l, yy);
        }
        if (r != l && clip.Contains(r, yy)) {
            visit(r, yy);
        }
    };

    do {
        pair(x0, x1, y0);
        if (y1 != y0) {
            pair(x0, x1, y1);
        }
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            dy += stepX;
            err += dy;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            dx += stepY;
            err += dx;
        }
    } while (x0 <= x1);

    // A box one or two cells wide ends the walk before the tips are reached.
    while (y0 - y1 <= h) {
        pair(x0 - 1, x1 + 1, y0++);
        pair(x0 - 1, x1 + 1, y1--);
    }
}

void DrawLine(PictureGrid& picture, CellPoint from, CellPoint to, int16_t value) {
    VisitLine(from, to, Writer(picture, value));
}

void DrawRectangle(PictureGrid& picture, CellPoint a, CellPoint b, bool filled, int16_t value) {
    VisitRectangle(a, b, filled, Writer(picture, value));
}

void DrawEllipse(PictureGrid& picture, CellPoint a, CellPoint b, bool filled, int16_t value) {
    VisitEllipse(a, b, filled, Writer(picture, value));
}

int FloodFill(PictureGrid& picture, CellPoint start, int16_t value) {
    if (!PictureGrid::Contains(start.x, start.y)) {
        return 0;
    }
    const bool fillSet = picture.IsSet(start.x, start.y);
    const int16_t target = value == 1 ? 1 : 0;
    // Filling a clear area with clear (or a set one with set) changes nothing; a stray value in
    // a clear area is still rewritten, as every writer of the grid stores 0 or 1.
    std::vector<uint8_t> queued(PictureCells, 0);
    std::vector<CellPoint> pending;
    pending.reserve(PictureCells);
    pending.push_back(start);
    queued[start.x + PictureWidth * start.y] = 1;
    int changed = 0;
    while (!pending.empty()) {
        const CellPoint p = pending.back();
        pending.pop_back();
        if (picture.At(p.x, p.y) != target) {
            picture.Set(p.x, p.y, target);
            ++changed;
        }
        const CellPoint next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
        for (const CellPoint& n : next) {
            if (!PictureGrid::Contains(n.x, n.y)) {
                continue;
            }
            uint8_t& mark = queued[n.x + PictureWidth * n.y];
            if (mark == 0 && picture.IsSet(n.x, n.y) == fillSet) {
                mark = 1;
                pending.push_back(n);
            }
        }
    }
    return changed;
}

CellPoint ConstrainLine(CellPoint anchor, CellPoint pointer) {
    const int dx = pointer.x - anchor.x;
    const int dy = pointer.y - anchor.y;
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    // tan(22.5 degrees) = sqrt(2) - 1 splits the straight from the diagonal directions.
    constexpr double kTan = 0.41421356237309503;
    if (ay <= kTan * ax) {
        return {pointer.x, anchor.y};
    }
    if (ax <= kTan * ay) {
        return {anchor.x, pointer.y};
    }
    const int d = std::max(ax, ay);
    return {anchor.x + (dx < 0 ? -d : d), anchor.y + (dy < 0 ? -d : d)};
}

CellPoint ConstrainSquare(CellPoint anchor, CellPoint pointer) {
    const int dx = pointer.x - anchor.x;
    const int dy = pointer.y - anchor.y;
    const int d = std::max(std::abs(dx), std::abs(dy));
    return {anchor.x + (dx < 0 ? -d : d), anchor.y + (dy < 0 ? -d : d)};
}

}  // namespace pixora
