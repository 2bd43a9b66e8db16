// SPDX-License-Identifier: GPL-2.0-or-later
// Any text as a received picture message (PDU lines, a terminal transcript, a gammu backup):
// never a read out of range, every cell 0 or 1, and a refusal always says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "sms/received_message.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (const auto message = pixora::DecodeReceivedMessage(text, error)) {
        CheckCells(message->picture);
    } else {
        Check(!error.empty());
    }
    return 0;
}
