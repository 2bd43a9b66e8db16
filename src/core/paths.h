// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Path helpers on the native "/" separator. Paths are UTF-8 bytes.

#include <string>
#include <string_view>

namespace pixora {

inline constexpr char PathSeparator = '/';

// Text after the last separator; empty when there is none.
std::string FileNameOf(std::string_view path);
// Text up to and including the last separator; empty when there is none.
std::string FolderOf(std::string_view path);
// Text before the last "."; empty when there is none (also when the dot is in a folder name).
std::string WithoutExtension(std::string_view path);

}  // namespace pixora
