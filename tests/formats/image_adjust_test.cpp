// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/image_adjust.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/raster_draw.h"

namespace pixora {
namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

Raster Grey(int width, int height, int value) {
    return Raster(width, height, MakeRgb(value, value, value));
}

TEST(ImageAdjust, LuminanceWeighsTheChannels) {
    struct Case {
        Rgb colour;
        int grey;
    } cases[] = {{kWhite, 255},
                 {kBlack, 0},
                 {MakeRgb(255, 0, 0), 76},
                 {MakeRgb(0, 255, 0), 150},
                 {MakeRgb(0, 0, 255), 29},
                 {MakeRgb(64, 64, 64), 64},
                 {MakeRgb(120, 190, 110), 160}};
    for (const Case& c : cases) {
        EXPECT_EQ(Luminance(c.colour), c.grey) << std::hex << c.colour;
    }
}

TEST(ImageAdjust, ToneCurve) {
    struct Case {
        int brightness, contrast, in, out;
    } cases[] = {
        {0, 0, 0, 0},        {0, 0, 200, 200},  {50, 0, 0, 50},      {50, 0, 250, 255},
        {-300, 0, 255, 0},   {0, -100, 0, 128}, {0, -100, 255, 128}, {0, -50, 27, 77},
        {0, 50, 100, 73},    {0, 50, 200, 255}, {0, 100, 127, 0},    {0, 100, 128, 255},
        {20, 100, 110, 255}, {0, 1000, 100, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneCurve(c.brightness, c.contrast)[c.in], c.out)
            << c.brightness << "/" << c.contrast << " at " << c.in;
    }
}

// Black left half (or top half when tall) on white.
Raster Halves(int w, int h) {
    Raster image(w, h, kWhite);
    image.FillRect(0, 0, h > w ? w - 1 : w / 2 - 1, h > w ? h / 2 - 1 : h - 1, kBlack);
    return image;
}

Raster WithBlack(int w, int h, std::initializer_list<CellRect> areas) {
    Raster image(w, h, kWhite);
    for (const CellRect& a : areas) {
        image.FillRect(a.left, a.top, a.right, a.bottom, kBlack);
    }
    return image;
}

// Small pictures through each fit, threshold only: exactly the cells of one rectangle are set.
TEST(ImageAdjust, FitsPlaceThePicture) {
    constexpr CellRect kNone{0, 0, -1, -1};
    struct Case {
        const char* name;
        Raster image;
        FitMode fit;
        double cropY;
        bool invert;
        CellRect set;
    } cases[] = {
        // 2 x 1 grows to 56 x 28, centred; inverted, the free margin stays clear.
        {"keep", Halves(2, 1), FitMode::KeepProportions, 0.5, false, {8, 0, 35, 27}},
        {"keep inverted", Halves(2, 1), FitMode::KeepProportions, 0.5, true, {36, 0, 63, 27}},
        {"keep tall", Halves(1, 4), FitMode::KeepProportions, 0.5, false, {32, 0, 38, 13}},
        // 1 x 2 covers as 72 x 144; the crop position picks the part that shows.
        {"crop top", Halves(1, 2), FitMode::FillAndCrop, 0.0, false, {0, 0, 71, 27}},
        {"crop bottom", Halves(1, 2), FitMode::FillAndCrop, 1.0, false, kNone},
        {"crop middle", Halves(1, 2), FitMode::FillAndCrop, 0.5, false, {0, 0, 71, 13}},
        {"crop not a number",
         Halves(1, 2),
         FitMode::FillAndCrop,
         std::nan(""),
         false,
         {0, 0, 71, 13}},
        // The plain import: each axis shrunk, never enlarged, at the top-left; thin lines kept.
        {"stretch", Raster(100, 20, kBlack), FitMode::Stretch, 0.5, false, {0, 0, 71, 19}},
        {"stretch inverted", Raster(100, 20, kBlack), FitMode::Stretch, 0.5, true, kNone},
        {"stretch line",
         WithBlack(720, 280, {{0, 139, 719, 139}}),
         FitMode::Stretch,
         0.5,
         false,
         {0, 13, 71, 13}},
        // Unscaled: only the part that fits, pixel for pixel.
        {"top-left",
         WithBlack(200, 100, {{71, 27, 72, 27}, {0, 28, 0, 28}}),
         FitMode::TopLeft,
         0.5,
         false,
         {71, 27, 71, 27}},
        {"empty", Raster(), FitMode::KeepProportions, 0.5, true, kNone},
    };
    for (const Case& c : cases) {
        AdjustSettings settings;
        settings.fit = c.fit;
        settings.cropY = c.cropY;
        settings.invert = c.invert;
        settings.dither = DitherMethod::None;
        PictureGrid expected;
        for (int y = c.set.top; y <= c.set.bottom; ++y) {
            for (int x = c.set.left; x <= c.set.right; ++x) {
                expected.Set(x, y, 1);
            }
        }
        EXPECT_EQ(ImportWorkingCopy(c.image).Render(settings), expected) << c.name;
    }
}

TEST(ImageAdjust, ThresholdAndFlatGreys) {
    struct Case {
        int grey;
        DitherMethod dither;
        int threshold;
        int setCount;
    } cases[] = {
        {64, DitherMethod::None, 64, PictureCells},  // at most the threshold is black
        {65, DitherMethod::None, 64, 0},
        {0, DitherMethod::None, 0, PictureCells},
        {255, DitherMethod::None, 255, PictureCells},
        {128, DitherMethod::Ordered, 128, PictureCells / 2},  // 8 of every 16
        {192, DitherMethod::Ordered, 128, PictureCells / 4},
        {0, DitherMethod::Ordered, 128, PictureCells},
        {255, DitherMethod::Ordered, 128, 0},
        {255, DitherMethod::FloydSteinberg, 128, 0},
        {0, DitherMethod::FloydSteinberg, 128, PictureCells},
        {255, DitherMethod::Atkinson, 128, 0},
        {0, DitherMethod::Atkinson, 128, PictureCells},
    };
    for (const Case& c : cases) {
        AdjustSettings settings;
        settings.fit = FitMode::Stretch;
        settings.dither = c.dither;
        settings.threshold = c.threshold;
        const PictureGrid picture = ImportWorkingCopy(Grey(72, 28, c.grey)).Render(settings);
        EXPECT_EQ(picture.SetCount(), c.setCount)
            << "grey " << c.grey << " method " << static_cast<int>(c.dither);
    }
}

// Judged as a user would, who sees a few neighbouring cells at once: across a white-to-black
// gradient every four neighbouring columns (the period of the ordered matrix) hold a share of
// black cells close to their darkness, and the whole picture holds the gradient's darkness.
// A window has 112 cells, so one cell is 0.009 of it; Atkinson, which drops a quarter of the
// error, leaves the lightest tenth white and the darkest black, as it is meant to; the 16 steps
// of the ordered matrix are 0.06 apart.
TEST(ImageAdjust, DitheredGradientKeepsItsDarkness) {
    Raster gradient(720, 280);
    for (int x = 0; x < 720; ++x) {
        const int v = 255 - x * 255 / 719;
        gradient.FillRect(x, 0, x, 279, MakeRgb(v, v, v));
    }
    const ImportWorkingCopy copy(gradient);
    constexpr int kWindow = 4;
    struct Case {
        DitherMethod method;
        double windowTolerance;
        double meanTolerance;
    } cases[] = {
        {DitherMethod::FloydSteinberg, 0.06, 0.01},
        {DitherMethod::Atkinson, 0.15, 0.02},
        {DitherMethod::Ordered, 0.07, 0.01},
    };
    for (const Case& c : cases) {
        AdjustSettings settings;
        settings.dither = c.method;
        const FittedGrey fitted = copy.Fit(settings);
        const PictureGrid picture = copy.Render(settings);
        std::vector<double> share(PictureWidth), darkness(PictureWidth);
        for (int x = 0; x < PictureWidth; ++x) {
            for (int y = 0; y < PictureHeight; ++y) {
                share[x] += (picture.IsSet(x, y) ? 1.0 : 0.0) / PictureHeight;
                darkness[x] += (255.0 - fitted.grey.At(x, y)) / 255.0 / PictureHeight;
            }
        }
        for (int x = 0; x + kWindow <= PictureWidth; ++x) {
            double error = 0;
            for (int k = 0; k < kWindow; ++k) {
                error += (share[x + k] - darkness[x + k]) / kWindow;
            }
            EXPECT_NEAR(error, 0.0, c.windowTolerance)
                << "method " << static_cast<int>(c.method) << " columns " << x << "..."
                << x + kWindow - 1;
        }
        double mean = 0;
        for (int x = 0; x < PictureWidth; ++x) {
            mean += (share[x] - darkness[x]) / PictureWidth;
        }
        EXPECT_NEAR(mean, 0.0, c.meanTolerance) << "method " << static_cast<int>(c.method);
    }
}

// A large photo is reduced once to a few hundred pixels, and what it renders to matches the
// rendering of the same scene drawn at a modest size.
TEST(ImageAdjust, WorkingCopyIsSmallAndFaithful) {
    const auto scene = [](int w, int h) {
        Raster r(w, h, kWhite);
        r.FillRect(w / 8, h / 4, w / 2, h * 3 / 4, kBlack);
        r.FillRect(w * 5 / 8, 0, w - 1, h / 3, MakeRgb(100, 100, 100));
        return r;
    };
    const ImportWorkingCopy big(scene(2000, 1500));
    EXPECT_EQ(big.Reduced().width, 4 * PictureWidth);
    EXPECT_EQ(big.Reduced().height, 216);
    // A panorama covers with its height, so it keeps its full width, up to a bound.
    const ImportWorkingCopy panorama(Raster(100000, 40));
    EXPECT_LE(panorama.Reduced().values.size(), ImportWorkingCopy::MaxReducedPixels);
    EXPECT_GT(panorama.Reduced().values.size(), ImportWorkingCopy::MaxReducedPixels * 9 / 10);
    const ImportWorkingCopy small(scene(400, 300));
    for (FitMode fit : {FitMode::KeepProportions, FitMode::FillAndCrop}) {
        AdjustSettings settings;
        settings.fit = fit;
        const PictureGrid a = big.Render(settings);
        const PictureGrid b = small.Render(settings);
        int differ = 0;
        for (int y = 0; y < PictureHeight; ++y) {
            for (int x = 0; x < PictureWidth; ++x) {
                differ += a.IsSet(x, y) != b.IsSet(x, y);
            }
        }
        EXPECT_LE(differ, PictureCells / 50) << "fit " << static_cast<int>(fit);
        EXPECT_GT(a.SetCount(), PictureCells / 10);
    }
}

}  // namespace
}  // namespace pixora
