// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a picture-message file; whatever is accepted survives a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/npm_file.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto loaded = pixora::ReadPictureMessageFile(bytes)) {
        CheckCells(loaded->picture);
        const auto again = pixora::ReadPictureMessageFile(
            pixora::WritePictureMessageFile(loaded->picture, loaded->text, "fuzz", 0.5));
        if (!again || again->picture != loaded->picture || again->text != loaded->text) {
            std::abort();
        }
    }
    return 0;
}
