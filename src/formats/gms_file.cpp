// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/gms_file.h"

#include "core/text.h"
#include "formats/bits.h"

namespace pixora {

ReadResult<LoadedPicture> ReadGmsFile(std::string_view bytes) {
    if (const ReadError magic = CheckMagic(bytes, "0"); magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < 4) {
        return ReadError::TooShort;
    }
    if (bytes[1] != 0 || bytes[2] != 0) {
        return ReadError::BadField;
    }
    const size_t length = static_cast<unsigned char>(bytes[3]);
    const size_t item = 4 + length;
    if (bytes.size() < item + 7) {
        return ReadError::TooShort;
    }
    if (ByteAt(bytes, item) != 2 || ByteAt(bytes, item + 3) != 0 || ByteAt(bytes, item + 6) != 1) {
        return ReadError::BadField;
    }
    const int width = ByteAt(bytes, item + 4);
    const int height = ByteAt(bytes, item + 5);
    if (width > PictureWidth || height > PictureHeight) {
        return ReadError::BadSize;
    }
    const size_t pixelBytes = (static_cast<size_t>(width) * height + 7) / 8;
    if (bytes.size() - (item + 7) < pixelBytes) {
        return ReadError::TooShort;
    }
    const std::string bits = str2bits(bytes.substr(item + 7, pixelBytes));
    LoadedPicture loaded;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            loaded.picture.Set(x, y, bits[y * width + x] == '1' ? 1 : 0);
        }
    }
    loaded.text = MessageTextFromFile(bytes.substr(4, length));
    return loaded;
}

std::string WriteGmsFile(const PictureGrid& picture, std::u32string_view text) {
    const std::string encoded = EncodeCp1252(text).substr(0, 255);
    std::string out{'0', '\0', '\0', static_cast<char>(encoded.size())};
    out += encoded;
    out += std::string("\x02\x01\x00\x00\x48\x1C\x01", 7);
    return out + PlacedRows(picture, PictureWidth, PictureHeight, true);
}

}  // namespace pixora
