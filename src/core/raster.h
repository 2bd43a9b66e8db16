// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A plain RGB image in memory: the retained drawing surface behind each view, and the form in
// which imported pictures reach the fit and threshold steps. Pixels are 0xAARRGGBB words, the
// layout of a 32-bit Qt image, so a view can show one without copying.

#include <cstdint>
#include <vector>

namespace pixora {

using Rgb = uint32_t;

constexpr Rgb MakeRgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) |
           static_cast<Rgb>(b & 0xFF);
}
constexpr int RedOf(Rgb c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int GreenOf(Rgb c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Rgb c) {
    return static_cast<int>(c & 0xFF);
}

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Rgb fill = MakeRgb(255, 255, 255));

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Drops the content and takes the new size, filled with the colour.
    void Reset(int width, int height, Rgb fill);
    void Fill(Rgb colour);
    // Inclusive corners, clipped to the image; corners may come in either order.
    void FillRect(int x1, int y1, int x2, int y2, Rgb colour);
    void SetPixel(int x, int y, Rgb colour);
    // Outside the image reads as white.
    Rgb Pixel(int x, int y) const;

    uint32_t* Data() { return pixels_.data(); }
    const uint32_t* Data() const { return pixels_.data(); }
    bool operator==(const Raster&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace pixora
