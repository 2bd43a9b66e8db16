// Any bytes as a group graphic: never a read out of range; an unsupported size leaves the picture
// empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/ngg_file.h"

namespace {

void CheckCells(const pixora::PictureGrid& picture) {
    for (int y = 0; y < pixora::PictureHeight; ++y) {
        for (int x = 0; x < pixora::PictureWidth; ++x) {
            if (picture.At(x, y) != 0 && picture.At(x, y) != 1) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pixora::GroupGraphic graphic = pixora::ReadGroupGraphicFile(bytes);
    CheckCells(graphic.picture);
    if (graphic.status != pixora::GroupGraphicStatus::Read || graphic.unsupportedSize) {
        if (graphic.picture.SetCount() != 0) {
            std::abort();
        }
    }
    return 0;
}
