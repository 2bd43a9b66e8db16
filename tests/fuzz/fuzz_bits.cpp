// SPDX-License-Identifier: GPL-2.0-or-later
// The bit and hex primitives on any text: fixed result sizes and the packing round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/bits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string fromHex = pixora::hex2bits(text);
    if (fromHex.size() != (size + 1) / 2 * 8) {
        std::abort();
    }
    const std::string bits = pixora::str2bits(text);
    if (bits.size() != size * 8 || pixora::bits2bytes(bits) != text) {
        std::abort();
    }
    const int value = pixora::bits2dec(text);
    const int hex = pixora::hex2dec(text);
    if (value < 0 || value > 255 || hex < 0 || hex > 255) {
        std::abort();
    }
    if (pixora::bits2dec(pixora::dec2bits(value)) != value) {
        std::abort();
    }
    return 0;
}
