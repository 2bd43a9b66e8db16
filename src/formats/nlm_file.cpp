// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/nlm_file.h"

#include <algorithm>

#include "formats/bits.h"

namespace pixora {

ReadResult<PictureGrid> ReadNlmFile(std::string_view bytes) {
    if (const ReadError magic = CheckMagic(bytes, "NLM "); magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < 10) {
        return ReadError::TooShort;
    }
    if (ByteAt(bytes, 4) != 1) {
        return ReadError::BadVersion;
    }
    const int type = ByteAt(bytes, 5);
    const int width = ByteAt(bytes, 7);
    const int height = ByteAt(bytes, 8);
    const bool logo = type == 0 || type == 1;
    const bool accepted =
        (logo && width == 72 && height == 14) || (logo && width == 78 && height == 21) ||
        (type == 2 && width == 84 && height == 48) || (type == 2 && width == 96 && height == 65) ||
        (type == 3 && width == 72 && height == 28);
    if (!accepted) {
        return ReadError::BadSize;
    }
    const size_t rowBits = (static_cast<size_t>(width) + 7) / 8 * 8;
    const size_t needed = rowBits / 8 * height;
    if (bytes.size() - 10 < needed) {
        return ReadError::TooShort;
    }
    const std::string bits = str2bits(bytes.substr(10, needed));
    PictureGrid picture;
    const int rows = std::min(height, PictureHeight);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, bits[y * rowBits + x] == '1' ? 1 : 0);
        }
    }
    return picture;
}

std::string WriteNlmFile(const PictureGrid& picture, NlmType type, int width, int height) {
    std::string out("NLM \x01", 5);
    out.push_back(static_cast<char>(type));
    out.push_back('\0');
    out.push_back(static_cast<char>(width));
    out.push_back(static_cast<char>(height));
    out.push_back('\x01');
    return out + PlacedRows(picture, width, height, false);
}

}  // namespace pixora
