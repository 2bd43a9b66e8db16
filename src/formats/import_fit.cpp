// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/import_fit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"

namespace pixora {

std::string ResizeQuestion(std::string_view displayName) {
    std::string text(displayName);
    text += TranslateText("Import", " has\r\nthe wrong size for a picture-message.\r\n\r\n");
    text += TranslateText("Import", "Select 'Yes' if you want to resize the image.\r\n");
    text += TranslateText("Import", "Select 'No' to use only top/left part of the image.");
    return text;
}

DarkestShrink::DarkestShrink(int width, int height, int maxWidth, int maxHeight)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      targetWidth_(std::clamp(maxWidth, 0, width_)),
      targetHeight_(std::clamp(maxHeight, 0, height_)),
      targetColumn_(static_cast<size_t>(width_)),
      darkest_(static_cast<size_t>(targetWidth_) * static_cast<size_t>(targetHeight_), 0x00FFFFFFu),
      corner_(targetWidth_, targetHeight_) {
    // Source column x lands in target column x * targetWidth / width; the same for rows. One
    // pass over the source, whatever its size.
    for (int x = 0; x < width_; ++x) {
        targetColumn_[static_cast<size_t>(x)] =
            static_cast<int>(static_cast<int64_t>(x) * targetWidth_ / width_);
    }
}

void DarkestShrink::AddRow(int y, const uint32_t* pixels) {
    if (y < 0 || y >= height_ || targetWidth_ == 0) {
        return;
    }
    const int targetRow = static_cast<int>(static_cast<int64_t>(y) * targetHeight_ / height_);
    uint32_t* row = darkest_.data() + static_cast<size_t>(targetRow) * targetWidth_;
    for (int x = 0; x < width_; ++x) {
        uint32_t& into = row[targetColumn_[static_cast<size_t>(x)]];
        const uint32_t pixel = pixels[x];
        into = (std::min(into & 0xFF0000u, pixel & 0xFF0000u)) |
               (std::min(into & 0x00FF00u, pixel & 0x00FF00u)) |
               (std::min(into & 0x0000FFu, pixel & 0x0000FFu));
    }
    if (y < targetHeight_) {
        for (int x = 0; x < targetWidth_; ++x) {
            corner_.SetPixel(x, y, 0xFF000000u | pixels[x]);
        }
    }
}

ImportedImage DarkestShrink::Finish() const {
    ImportedImage result;
    result.width = width_;
    result.height = height_;
    result.corner = corner_;
    result.shrunk = Raster(targetWidth_, targetHeight_);
    for (int y = 0; y < targetHeight_; ++y) {
        for (int x = 0; x < targetWidth_; ++x) {
            result.shrunk.SetPixel(
                x, y, 0xFF000000u | darkest_[static_cast<size_t>(y) * targetWidth_ + x]);
        }
    }
    return result;
}

ImportedImage MakeImportedImage(const Raster& image, int maxWidth, int maxHeight) {
    DarkestShrink shrink(image.Width(), image.Height(), maxWidth, maxHeight);
    for (int y = 0; y < image.Height(); ++y) {
        shrink.AddRow(y, image.Data() + static_cast<size_t>(y) * image.Width());
    }
    return shrink.Finish();
}

Raster ShrinkToFit(const Raster& image, int maxWidth, int maxHeight) {
    return MakeImportedImage(image, maxWidth, maxHeight).shrunk;
}

namespace {

// Whether an image of this size is to be shrunk: no for 72 x 28, else the answer to the resize
// question when "WarnIfResize" is 1, else yes.
bool AgreesToResize(int width, int height, std::string_view displayName, SettingsStore& settings,
                    UserInterface& ui) {
    if (width == PictureWidth && height == PictureHeight) {
        return false;
    }
    if (ReadInt(settings, keys::WarnIfResize) == 1) {
        const int answer = ui.MessageBox(ResizeQuestion(displayName), ProductName,
                                         MessageIcon::Question, MessageButtons::YesNo);
        return answer == AnswerYes;
    }
    return true;
}

Raster OnBackground(const Raster& shrunk, UserInterface& ui) {
    Raster fitted(PictureWidth, PictureHeight, OutputBackground);
    ui.ProcessEvents();
    for (int y = 0; y < shrunk.Height(); ++y) {
        for (int x = 0; x < shrunk.Width(); ++x) {
            fitted.SetPixel(x, y, shrunk.Pixel(x, y));
        }
    }
    return fitted;
}

}  // namespace

void FitImportedPicture(Raster& image, std::string_view displayName, SettingsStore& settings,
                        UserInterface& ui) {
    if (AgreesToResize(image.Width(), image.Height(), displayName, settings, ui)) {
        image = OnBackground(ShrinkToFit(image, PictureWidth, PictureHeight), ui);
    }
}

Raster FitImportedPicture(const ImportedImage& image, std::string_view displayName,
                          SettingsStore& settings, UserInterface& ui) {
    if (AgreesToResize(image.width, image.height, displayName, settings, ui)) {
        return OnBackground(image.shrunk, ui);
    }
    // The threshold reads the top-left 72 x 28 and counts everything outside as white.
    return image.corner;
}

std::optional<PictureGrid> ThresholdPicture(const Raster& image, SettingsStore& settings,
                                            UserInterface& ui) {
    const auto level = ParseSettingInt(ReadText(settings, keys::ImportLevel));
    if (!level) {
        return std::nullopt;
    }
    // The level is a colour value red + 256 * green + 65536 * blue.
    const int red = *level & 0xFF;
    const int green = (*level >> 8) & 0xFF;
    const int blue = (*level >> 16) & 0xFF;
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const Rgb colour = image.Pixel(x, y);
            const bool set =
                RedOf(colour) <= red && GreenOf(colour) <= green && BlueOf(colour) <= blue;
            picture.Set(x, y, set ? 1 : 0);
        }
    }
    ui.ProcessEvents();
    return picture;
}

}  // namespace pixora
