// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Turning an ordinary colour image into the 72 x 28 black-and-white picture: first fit (shrink
// to at most 72 x 28, or keep only the top-left part when the user says so), then threshold
// every pixel against the "ImportLevel" colour. Import, Paste and the clipboard monitor share
// both steps; the platform decodes the file or clipboard into a Raster first.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "core/translate.h"
#include "core/user_interface.h"

namespace pixora {

// The output bitmap's background: what fills the picture area that a smaller image leaves.
inline constexpr Rgb OutputBackground = MakeRgb(120, 190, 110);

// "The data from clipboard" for Paste; the file path for Import.
inline constexpr const char* ClipboardDisplayName =
    PIXORA_TRANSLATE_NOOP("Import", "The data from clipboard");

std::string ResizeQuestion(std::string_view displayName);

// Leaves a 72 x 28 image alone. Otherwise asks the resize question when "WarnIfResize" is 1; on
// No the image stays as it is (the threshold takes its top-left part), on Yes (or without a
// question) it becomes 72 x 28: the image shrunk to min(width, 72) x min(height, 28) at the
// top-left, each axis on its own, never enlarged, the rest in OutputBackground.
void FitImportedPicture(Raster& image, std::string_view displayName, SettingsStore& settings,
                        UserInterface& ui);

// The shrink itself. Each target pixel takes, channel by channel, the darkest value of the
// source pixels it covers, so one-pixel black lines of line art survive the threshold.
Raster ShrinkToFit(const Raster& image, int maxWidth, int maxHeight);

// A picture file as Import needs it, whatever its size: what the answer Yes makes of it and what
// the answer No keeps of it, both at most maxWidth x maxHeight, so a picture far too large to
// hold in memory still imports.
struct ImportedImage {
    int width = 0;  // the picture's own size
    int height = 0;
    Raster shrunk;  // the whole picture shrunk to min(width, max) x min(height, max)
    Raster corner;  // its own top-left min(width, max) x min(height, max) pixels, unscaled
    bool operator==(const ImportedImage&) const = default;
};

// The darkest-pixel shrink fed one source row at a time, top row first, so a decoder can hand
// over a band and forget it.
class DarkestShrink {
public:
    DarkestShrink(int width, int height, int maxWidth, int maxHeight);
    // Row y of the source: width pixels 0x..RRGGBB; the top byte is ignored.
    void AddRow(int y, const uint32_t* pixels);
    ImportedImage Finish() const;

private:
    int width_;
    int height_;
    int targetWidth_;
    int targetHeight_;
    std::vector<int> targetColumn_;
    std::vector<uint32_t> darkest_;
    Raster corner_;
};

ImportedImage MakeImportedImage(const Raster& image, int maxWidth = PictureWidth,
                                int maxHeight = PictureHeight);

// FitImportedPicture for a picture file: the same question, and the raster the threshold
// reads: the shrunk picture on the background, or (answer No) the picture's own top-left part.
Raster FitImportedPicture(const ImportedImage& image, std::string_view displayName,
                          SettingsStore& settings, UserInterface& ui);

// The picture from the top-left 72 x 28 pixels of image (outside the image counts as white): a
// pixel is set when red, green and blue are each at most the level's. nullopt when the
// "ImportLevel" setting is no number, which ends the import with the picture unchanged.
std::optional<PictureGrid> ThresholdPicture(const Raster& image, SettingsStore& settings,
                                            UserInterface& ui);

}  // namespace pixora
