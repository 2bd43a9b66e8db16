// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as the start of a picture file: the sniffed kind, the declared size, the bitmap rows
// and the RLE decoder never read out of range; the rows found lie inside the bytes, and a
// decoded RLE bitmap hands over each of its rows once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pixora::PictureKind kind = pixora::SniffPictureKind(bytes);
    if (const auto declared = pixora::DeclaredPictureSize(bytes)) {
        if (declared->width <= 0 || declared->height <= 0 || kind == pixora::PictureKind::Unknown) {
            std::abort();
        }
    }
    if (const auto rows = pixora::FindBmpRows(bytes)) {
        const auto height = static_cast<uint64_t>(rows->height);
        if (kind != pixora::PictureKind::Bmp || rows->rowBytes == 0 || rows->headerBytes > size ||
            rows->rowBytes * height > size - rows->headerBytes) {
            std::abort();
        }
    }
    if (const auto rle = pixora::RleBitmapSize(bytes); rle && rle->width * rle->height < 1 << 20) {
        int64_t rows = 0;
        const bool read = pixora::ReadRleBitmapRows(bytes, [&](int y, const uint32_t* pixels) {
            if (y < 0 || y >= rle->height || pixels == nullptr) {
                std::abort();
            }
            ++rows;
        });
        if (read && rows != rle->height) {
            std::abort();
        }
    }
    return 0;
}
