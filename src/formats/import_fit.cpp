#include "formats/import_fit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/document.h"
#include "core/settings_keys.h"

namespace pixora {

std::string ResizeQuestion(std::string_view displayName) {
    std::string text(displayName);
    text += " has\r\nthe wrong size for a picture-message.\r\n\r\n";
    text += "Select 'Yes' if you want to resize the image.\r\n";
    text += "Select 'No' to use only top/left part of the image.";
    return text;
}

Raster ShrinkToFit(const Raster& image, int maxWidth, int maxHeight) {
    const int width = image.Width();
    const int height = image.Height();
    const int targetWidth = std::min(width, maxWidth);
    const int targetHeight = std::min(height, maxHeight);
    Raster result(targetWidth, targetHeight);
    if (targetWidth == 0 || targetHeight == 0) {
        return result;
    }
    // Source column x lands in target column x * targetWidth / width; the same for rows. One
    // pass over the source, whatever its size.
    std::vector<int> targetColumn(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        targetColumn[x] = static_cast<int>(static_cast<int64_t>(x) * targetWidth / width);
    }
    std::vector<uint32_t> darkest(static_cast<size_t>(targetWidth) * targetHeight, 0x00FFFFFFu);
    const uint32_t* source = image.Data();
    for (int y = 0; y < height; ++y) {
        const int targetRow = static_cast<int>(static_cast<int64_t>(y) * targetHeight / height);
        uint32_t* row = darkest.data() + static_cast<size_t>(targetRow) * targetWidth;
        const uint32_t* line = source + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            uint32_t& into = row[targetColumn[x]];
            const uint32_t pixel = line[x];
            into = (std::min(into & 0xFF0000u, pixel & 0xFF0000u)) |
                   (std::min(into & 0x00FF00u, pixel & 0x00FF00u)) |
                   (std::min(into & 0x0000FFu, pixel & 0x0000FFu));
        }
    }
    for (int y = 0; y < targetHeight; ++y) {
        for (int x = 0; x < targetWidth; ++x) {
            result.SetPixel(x, y, 0xFF000000u | darkest[static_cast<size_t>(y) * targetWidth + x]);
        }
    }
    return result;
}

void FitImportedPicture(Raster& image, std::string_view displayName, SettingsStore& settings,
                        UserInterface& ui) {
    if (image.Width() == PictureWidth && image.Height() == PictureHeight) {
        return;
    }
    if (ReadInt(settings, keys::WarnIfResize) == 1) {
        const int answer = ui.MessageBox(ResizeQuestion(displayName), ProductName,
                                         MessageIcon::Question, MessageButtons::YesNo);
        if (answer != AnswerYes) {
            return;
        }
    }
    const Raster shrunk = ShrinkToFit(image, PictureWidth, PictureHeight);
    Raster fitted(PictureWidth, PictureHeight, OutputBackground);
    ui.ProcessEvents();
    for (int y = 0; y < shrunk.Height(); ++y) {
        for (int x = 0; x < shrunk.Width(); ++x) {
            fitted.SetPixel(x, y, shrunk.Pixel(x, y));
        }
    }
    image = std::move(fitted);
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
