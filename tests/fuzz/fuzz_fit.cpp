// SPDX-License-Identifier: GPL-2.0-or-later
// Fit and threshold of an image of any small size and content: always a 72 x 28 result or the
// untouched image, never a pixel read out of range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings_keys.h"
#include "formats/import_fit.h"
#include "fuzz_support.h"

namespace {

// Answers every question from the input's first byte and shows nothing.
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) {
        return 0;
    }
    const int width = data[0] + (data[2] & 1 ? 256 : 0);
    const int height = data[1] % 120;
    const bool ask = (data[2] & 2) != 0;
    pixora::fuzzing::QuietUi ui((data[2] & 4) != 0 ? pixora::AnswerYes : pixora::AnswerNo);
    pixora::MemorySettingsStore settings;
    pixora::WriteInt(settings, pixora::keys::WarnIfResize, ask ? 1 : 0);
    pixora::Raster image(width, height);
    size_t at = 3;
    for (int y = 0; y < height && at < size; ++y) {
        for (int x = 0; x < width && at < size; ++x, ++at) {
            image.SetPixel(x, y, pixora::MakeRgb(data[at], data[at] * 7, data[at] * 13));
        }
    }
    const pixora::Raster before = image;
    pixora::FitImportedPicture(image, "fuzz", settings, ui);
    const bool fitted =
        image.Width() == pixora::PictureWidth && image.Height() == pixora::PictureHeight;
    if (!fitted && !(image == before)) {
        std::abort();
    }
    if (!pixora::ThresholdPicture(image, settings, ui)) {
        std::abort();
    }
    return 0;
}
