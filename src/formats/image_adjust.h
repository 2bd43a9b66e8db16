// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The adjustable conversion of an ordinary picture into the 72 x 28 black-and-white picture:
// grey by luminance, brightness and contrast, one of four ways to fit it in, a threshold or a
// dither, and invert. The picture is reduced once into a working copy (a photo of 4000 x 3000
// pixels becomes a few hundred), so that each later change of a setting re-renders the result
// from the copy in a fraction of a millisecond, fast enough to preview while a slider moves.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "formats/import_fit.h"

namespace pixora {

// An 8-bit grey image, 0 black .. 255 white, row after row.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> values;

    GreyImage() = default;
    GreyImage(int w, int h, uint8_t fill = 255)
        : width(w), height(h), values(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}
    uint8_t At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
    uint8_t& At(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
    bool operator==(const GreyImage&) const = default;
};

// The grey threshold that matches the "ImportLevel" colour: its luminance, so a grey picture
// gives the plain import's picture. nullopt when the setting is no number, where the plain
// import stops as well.
std::optional<int> ImportPreviewThreshold(SettingsStore& settings);

// Rec. 601 luma: 0.299 red + 0.587 green + 0.114 blue, rounded.
uint8_t Luminance(Rgb colour);
GreyImage ToGrey(const Raster& image);

enum class FitMode {
    Stretch,          // as a plain import: each axis shrunk on its own to at most 72 x 28, never
                      // enlarged, at the top-left
    KeepProportions,  // the largest size that fits with the picture's proportions, centred
    FillAndCrop,      // the smallest size that covers 72 x 28, the overhang cut off
    TopLeft,          // the picture's own top-left 72 x 28 pixels, unscaled
};

enum class DitherMethod { None, FloydSteinberg, Atkinson, Ordered };

struct AdjustSettings {
    int brightness = 0;  // -255 .. 255, added to every grey value
    int contrast = 0;    // -100 (all mid grey) .. 0 (unchanged) .. 100 (black or white)
    FitMode fit = FitMode::KeepProportions;
    double cropX = 0.5;  // FillAndCrop: which part stays, 0 left/top .. 1 right/bottom
    double cropY = 0.5;
    int threshold = 128;  // grey at or below it becomes black (None); the dithers' midpoint
    DitherMethod dither = DitherMethod::FloydSteinberg;
    bool invert = false;
};

// The grey value brightness and contrast make of each value 0..255.
std::vector<uint8_t> ToneCurve(int brightness, int contrast);

// What the fit makes of a picture before it is turned black and white: 72 x 28 grey values and
// which of them the picture covers. Cells it leaves free stay clear whatever the settings, as
// blank paper around the picture.
struct FittedGrey {
    GreyImage grey;
    std::vector<uint8_t> covered;  // 1 where the picture lies
};

// The grey picture into black and white: 1 = set. Error diffusion spreads only over covered
// cells, so the blank margin neither takes nor gives error. Anything but a 72 x 28 fit gives
// an empty picture.
PictureGrid DitherPicture(const FittedGrey& fitted, DitherMethod method, int threshold);

// The reduced copy of one picture and what the plain import fit makes of it.
class ImportWorkingCopy {
public:
    // The reduced copy keeps this many picture pixels per cell of the covering fit, so that
    // fill-and-crop still averages several pixels for each cell; but never more than
    // MaxReducedPixels, which only a picture of extreme proportions would reach.
    static constexpr int Oversampling = 4;
    static constexpr int64_t MaxReducedPixels = int64_t{1} << 20;

    explicit ImportWorkingCopy(const Raster& image);
    ImportWorkingCopy() = default;

    int SourceWidth() const { return sourceWidth_; }
    int SourceHeight() const { return sourceHeight_; }
    const GreyImage& Reduced() const { return reduced_; }

    FittedGrey Fit(const AdjustSettings& settings) const;
    // Fit, tone curve, dither and invert: one update of the preview.
    PictureGrid Render(const AdjustSettings& settings) const;

private:
    friend class ImportWorkingCopyBuilder;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    GreyImage reduced_;  // the whole picture, box-averaged
    GreyImage shrunk_;   // the plain import's darkest-pixel shrink, min(w, 72) x min(h, 28)
    GreyImage corner_;   // the picture's own top-left min(w, 72) x min(h, 28) pixels
};

// The working copy fed one source row at a time, top row first, as the picture loader decodes
// it: neither the picture nor a second buffer of its size is ever held.
class ImportWorkingCopyBuilder {
public:
    ImportWorkingCopyBuilder(int width, int height);
    // Row y of the source: width pixels 0x..RRGGBB; the top byte is ignored.
    void AddRow(int y, const uint32_t* pixels);
    ImportWorkingCopy Finish() const;

private:
    int width_;
    int height_;
    int reducedWidth_ = 0;
    int reducedHeight_ = 0;
    DarkestShrink shrink_;
    std::vector<int> column_;            // the reduced column of each source column
    std::vector<uint32_t> sums_;         // grey sums of each reduced pixel
    std::vector<uint32_t> columnCount_;  // source columns and rows behind each reduced one
    std::vector<uint32_t> rowCount_;
};

}  // namespace pixora
