#include "formats/bmp_file.h"

#include <cstdint>

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

}  // namespace

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
    out += "BM";
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
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
