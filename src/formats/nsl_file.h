// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Startup logo in an IFF-style container (.nsl).
//
//   offset  size  content
//   0       4     "FORM"
//   4       60    not read
//   64      4     "NSLD"
//   68      2     not read
//   70      504   84 x 48 logo in 6 bands of 8 rows, top band first; each band is 84 column
//                 bytes from the left; bit 0 (LSB) is the band's top row, bit 7 its bottom row;
//                 1 = set
//
// The display's column layout is kept as is in the file; only columns 0..71 of rows 0..27 are
// copied (bands 0..2 whole and the top half of band 3).
//
// The writer fills the 64 bytes before the logo with blocks of a 4-byte tag and a 2-byte size
// (high byte first), as other logo tools read the file: "FORM" with the size of the rest, "VERS"
// with 52 bytes of text, then "NSLD" 01 F8 (504) and the logo, the picture top-left.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// BadMagic for a missing "FORM" or "NSLD" tag, TooShort for a file that ends inside the logo.
ReadResult<PictureGrid> ReadNslFile(std::string_view bytes);
std::string WriteNslFile(const PictureGrid& picture);

}  // namespace pixora
