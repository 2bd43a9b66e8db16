// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// UTF-8 <-> UTF-32 for paths and captions. Invalid bytes decode to U+FFFD instead of failing.

#include <string>
#include <string_view>

namespace pixora {

std::u32string Utf8ToU32(std::string_view text);
std::string U32ToUtf8(std::u32string_view text);

}  // namespace pixora
