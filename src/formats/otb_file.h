// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Over-the-air bitmap (.otb).
//
//   offset  size            content
//   0       1               info field, 00 or 01
//   1       1               width
//   2       1               height
//   3       1               depth, 01
//   4       ceil(w * h / 8) rows from the top packed without padding, MSB first, 1 = set
//
// Only the phone sizes 72x14, 72x21, 78x21, 84x48, 96x65 and 72x28 are taken. The graphic goes
// to the top-left corner; columns beyond 72 and rows beyond 28 are dropped. The writer puts
// info 00 and the picture top-left on one of those sizes.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "formats/read_error.h"

namespace pixora {

// BadField for another info field or depth, BadSize for a size not listed, TooShort for a file
// that ends inside the header or the pixels.
ReadResult<PictureGrid> ReadOtbFile(std::string_view bytes);
std::string WriteOtbFile(const PictureGrid& picture, int width, int height);

}  // namespace pixora
