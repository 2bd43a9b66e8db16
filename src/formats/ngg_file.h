#pragma once
// Group graphic (.ngg) and operator logo (.nol) files; "NCG" is a third spelling of the magic.
// All numbers are 16-bit little-endian signed.
//
//   offset      size  content
//   0           4     "NGG", "NOL" or "NCG", then 00
//   4           2     version, must be 1
//   6           4     only after "NOL": two operator codes, skipped
//   6 (NOL 10)  2     width
//   8 (NOL 12)  2     height
//   10 (NOL 14) 6     three values, skipped
//   16 (NOL 20) w*h   one byte per pixel, rows from the top: '1' (0x31) = set, anything else clear
//
// The magic, not the file name, decides whether the operator codes are there. A 78 x 21 logo
// goes to rows 3..23 (its last 6 columns dropped); 72 x 14..28 is centred vertically, an odd
// leftover row going below. Other sizes give an empty picture and a beep but still open.

#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

struct GroupGraphic {
    PictureGrid picture;  // empty when unsupportedSize
    bool unsupportedSize = false;
    bool operator==(const GroupGraphic&) const = default;
};

// Magic and version must be complete (BadMagic, TooShort, BadVersion); past them, a file that
// ends early leaves the missing header values 0 and the missing pixels clear. BadDimension for
// a negative size or more pixels than 16 bits count.
ReadResult<GroupGraphic> ReadGroupGraphicFile(std::string_view bytes);

}  // namespace pixora
