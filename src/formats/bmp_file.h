// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows bitmap export of the output bitmap.
//
// Byte layout (all numbers little-endian), as every BMP reader takes it:
//   0  2  "BM"
//   2  4  file size
//   6  4  reserved, 0
//  10  4  offset of the pixel rows (54)
//  14  4  info header size (40)
//  18  4  width
//  22  4  height, positive: rows are stored bottom row first
//  26  2  planes (1)
//  28  2  bits per pixel (24)
//  30  4  compression (0, none)
//  34  4  size of the pixel rows
//  38  8  resolution, 2835 pixels per metre (72 dpi) both ways
//  46  8  colours used and important, 0
//  54     rows of blue, green, red triples, each row padded to a multiple of 4 bytes
//
// The black-and-white bitmap that phone-logo tools take differs in: offset 62, 1 bit per pixel,
// colours used and important 2, a palette at 54 of white (FF FF FF 00) then black (00 00 00 00),
// and rows of ceil(width / 8) bytes, MSB = leftmost pixel, 1 = set (black), padded to 4 bytes.

#include <string>

#include "core/picture.h"
#include "core/raster.h"

namespace pixora {

// The file bytes of a 24-bit uncompressed bitmap of the raster; empty for an empty raster.
std::string WriteBmpFile(const Raster& image);
// The 1-bit bitmap of width x height with the picture top-left.
std::string WriteMonoBmpFile(const PictureGrid& picture, int width, int height);

}  // namespace pixora
