// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Group graphic (.ngg) and operator logo (.nol) files; "NCG" is a third spelling of the magic.
// All numbers are 16-bit little-endian signed.
//
//   offset      size  content
//   0           4     "NGG", "NOL" or "NCG", then 00
//   4           2     version, must be 1
//   6           4     only after "NOL": country (MCC) then network (MNC) code
//   6 (NOL 10)  2     width
//   8 (NOL 12)  2     height
//   10 (NOL 14) 6     three values, skipped; written as 1, 1, 0
//   16 (NOL 20) w*h   one byte per pixel, rows from the top: '1' (0x31) = set, anything else clear
//
// The magic, not the file name, decides whether the operator codes are there. A 78 x 21 logo
// goes to rows 3..23 (its last 6 columns dropped); 72 x 14..28 is centred vertically, an odd
// leftover row going below. Other sizes give an empty picture and a beep but still open.
//
// The writers place the picture top-left on the logo (the reader's centring moves it back down)
// and write nothing after the pixels.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

struct GroupGraphic {
    PictureGrid picture;  // empty when unsupportedSize
    bool unsupportedSize = false;
    int mcc = 0;  // the operator codes of a "NOL" file, else 0
    int mnc = 0;
    bool operator==(const GroupGraphic&) const = default;
};

// Magic and version must be complete (BadMagic, TooShort, BadVersion); past them, a file that
// ends early leaves the missing header values 0 and the missing pixels clear. BadDimension for
// a negative size or more pixels than 16 bits count.
ReadResult<GroupGraphic> ReadGroupGraphicFile(std::string_view bytes);

// An "NGG" file of width x height (72 x 14..28 or 78 x 21) with the picture top-left.
std::string WriteGroupGraphicFile(const PictureGrid& picture, int width, int height);
// A "NOL" file as WriteGroupGraphicFile with the operator codes, each 0..32767.
std::string WriteOperatorLogoFile(const PictureGrid& picture, int width, int height, int mcc,
                                  int mnc);

}  // namespace pixora
