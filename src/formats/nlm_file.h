// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Logo file with a type byte (.nlm).
//
//   offset  size  content
//   0       4     "NLM "
//   4       1     01
//   5       1     type: 00/01 operator or group logo, 02 startup logo, 03 picture
//   6       1     not read; written 00 (one frame)
//   7       1     width
//   8       1     height
//   9       1     ignored; written 01
//   10      ...   rows from the top, ceil(width / 8) bytes each, MSB = leftmost pixel, 1 = set
//
// Taken combinations: type 00/01 at 72x14 or 78x21, type 02 at 84x48 or 96x65, type 03 at
// 72x28. The top-left 72 x 28 part is copied; the rest of each row and the lower rows are dropped.
// The writer places the picture top-left and leaves the rest clear.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// BadMagic without "NLM ", BadVersion when byte 4 is not 01, BadSize for a type and size that do
// not belong together, TooShort for a file that ends inside the rows.
ReadResult<PictureGrid> ReadNlmFile(std::string_view bytes);

// The type byte. Caller (group) logos share the operator logo's sizes.
enum class NlmType { Operator = 0, Caller = 1, Startup = 2, Picture = 3 };

// The type reads back only at the sizes listed above; the caller picks them.
std::string WriteNlmFile(const PictureGrid& picture, NlmType type, int width, int height);

}  // namespace pixora
