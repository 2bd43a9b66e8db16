// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A box of a picture as text a failed comparison shows at a glance.

#include <string>

#include "core/picture.h"
#include "core/raster_draw.h"

namespace pixora::testing {

// The cells of a box of the picture as rows of '#' (set) and '.', joined by '|'.
inline std::string Rows(const PictureGrid& p, CellPoint corner, int width, int height) {
    std::string s;
    for (int y = corner.y; y < corner.y + height; ++y) {
        s += y > corner.y ? "|" : "";
        for (int x = corner.x; x < corner.x + width; ++x) {
            s += p.IsSet(x, y) ? '#' : '.';
        }
    }
    return s;
}

}  // namespace pixora::testing
