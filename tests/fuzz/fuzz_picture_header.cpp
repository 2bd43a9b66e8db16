// Any bytes as the start of a picture file: the sniffed kind, the declared size and the bitmap
// rows never read out of range, and the rows found always lie inside the bytes.
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
    return 0;
}
