// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a WBMP file; whatever is accepted survives a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/wbmp_file.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto picture = pixora::ReadWbmpFile(bytes)) {
        CheckCells(*picture);
        if (pixora::ReadWbmpFile(pixora::WriteWbmpFile(*picture)) != picture) {
            std::abort();
        }
    }
    return 0;
}
