// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Logo stored as hexadecimal text (.ngl).
//
//   offset  size  content
//   0       4     "NGL "
//   4       16    exactly 20 07 20 06 20 05 20 04 20 03 20 07 20 06 06 3E
//   20      252   72 x 14 logo as hex digits, two per byte, 9 bytes per row, top row first,
//                 MSB = leftmost pixel, 1 = set
//
// Digits may be either case; a character that is no hex digit counts as 0. Rows 14..27 stay
// clear. The writer gives upper-case digits of the picture's top 14 rows.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// BadMagic without "NGL ", BadField when a fixed byte differs, TooShort for a file shorter than
// its header and 252 digits.
ReadResult<PictureGrid> ReadNglFile(std::string_view bytes);
std::string WriteNglFile(const PictureGrid& picture);

}  // namespace pixora
