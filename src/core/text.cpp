// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/text.h"

#include <algorithm>

namespace pixora {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five undefined codes.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> UnicodeToCp1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<unsigned char>(ch);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch) {
            return static_cast<unsigned char>(0x80 + i);
        }
        if (kHighControls[i] == 0 && ch == static_cast<char32_t>(0x80 + i)) {
            return static_cast<unsigned char>(ch);
        }
    }
    return std::nullopt;
}

std::u32string DecodeCp1252(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        out.push_back(Cp1252ToUnicode(static_cast<unsigned char>(b)));
    }
    return out;
}

std::string EncodeCp1252(std::u32string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        auto code = UnicodeToCp1252(ch);
        out.push_back(code ? static_cast<char>(*code) : replacement);
    }
    return out;
}

const std::u32string& AllowedTextChars() {
    static const std::u32string chars = [] {
        std::u32string s;
        s += U"abcdefghijklmnopqrstuvwxyz";
        s += U"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        s += U"ÄäÀÁÃÂÅÆàáãâåæÇç";
        s += U"ÈÉËÊÐèéëêð";
        s += U"ÌÍÎÏìíîï";
        s += U"ÖöÒÓÔÕØòóôõøÑñ";
        s += U"ß";
        s += U"ÜüÙÚÛùúû";
        s += U"ÝýÞþ";
        s += U"0123456789";
        s += U" .?!@'-_(),:;&/~\\%*#+<=>";
        s += U'"';
        s += Cp1252ToUnicode(128);  // the euro sign
        s += U"£$¥¤§¡¿";
        return s;
    }();
    return chars;
}

bool IsAllowedTextChar(char32_t ch) {
    return AllowedTextChars().find(ch) != std::u32string::npos;
}

std::u32string FilterMessageText(std::u32string_view text) {
    std::u32string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), IsAllowedTextChar);
    return out;
}

std::string CharsLeftReadout(int textLength) {
    const int left = MaxTextLength - textLength;
    std::string spaces = left >= 100 ? "  " : (left >= 10 ? "   " : "    ");
    return std::to_string(left) + spaces;
}

const std::array<PhoneCharEntry, 11>& PhoneCharTable() {
    static const std::array<PhoneCharEntry, 11> table = {{
        {142, 0xC4},  // Ä
        {132, 0xE4},  // ä
        {153, 0xD6},  // Ö
        {148, 0xF6},  // ö
        {154, 0xDC},  // Ü
        {129, 0xFC},  // ü
        {225, 0xDF},  // ß
        {145, 0xE6},  // æ
        {146, 0xC6},  // Æ
        {130, 0xE9},  // é
        {0, 0},
    }};
    return table;
}

}  // namespace pixora
