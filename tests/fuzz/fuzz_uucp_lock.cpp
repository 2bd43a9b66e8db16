// SPDX-License-Identifier: GPL-2.0-or-later
// Lock files in /var/lock are written by any program: whatever is in one, the pid read from it is
// a positive number written in it, or 0.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "phone/port_diagnosis.h"

using pixora::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const int pid = pixora::UucpLockPid(input);
    Check(pid >= 0);
    if (pid > 0 && input.find_first_of("0123456789") != std::string_view::npos) {
        int binary = 0;
        if (size == sizeof binary) {
            std::memcpy(&binary, data, sizeof binary);
        }
        Check(binary == pid || input.find(std::to_string(pid)) != std::string_view::npos);
    }
    return 0;
}
