// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/picture.h"

namespace pixora {

int PictureGrid::SetCount() const {
    int count = 0;
    for (int16_t v : cells_) {
        count += v == 1 ? 1 : 0;
    }
    return count;
}

}  // namespace pixora
