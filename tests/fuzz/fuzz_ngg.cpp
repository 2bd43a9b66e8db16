// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a group graphic: never a read out of range; an unsupported size leaves the picture
// empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/ngg_file.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto graphic = pixora::ReadGroupGraphicFile(bytes);
    CheckCells(graphic->picture);
    if (!graphic || graphic->unsupportedSize) {
        if (graphic->picture.SetCount() != 0) {
            std::abort();
        }
    }
    return 0;
}
