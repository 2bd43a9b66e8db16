// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/bmp_file.h"

#include <cstdint>

#include "formats/bits.h"

namespace pixora {

namespace {

void Put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutHeader(std::string& out, uint32_t width, uint32_t height, uint32_t pixelOffset,
               uint32_t pixelBytes, uint16_t bitsPerPixel, uint32_t colours) {
    out += "BM";
    Put32(out, pixelOffset + pixelBytes);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, colours);
}

}  // namespace

std::string WriteMonoBmpFile(const PictureGrid& picture, int width, int height) {
    const auto rowBytes = static_cast<size_t>(width + 7) / 8;
    const size_t paddedBytes = (rowBytes + 3) & ~size_t{3};
    const std::string rows = PlacedRows(picture, width, height, false);
    std::string out;
    PutHeader(out, static_cast<uint32_t>(width), static_cast<uint32_t>(height), 62,
              static_cast<uint32_t>(paddedBytes * height), 1, 2);
    out += std::string("\xFF\xFF\xFF\x00\x00\x00\x00\x00", 8);
    for (int y = height - 1; y >= 0; --y) {
        out += rows.substr(static_cast<size_t>(y) * rowBytes, rowBytes);
        out.append(paddedBytes - rowBytes, '\0');
    }
    return out;
}

std::string WriteBmpFile(const Raster& image) {
    if (image.Empty()) {
        return std::string();
    }
    const auto width = static_cast<uint32_t>(image.Width());
    const auto height = static_cast<uint32_t>(image.Height());
    const uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * height;
    std::string out;
    out.reserve(54 + pixelBytes);
    PutHeader(out, width, height, 54, pixelBytes, 24, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.Pixel(x, y);
            out.push_back(static_cast<char>(BlueOf(c)));
            out.push_back(static_cast<char>(GreenOf(c)));
            out.push_back(static_cast<char>(RedOf(c)));
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}

}  // namespace pixora
