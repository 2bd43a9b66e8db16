#pragma once
// Small text helpers for values read from files and settings.

#include <string_view>

namespace pixora {

// Without the characters of `blanks` at either end; by default spaces and tabs.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t");
// Without white space (as isspace sees it) at either end.
std::string_view TrimSpace(std::string_view text);
// ASCII letters compared without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace pixora
