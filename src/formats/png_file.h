// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A 1-bit greyscale PNG of the picture, black cells on white, each cell a square of scale x scale
// pixels. The image data goes into stored (uncompressed) deflate blocks: a 1-bit picture is small
// enough that compressing it would cost more time than the few hundred bytes it saves, and the
// writer needs no compression library.
//
//   89 50 4E 47 0D 0A 1A 0A   signature
//   IHDR                      width, height, bit depth 1, colour type 0 (grey)
//   IDAT                      zlib stream: header 78 01, stored blocks, Adler-32
//   IEND
//
// Each chunk is a big-endian length, the type, the data and the CRC-32 of type and data.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/picture.h"

namespace pixora {

// A width x height image (1..255 each) with the picture in its top-left corner and the rest
// white, every pixel then a scale x scale square; scale is clamped to 1..64.
std::string WritePngFile(const PictureGrid& picture, int width = PictureWidth,
                         int height = PictureHeight, int scale = 1);

// The cell size that makes the picture's longer side at most size pixels, at least 1.
int ThumbnailScale(int size);

uint32_t Crc32(std::string_view bytes, uint32_t crc = 0);

}  // namespace pixora
