// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small text helpers for values read from files and settings.

#include <string>
#include <string_view>

namespace pixora {

// Without the characters of `blanks` at either end; by default spaces and tabs.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t");
// Without white space (as isspace sees it) at either end.
std::string_view TrimSpace(std::string_view text);
// The text with everything but the ASCII digits "0".."9" removed: phone numbers, message-centre
// numbers and error codes as the phone and the user write them.
std::string DigitsOnly(std::string_view text);
// ASCII letters compared without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// A file name as it may be shown on a terminal or in a message: in double quotes, with '"' and
// '\\' escaped, control characters as \n, \r, \t or \xHH, C1 controls and the bidirectional
// overrides as \uHHHH, and bytes that are no UTF-8 as \xHH. A name can then neither move the
// cursor, recolour the terminal nor make one file look like another; other UTF-8 stays readable.
std::string QuotedName(std::string_view name);

}  // namespace pixora
