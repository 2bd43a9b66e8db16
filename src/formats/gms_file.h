// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picture-message payload stored as a file (.gms): version, text item, bitmap item.
//
//   offset  size            content
//   0       1               '0' (0x30), the payload version
//   1       1               00, text item type
//   2       1               00, high byte of the text length (a longer text is not taken)
//   3       1               L, text length
//   4       L               text, Windows-1252
//   4+L     1               02, bitmap item type
//   5+L     2               item length, ignored
//   7+L     1               00
//   8+L     1               width, at most 72
//   9+L     1               height, at most 28
//   10+L    1               01
//   11+L    ceil(w * h / 8) rows from the top packed without padding, MSB first, 1 = set
//
// The graphic goes to the top-left corner; the rest of the picture stays clear. The writer gives
// the item length as 256 (high byte first, the size of the 72 x 28 bitmap item's body) and always
// writes 72 x 28.

#include <string>
#include <string_view>

#include "formats/npm_file.h"
#include "formats/read_error.h"

namespace pixora {

// BadMagic without the version byte '0', BadField for another item type or fixed byte (a text of
// 256 bytes or more among them), BadSize for a graphic larger than 72 x 28, TooShort for a file
// that ends inside the header or the pixels.
ReadResult<LoadedPicture> ReadGmsFile(std::string_view bytes);
// The text in Windows-1252 ('?' for a character it lacks), cut to 255 bytes.
std::string WriteGmsFile(const PictureGrid& picture, std::u32string_view text);

}  // namespace pixora
