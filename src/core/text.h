// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture-message text: Windows-1252 conversion, the characters a user may type, the
// characters-left read-out, and the phone code page table for phonebook names.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pixora {

inline constexpr int MaxTextLength = 121;

// Unicode <-> Windows-1252. The five codes that Windows-1252 leaves undefined map to themselves
// (as C1 controls), so every byte survives a round trip.
char32_t Cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> UnicodeToCp1252(char32_t ch);
std::u32string DecodeCp1252(std::string_view bytes);
// Characters without a Windows-1252 code become the replacement byte.
std::string EncodeCp1252(std::u32string_view text, char replacement = '?');

// The characters a user may type, in the order they were listed for the phone's font.
const std::u32string& AllowedTextChars();
bool IsAllowedTextChar(char32_t ch);
// Keeps only allowed characters; used for text read from files and pasted into the box.
std::u32string FilterMessageText(std::u32string_view text);

// "121  ", "99   ", "9    ": the count followed by two, three or four spaces.
std::string CharsLeftReadout(int textLength);

// Phone code page 437 codes found in phonebook names, and the Windows-1252 code each stands
// for. The last entry is unused (0 -> 0).
using PhoneCharEntry = std::pair<uint16_t, uint16_t>;
const std::array<PhoneCharEntry, 11>& PhoneCharTable();

}  // namespace pixora
