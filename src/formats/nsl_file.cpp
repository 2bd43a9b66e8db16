// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/nsl_file.h"

#include "formats/bits.h"

namespace pixora {

namespace {

constexpr size_t kLogoOffset = 70;
constexpr size_t kBandBytes = 84;
constexpr size_t kLogoBytes = 6 * kBandBytes;

}  // namespace

ReadResult<PictureGrid> ReadNslFile(std::string_view bytes) {
    if (const ReadError magic = CheckMagic(bytes, "FORM"); magic != ReadError::None) {
        return magic;
    }
    if (bytes.size() < kLogoOffset + kLogoBytes) {
        return ReadError::TooShort;
    }
    if (bytes.substr(64, 4) != "NSLD") {
        return ReadError::BadMagic;
    }
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        const int band = y / 8;
        const int bit = y % 8;
        for (int x = 0; x < PictureWidth; ++x) {
            const int column = ByteAt(bytes, kLogoOffset + band * kBandBytes + x);
            picture.Set(x, y, (column >> bit) & 1);
        }
    }
    return picture;
}

std::string WriteNslFile(const PictureGrid& picture) {
    std::string version = "Pixora";
    version.resize(52, '\0');
    // 6 + 52 + 6 + 504 bytes follow the FORM block's own header.
    std::string out("FORM\x02\x38VERS\x00\x34", 12);
    out += version;
    out += std::string("NSLD\x01\xF8", 6);
    for (size_t band = 0; band < 6; ++band) {
        for (int x = 0; x < static_cast<int>(kBandBytes); ++x) {
            int column = 0;
            for (int bit = 0; bit < 8; ++bit) {
                column |= PlacedPixel(picture, x, static_cast<int>(band) * 8 + bit) ? 1 << bit : 0;
            }
            out.push_back(static_cast<char>(column));
        }
    }
    return out;
}

}  // namespace pixora
