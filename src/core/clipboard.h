// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The system clipboard as the editor uses it: bitmaps only.

#include <optional>

#include "core/raster.h"

namespace pixora {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool HasBitmap() = 0;
    // nullopt when the clipboard holds no bitmap or cannot be read.
    virtual std::optional<Raster> ReadBitmap() = 0;
    // false when the clipboard could not be written; it is then left as it was.
    virtual bool WriteBitmap(const Raster& bitmap) = 0;
    virtual void Clear() = 0;
};

}  // namespace pixora
