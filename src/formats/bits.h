// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bit strings and byte sequences, the two forms every reader and writer in this folder goes
// through. A bit string is text of '0' and '1', most significant bit of each group of eight
// first; a byte sequence is a std::string holding one byte (0..255) per char. Readers walk a bit
// string one character per pixel; writers build one per picture and pack it with bits2bytes.
//
// The odd-input behaviour is deliberate and shared by every reader:
//   dec2bits(300) -> "11111111" with an "error dec2bits overflow" message, dec2bits(-5) -> zeros;
//   bits2dec reads the last eight characters right-aligned, anything but '1' counts as 0;
//   hex2dec("A") -> 170 (a lone digit counts twice), hex2dec("G1") -> 1, hex2dec("") -> 0.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/user_interface.h"
#include "formats/read_error.h"

namespace pixora {

// The digits of every hexadecimal text the program reads or writes; a digit's value is its
// position. Reading takes either case, writing gives upper case.
inline constexpr std::string_view HexDigits = "0123456789ABCDEF";

// Eight characters for n. Values of 256 and more are reported through ui (when given) and then
// treated as 255; negative values give eight zeros.
std::string dec2bits(int n, UserInterface* ui = nullptr);
// 0..255 from the last eight characters of s (fewer are read right-aligned).
int bits2dec(std::string_view s);
// 0..255 from one or two hexadecimal digits, either case.
int hex2dec(std::string_view t);
// Eight characters per pair of digits; a lone last digit counts twice.
std::string hex2bits(std::string_view h);
// Eight characters per byte.
std::string str2bits(std::string_view bytes);
// One byte per whole group of eight characters; a trailing partial group is dropped.
std::string bits2bytes(std::string_view bits);

// The picture as 2016 characters, row by row from the top; setChar for a set pixel, the other
// digit for a clear one. The picture-message file writes '1' for set, the WBMP file '0'.
std::string PictureBits(const PictureGrid& picture, char setChar);

// The pixel at (x, y) of a canvas of any size with the picture at its top-left corner: the
// picture's own pixel inside 72 x 28, clear everywhere else. Every writer of a size other than
// 72 x 28 places the picture this way.
bool PlacedPixel(const PictureGrid& picture, int x, int y);
// Rows from the top, each ceil(width / 8) bytes, MSB = leftmost pixel, 1 = set, of the picture
// placed top-left on a width x height canvas; with packed, the rows run on without padding.
std::string PlacedRows(const PictureGrid& picture, int width, int height, bool packed);

// True when the byte sequence starts with the given bytes (and is long enough to hold them).
bool StartsWith(std::string_view bytes, std::string_view prefix);
// How bytes start against a format's tag: BadMagic when a byte differs, TooShort when they end
// inside it (an empty file among them), None when the whole tag is there.
ReadError CheckMagic(std::string_view bytes, std::string_view magic);
// The byte at offset, or 0 past the end; lets a reader test a header field without a separate
// length check. Values are 0..255.
int ByteAt(std::string_view bytes, size_t offset);

}  // namespace pixora
