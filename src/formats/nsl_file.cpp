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

}  // namespace pixora
