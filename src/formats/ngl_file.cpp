// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/ngl_file.h"

#include "formats/bits.h"

namespace pixora {

namespace {

constexpr std::string_view kHeader(
    "NGL \x20\x07\x20\x06\x20\x05\x20\x04\x20\x03\x20\x07\x20\x06\x06\x3E", 20);
constexpr size_t kDigits = 252;
constexpr int kRows = 14;

}  // namespace

ReadResult<PictureGrid> ReadNglFile(std::string_view bytes) {
    if (const ReadError magic = CheckMagic(bytes, kHeader.substr(0, 4)); magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < kHeader.size() + kDigits) {
        return ReadError::TooShort;
    }
    if (!StartsWith(bytes, kHeader)) {
        return ReadError::BadField;
    }
    const std::string bits = hex2bits(bytes.substr(kHeader.size(), kDigits));
    PictureGrid picture;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, bits[y * PictureWidth + x] == '1' ? 1 : 0);
        }
    }
    return picture;
}

std::string WriteNglFile(const PictureGrid& picture) {
    std::string out(kHeader);
    for (const char byte : PlacedRows(picture, PictureWidth, kRows, false)) {
        const auto value = static_cast<unsigned char>(byte);
        out.push_back(HexDigits[value >> 4]);
        out.push_back(HexDigits[value & 0x0F]);
    }
    return out;
}

}  // namespace pixora
