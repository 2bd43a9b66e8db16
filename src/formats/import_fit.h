#pragma once
// Turning an ordinary colour image into the 72 x 28 black-and-white picture: first fit (shrink
// to at most 72 x 28, or keep only the top-left part when the user says so), then threshold
// every pixel against the "ImportLevel" colour. Import, Paste and the clipboard monitor share
// both steps; the platform decodes the file or clipboard into a Raster first.

#include <optional>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "core/user_interface.h"

namespace pixora {

// The output bitmap's background: what fills the picture area that a smaller image leaves.
inline constexpr Rgb OutputBackground = MakeRgb(120, 190, 110);

// "The data from clipboard" for Paste; the file path for Import.
inline constexpr const char* ClipboardDisplayName = "The data from clipboard";

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

// The picture from the top-left 72 x 28 pixels of image (outside the image counts as white): a
// pixel is set when red, green and blue are each at most the level's. nullopt when the
// "ImportLevel" setting is no number, which ends the import with the picture unchanged.
std::optional<PictureGrid> ThresholdPicture(const Raster& image, SettingsStore& settings,
                                            UserInterface& ui);

}  // namespace pixora
