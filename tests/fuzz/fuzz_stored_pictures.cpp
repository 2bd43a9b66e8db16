// SPDX-License-Identifier: GPL-2.0-or-later
// Listed PDUs of any bytes, one a line, as the phone's memories hand them on: grouping, joining
// and decoding. Nothing may crash; every message found and every problem comes from the entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "sms/stored_pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using pixora::fuzzing::Check;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<pixora::ListedPdu> listed;
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        listed.push_back({listed.size() % 2 ? "ME" : "SM", static_cast<int>(listed.size()),
                          std::string(input.substr(start, end - start))});
        start = end + 1;
    }
    const pixora::StoredPictures found = pixora::FindStoredPictures(listed);
    Check(found.messages.size() + found.problems.size() <= listed.size());
    size_t parts = 0;
    for (const pixora::StoredPicture& picture : found.messages) {
        Check(!picture.locations.empty());
        parts += picture.locations.size();
        for (const auto& [memory, index] : picture.locations) {
            Check(index >= 0 && static_cast<size_t>(index) < listed.size());
            Check(listed[static_cast<size_t>(index)].memory == memory);
        }
    }
    Check(parts <= listed.size());
    return 0;
}
