// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/otb_file.h"

#include <algorithm>
#include <array>
#include <utility>

#include "formats/bits.h"

namespace pixora {

ReadResult<PictureGrid> ReadOtbFile(std::string_view bytes) {
    static constexpr std::array<std::pair<int, int>, 6> kSizes = {
        {{72, 14}, {72, 21}, {78, 21}, {84, 48}, {96, 65}, {72, 28}}};
    if (bytes.size() < 4) {
        return ReadError::TooShort;
    }
    const int info = ByteAt(bytes, 0);
    const int width = ByteAt(bytes, 1);
    const int height = ByteAt(bytes, 2);
    if ((info != 0 && info != 1) || ByteAt(bytes, 3) != 1) {
        return ReadError::BadField;
    }
    if (std::find(kSizes.begin(), kSizes.end(), std::make_pair(width, height)) == kSizes.end()) {
        return ReadError::BadSize;
    }
    const size_t pixelBytes = (static_cast<size_t>(width) * height + 7) / 8;
    if (bytes.size() - 4 < pixelBytes) {
        return ReadError::TooShort;
    }
    const std::string bits = str2bits(bytes.substr(4, pixelBytes));
    PictureGrid picture;
    const int rows = std::min(height, PictureHeight);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, bits[static_cast<size_t>(y) * width + x] == '1' ? 1 : 0);
        }
    }
    return picture;
}

std::string WriteOtbFile(const PictureGrid& picture, int width, int height) {
    std::string out{'\0', static_cast<char>(width), static_cast<char>(height), '\x01'};
    return out + PlacedRows(picture, width, height, true);
}

}  // namespace pixora
