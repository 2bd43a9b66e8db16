#pragma once
// Logo file with a type byte (.nlm).
//
//   offset  size  content
//   0       4     "NLM "
//   4       1     01
//   5       1     type: 00/01 operator or group logo, 02 startup logo, 03 picture
//   6       1     not read
//   7       1     width
//   8       1     height
//   9       1     ignored
//   10      ...   rows from the top, ceil(width / 8) bytes each, MSB = leftmost pixel, 1 = set
//
// Taken combinations: type 00/01 at 72x14 or 78x21, type 02 at 84x48 or 96x65, type 03 at
// 72x28. The top-left 72 x 28 part is copied; the rest of each row and the lower rows are dropped.

#include <optional>
#include <string_view>

#include "core/picture.h"

namespace pixora {

// nullopt for a bad header, a type and size that do not belong together, or a short file.
std::optional<PictureGrid> ReadNlmFile(std::string_view bytes);

}  // namespace pixora
