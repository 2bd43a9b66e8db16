// SPDX-License-Identifier: GPL-2.0-or-later
// Hand-over messages arrive from another process; whatever arrives must be decoded or dropped, and
// anything accepted must be exactly what a well-behaved sender would have sent for that path.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "shell/hand_off.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> message(data, size);
    std::string path;
    const pixora::HandOffStatus status = pixora::DecodeHandOff(message, path);
    size_t dataSize = 0;
    const pixora::HandOffStatus header = pixora::HandOffDataSize(message, dataSize);
    if (status == pixora::HandOffStatus::Ok) {
        if (header != pixora::HandOffStatus::Ok || dataSize != size - pixora::HandOffHeaderSize) {
            std::abort();
        }
        const auto again = pixora::EncodeHandOff(path);
        if (!again || again->size() != size ||
            !std::equal(again->begin(), again->end(), message.begin())) {
            std::abort();
        }
    } else if (!path.empty()) {
        std::abort();
    }
    if (header == pixora::HandOffStatus::Ok && dataSize > pixora::MaxHandOffDataSize) {
        std::abort();
    }
    return 0;
}
