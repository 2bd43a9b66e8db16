// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as an NSL file: never a read out of range, every cell 0 or 1.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/nsl_file.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto picture = pixora::ReadNslFile(bytes)) {
        CheckCells(*picture);
    }
    return 0;
}
