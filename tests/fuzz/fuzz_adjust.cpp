// SPDX-License-Identifier: GPL-2.0-or-later
// The adjustable import of a small picture with any settings: every cell 0 or 1, nothing set
// where the fit leaves the picture free, the same settings always give the same picture.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "formats/image_adjust.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) {
        return 0;
    }
    const int width = data[0] % 160;
    const int height = data[1] % 90;
    pixora::AdjustSettings settings;
    settings.fit = static_cast<pixora::FitMode>(data[2] % 4);
    settings.dither = static_cast<pixora::DitherMethod>((data[2] >> 2) % 4);
    settings.invert = (data[2] & 0x10) != 0;
    // Out-of-range values on purpose: the conversion clamps them.
    settings.brightness = static_cast<int8_t>(data[3]) * 3;
    settings.contrast = static_cast<int8_t>(data[4]);
    settings.threshold = static_cast<int8_t>(data[5]) * 2 + 128;
    settings.cropX = (data[6] - 20) / 200.0;
    settings.cropY = data[7] == 0xFF ? std::nan("") : data[7] / 200.0;
    pixora::Raster image(width, height);
    size_t at = 8;
    for (int y = 0; y < height && at + 2 < size; ++y) {
        for (int x = 0; x < width && at + 2 < size; ++x, at += 3) {
            image.SetPixel(x, y, pixora::MakeRgb(data[at], data[at + 1], data[at + 2]));
        }
    }
    const pixora::ImportWorkingCopy copy(image);
    const pixora::PictureGrid picture = copy.Render(settings);
    pixora::fuzzing::CheckCells(picture);
    const pixora::FittedGrey fitted = copy.Fit(settings);
    for (int y = 0; y < pixora::PictureHeight; ++y) {
        for (int x = 0; x < pixora::PictureWidth; ++x) {
            if (fitted.covered[static_cast<size_t>(y) * pixora::PictureWidth + x] == 0) {
                Check(!picture.IsSet(x, y));
            }
        }
    }
    Check(copy.Render(settings) == picture);
    return 0;
}
