#pragma once
// The desktop clipboard, bitmaps only.

#include "core/clipboard.h"

namespace pixora {

class QtClipboard : public Clipboard {
public:
    bool HasBitmap() override;
    std::optional<Raster> ReadBitmap() override;
    bool WriteBitmap(const Raster& bitmap) override;
    void Clear() override;
};

}  // namespace pixora
