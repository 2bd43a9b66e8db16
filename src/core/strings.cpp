// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/strings.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace pixora {

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::string DigitsOnly(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    return digits;
}

std::string_view TrimSpace(std::string_view text) {
    return TrimBlanks(text, " \t\r\n\v\f");
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

namespace {

// The code point of the UTF-8 sequence at the start of text and its length, or a length of 0
// when the bytes there are no well-formed sequence (overlong forms and surrogates included).
std::pair<char32_t, size_t> DecodeOne(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
        least = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length) {
        return {0, 0};
    }
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return {0, 0};
        }
        value = (value << 6) | (byte(i) & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {0, 0};
    }
    return {value, length};
}

// Code points that steer a terminal or the direction of text rather than show a character.
bool IsHiddenControl(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string QuotedName(std::string_view name) {
    std::string quoted = "\"";
    char escape[16];
    while (!name.empty()) {
        const auto c = static_cast<uint8_t>(name.front());
        size_t used = 1;
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            quoted += escape;
        } else if (c < 0x80) {
            quoted += static_cast<char>(c);
        } else {
            const auto [point, length] = DecodeOne(name);
            if (length == 0) {
                std::snprintf(escape, sizeof escape, "\\x%02x", c);
                quoted += escape;
            } else if (IsHiddenControl(point)) {
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(point));
                quoted += escape;
                used = length;
            } else {
                quoted.append(name.substr(0, length));
                used = length;
            }
        }
        name.remove_prefix(used);
    }
    quoted += '"';
    return quoted;
}

}  // namespace pixora
