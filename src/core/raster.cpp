// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/raster.h"

#include <algorithm>

namespace pixora {

Raster::Raster(int width, int height, Rgb fill) {
    Reset(width, height, fill);
}

void Raster::Reset(int width, int height, Rgb fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

void Raster::Fill(Rgb colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Raster::FillRect(int x1, int y1, int x2, int y2, Rgb colour) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width_ - 1);
    y2 = std::min(y2, height_ - 1);
    for (int y = y1; y <= y2; ++y) {
        uint32_t* row = pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
        std::fill(row + x1, row + x2 + 1, colour);
    }
}

void Raster::SetPixel(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] =
            colour;
    }
}

Rgb Raster::Pixel(int x, int y) const {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) +
                       static_cast<size_t>(x)];
    }
    return MakeRgb(255, 255, 255);
}

}  // namespace pixora
