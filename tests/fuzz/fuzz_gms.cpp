// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a GMS file: never a read out of range; a taken text fits a picture message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/gms_file.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto loaded = pixora::ReadGmsFile(bytes)) {
        CheckCells(loaded->picture);
        if (loaded->text.size() > 121) {
            std::abort();
        }
    }
    return 0;
}
