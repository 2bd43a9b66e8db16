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
// The graphic goes to the top-left corner; the rest of the picture stays clear.

#include <optional>
#include <string_view>

#include "formats/npm_file.h"

namespace pixora {

// nullopt for a bad header, a graphic larger than 72 x 28, or a file that ends inside it.
std::optional<LoadedPicture> ReadGmsFile(std::string_view bytes);

}  // namespace pixora
