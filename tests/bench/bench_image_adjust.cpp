// SPDX-License-Identifier: GPL-2.0-or-later
// One update of the import preview: fit, brightness and contrast, dither and invert of the
// working copy of a 4000 x 3000 photo into the 72 x 28 picture, once per dither and fit. The
// reduction of the photo into the working copy happens once, before the measurement, as it does
// when the import dialog opens.
//
//   build/tests/bench/bench_image_adjust --benchmark_repetitions=9
//   (add --benchmark_report_aggregates_only=true for the median alone)

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "formats/image_adjust.h"

namespace {

// A photo-like scene: soft gradients under hard-edged shapes and some fine noise.
const pixora::ImportWorkingCopy& Photo() {
    static const std::unique_ptr<pixora::ImportWorkingCopy> copy = [] {
        constexpr int kWidth = 4000;
        constexpr int kHeight = 3000;
        pixora::Raster image(kWidth, kHeight);
        uint32_t noise = 12345;
        uint32_t* pixels = image.Data();
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int shade =
                    (x * 255 / kWidth + y * 128 / kHeight) / 2 + static_cast<int>(noise >> 28);
                const bool disc = (x - 2800) * (x - 2800) + (y - 1200) * (y - 1200) < 700 * 700;
                const int v = disc ? 255 - shade : shade;
                pixels[static_cast<size_t>(y) * kWidth + x] = pixora::MakeRgb(v, v / 2 + 60, v);
            }
        }
        return std::make_unique<pixora::ImportWorkingCopy>(image);
    }();
    return *copy;
}

void BM_PreviewUpdate(benchmark::State& state) {
    const pixora::ImportWorkingCopy& copy = Photo();
    pixora::AdjustSettings settings;
    settings.dither = static_cast<pixora::DitherMethod>(state.range(0));
    settings.fit = static_cast<pixora::FitMode>(state.range(1));
    settings.cropX = 0.3;
    int step = 0;
    for (auto _ : state) {
        // A slider on the move: every update has new settings.
        settings.brightness = step % 41 - 20;
        settings.contrast = step % 23 - 11;
        settings.invert = (step & 8) != 0;
        ++step;
        pixora::PictureGrid picture = copy.Render(settings);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_PreviewUpdate)
    ->ArgNames({"dither", "fit"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

void BM_MakeWorkingCopy(benchmark::State& state) {
    pixora::Raster image(4000, 3000, pixora::MakeRgb(90, 140, 200));
    for (auto _ : state) {
        pixora::ImportWorkingCopy copy(image);
        benchmark::DoNotOptimize(copy.Reduced().values.data());
    }
}
BENCHMARK(BM_MakeWorkingCopy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
