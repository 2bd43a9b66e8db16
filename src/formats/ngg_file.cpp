// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/ngg_file.h"

#include <algorithm>

#include "formats/bits.h"

namespace pixora {

namespace {

int Int16At(std::string_view bytes, size_t offset) {
    const int value = ByteAt(bytes, offset) | (ByteAt(bytes, offset + 1) << 8);
    return value >= 0x8000 ? value - 0x10000 : value;
}

void PutInt16(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

std::string WriteFile(std::string_view magic, const PictureGrid& picture, int width, int height,
                      const int* operatorCodes) {
    std::string out(magic);
    out.push_back('\0');
    PutInt16(out, 1);
    if (operatorCodes != nullptr) {
        PutInt16(out, operatorCodes[0]);
        PutInt16(out, operatorCodes[1]);
    }
    for (int value : {width, height, 1, 1, 0}) {
        PutInt16(out, value);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(PlacedPixel(picture, x, y) ? '1' : '0');
        }
    }
    return out;
}

}  // namespace

std::string WriteGroupGraphicFile(const PictureGrid& picture, int width, int height) {
    return WriteFile("NGG", picture, width, height, nullptr);
}

std::string WriteOperatorLogoFile(const PictureGrid& picture, int width, int height, int mcc,
                                  int mnc) {
    const int codes[] = {mcc, mnc};
    return WriteFile("NOL", picture, width, height, codes);
}

ReadResult<GroupGraphic> ReadGroupGraphicFile(std::string_view bytes) {
    const bool isNol = StartsWith(bytes, std::string_view("NOL\0", 4));
    // The best of the three spellings: a whole tag, else bytes that end inside one.
    ReadError magic = ReadError::BadMagic;
    for (std::string_view tag : {std::string_view("NOL\0", 4), std::string_view("NGG\0", 4),
                                 std::string_view("NCG\0", 4)}) {
        magic = std::min(magic, CheckMagic(bytes, tag));
    }
    if (magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < 6) {
        return ReadError::TooShort;
    }
    if (Int16At(bytes, 4) != 1) {
        return ReadError::BadVersion;
    }
    const size_t sizeOffset = isNol ? 10 : 6;
    const int width = Int16At(bytes, sizeOffset);
    const int height = Int16At(bytes, sizeOffset + 2);
    if (width < 0 || height < 0 || width * height > 32767) {
        return ReadError::BadDimension;
    }
    GroupGraphic result;
    if (isNol) {
        result.mcc = Int16At(bytes, 6);
        result.mnc = Int16At(bytes, 8);
    }
    const size_t pixels = sizeOffset + 10;

    int firstRow = 0;
    if (width == 78 && height == 21) {
        firstRow = 3;
    } else if (width == PictureWidth && height >= 14 && height <= PictureHeight) {
        firstRow = (PictureHeight - height) / 2;
    } else {
        result.unsupportedSize = true;
        return result;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const size_t at = pixels + static_cast<size_t>(y) * width + x;
            if (at < bytes.size() && bytes[at] == '1') {
                result.picture.Set(x, firstRow + y, 1);
            }
        }
    }
    return result;
}

}  // namespace pixora
