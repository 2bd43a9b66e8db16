// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/wbmp_file.h"

#include "formats/bits.h"
#include "formats/open_dispatch.h"

namespace pixora {

ReadResult<PictureGrid> ReadWbmpFile(std::string_view bytes) {
    if (bytes.size() < 4) {
        return ReadError::TooShort;
    }
    if (bytes[0] != 0) {
        return ReadError::BadVersion;
    }
    if (bytes[1] != 0) {
        return ReadError::BadField;
    }
    const int width = ByteAt(bytes, 2);
    const int height = ByteAt(bytes, 3);
    if (width > 127 || height > 127) {
        return ReadError::BadSize;
    }
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    if (bytes.size() - 4 < rowBytes * height) {
        return ReadError::TooShort;
    }
    const std::string bits = str2bits(bytes.substr(4, rowBytes * height));
    PictureGrid picture;
    for (int y = 0; y < height && y < PictureHeight; ++y) {
        for (int x = 0; x < width && x < PictureWidth; ++x) {
            picture.Set(x, y, bits[y * rowBytes * 8 + x] == '1' ? 0 : 1);
        }
    }
    return picture;
}

std::string WriteWbmpFile(const PictureGrid& picture) {
    std::string bytes("\x00\x00\x48\x1C", 4);
    bytes += bits2bytes(PictureBits(picture, '0'));
    return bytes;
}

bool IsWbmpExportName(std::string_view path) {
    return UpperPathContains(path, ".WBM");
}

}  // namespace pixora
