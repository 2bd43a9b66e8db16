// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A clipboard in memory that can also refuse to be read or written, as a clipboard held open by
// another program does.

#include "core/clipboard.h"

namespace pixora::testing {

class FakeClipboard : public Clipboard {
public:
    bool HasBitmap() override { return bitmap.has_value(); }
    std::optional<Raster> ReadBitmap() override { return readable ? bitmap : std::nullopt; }
    bool WriteBitmap(const Raster& b) override {
        if (!writable) {
            return false;
        }
        bitmap = b;
        ++writes;
        return true;
    }
    void Clear() override {
        bitmap.reset();
        ++clears;
    }

    std::optional<Raster> bitmap;
    bool readable = true;
    bool writable = true;
    int writes = 0;
    int clears = 0;
};

}  // namespace pixora::testing
