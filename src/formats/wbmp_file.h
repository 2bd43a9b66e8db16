// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Wireless bitmap (.wbmp, .wbm), type 0.
//
//   offset  size           content
//   0       1              type 00
//   1       1              fixed header 00
//   2       1              width, 0..127 (a higher byte would start a multi-byte number)
//   3       1              height, 0..127
//   4       ceil(w/8) * h  rows from the top, MSB = leftmost pixel, 0 = black (set), 1 = white;
//                          the low bits of a row's last byte are padding
//
// The writer always produces 72 x 28, 256 bytes. Reading copies the top-left 72 x 28 part.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// BadVersion for another type, BadField for another fixed header, BadSize for a multi-byte
// width or height, TooShort for a file shorter than its rows.
ReadResult<PictureGrid> ReadWbmpFile(std::string_view bytes);
std::string WriteWbmpFile(const PictureGrid& picture);

// Export writes a WBMP when the upper-cased name contains ".WBM" anywhere, else a BMP.
bool IsWbmpExportName(std::string_view path);

}  // namespace pixora
