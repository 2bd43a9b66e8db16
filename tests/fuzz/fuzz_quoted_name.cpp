// SPDX-License-Identifier: GPL-2.0-or-later
// File names quoted for the terminal, on any bytes: nothing that steers a terminal comes out,
// the result is UTF-8, and the name can be read back from it exactly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/strings.h"
#include "core/utf8.h"
#include "fuzz_support.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    pixora::fuzzing::Check(false);
    return 0;
}

// Undoes the escapes; any escape the quoting never makes stops the run.
std::string Unquoted(std::string_view quoted) {
    std::string name;
    for (size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\') {
            name += quoted[i];
            continue;
        }
        pixora::fuzzing::Check(i + 1 < quoted.size());
        const char kind = quoted[++i];
        if (kind == 'n' || kind == 'r' || kind == 't') {
            name += kind == 'n' ? '\n' : kind == 'r' ? '\r' : '\t';
        } else if (kind == '\\' || kind == '"') {
            name += kind;
        } else if (kind == 'x' || kind == 'u') {
            const size_t digits = kind == 'x' ? 2 : 4;
            pixora::fuzzing::Check(i + digits < quoted.size());
            unsigned value = 0;
            for (size_t d = 1; d <= digits; ++d) {
                value = value * 16 + static_cast<unsigned>(HexValue(quoted[i + d]));
            }
            i += digits;
            name += kind == 'x' ? std::string(1, static_cast<char>(value))
                                : pixora::U32ToUtf8(std::u32string(1, char32_t(value)));
        } else {
            pixora::fuzzing::Check(false);
        }
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using pixora::fuzzing::Check;
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string quoted = pixora::QuotedName(name);
    Check(quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"');
    for (const char c : quoted) {
        const auto byte = static_cast<unsigned char>(c);
        Check(byte >= 0x20 && byte != 0x7F);
    }
    const std::u32string points = pixora::Utf8ToU32(quoted);
    Check(pixora::U32ToUtf8(points) == quoted);
    for (const char32_t c : points) {
        Check(!(c >= 0x80 && c <= 0x9F) && !(c >= 0x202A && c <= 0x202E) &&
              !(c >= 0x2066 && c <= 0x2069));
    }
    Check(Unquoted(std::string_view(quoted).substr(1, quoted.size() - 2)) == name);
    return 0;
}
