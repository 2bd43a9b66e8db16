// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Document state and the texts derived from it: the window title and the read-outs.

#include <string>
#include <string_view>

namespace pixora {

inline constexpr const char* ProductName = "Pixora";
inline constexpr const char* UntitledName = "Untitled";
inline constexpr int TitlePathLimit = 38;

enum class ModifiedState : int { Saved = 0, Modified = 1, Loading = 2 };

// The text itself when it fits, else its first 3 characters, "..." and its last limit - 3.
// Counts characters, not bytes.
std::string ShortenPath(std::string_view text, int limit);

// "Pixora [name]" or "Pixora [name*]".
std::string TitleFor(std::string_view documentName, bool saved);

// " 1/ 1" for the top-left cell (px, py are 0-based).
std::string PositionReadout(int px, int py);

// The version numbers as the settings store keeps them: at least two digits.
std::string TwoDigits(int number);

}  // namespace pixora
