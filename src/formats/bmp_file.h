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

#include <string>

#include "core/raster.h"

namespace pixora {

// The file bytes of a 24-bit uncompressed bitmap of the raster; empty for an empty raster.
std::string WriteBmpFile(const Raster& image);

}  // namespace pixora
