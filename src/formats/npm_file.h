// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picture-message file (.npm), the editor's own document format.
//
//   offset    size  content
//   0         4     "NPM" 00
//   4         1     L, text length in bytes
//   5         L     text, Windows-1252, one byte per character
//   5+L       1     00
//   6+L       1     width 72 (0x48)
//   7+L       1     height 28 (0x1C)
//   8+L       1     01
//   9+L       1     01
//   10+L      1     a random stamp 45..99, new at every write; readers ignore it
//   11+L      252   28 rows of 9 bytes, top row first, MSB = leftmost pixel, 1 = set
//   263+L     ...   "Picture-Message File, v1.0, " credit "Made by " author, then 0D
//
// Bytes 5+L..8+L are the bitmap header of the over-the-air picture message. Readers look at
// nothing after the picture, so the trailer may be missing or anything.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// What a reader takes from a file: the picture and, for formats that carry one, the text.
struct LoadedPicture {
    PictureGrid picture;
    std::u32string text;
    bool operator==(const LoadedPicture&) const = default;
};

// The text stored between "Picture-Message File, v1.0, " and "Made by ".
inline constexpr const char* PictureMessageCredit = "Pixora picture-message editor, ";

// The whole file. text is cut to 255 characters (the length byte's range); authorName is the
// "UserName" setting as UTF-8. random in [0, 1) picks the stamp byte.
std::string WritePictureMessageFile(const PictureGrid& picture, std::u32string_view text,
                                    std::string_view authorName, double random);
// The same with a stamp from the program's own pseudo-random source.
std::string WritePictureMessageFile(const PictureGrid& picture, std::u32string_view text,
                                    std::string_view authorName);

// BadMagic without "NPM" 00, BadField for a bitmap header byte of another value, BadSize for a
// size other than 72 x 28, TooShort for a file that ends inside the text or the picture.
ReadResult<LoadedPicture> ReadPictureMessageFile(std::string_view bytes);

// A text from a file made for the phone: Windows-1252 decoded, characters the phone cannot show
// dropped, cut to the 121 characters of a picture message.
std::u32string MessageTextFromFile(std::string_view bytes);

}  // namespace pixora
