// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/image_adjust.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/settings_keys.h"

namespace pixora {

std::optional<int> ImportPreviewThreshold(SettingsStore& settings) {
    const auto level = ParseSettingInt(ReadText(settings, keys::ImportLevel));
    if (!level) {
        return std::nullopt;
    }
    // The level is a colour value red + 256 * green + 65536 * blue.
    return Luminance(MakeRgb(*level & 0xFF, (*level >> 8) & 0xFF, (*level >> 16) & 0xFF));
}

uint8_t Luminance(Rgb colour) {
    return static_cast<uint8_t>(
        (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour) + 500) / 1000);
}

GreyImage ToGrey(const Raster& image) {
    GreyImage grey(image.Width(), image.Height());
    const uint32_t* pixels = image.Data();
    for (size_t i = 0; i < grey.values.size(); ++i) {
        grey.values[i] = Luminance(pixels[i]);
    }
    return grey;
}

std::vector<uint8_t> ToneCurve(int brightness, int contrast) {
    brightness = std::clamp(brightness, -255, 255);
    contrast = std::clamp(contrast, -100, 100);
    // Contrast scales the distance from mid grey: down to nothing at -100, up without bound
    // towards +100, where only the side of mid grey is left.
    const double factor = contrast <= 0 ? (100.0 + contrast) / 100.0 : 100.0 / (100.0 - contrast);
    std::vector<uint8_t> curve(256);
    for (int v = 0; v < 256; ++v) {
        const double bright = v + brightness;
        double out = 0;
        if (contrast == 100) {
            out = bright >= 127.5 ? 255 : 0;
        } else {
            out = (bright - 127.5) * factor + 127.5;
        }
        curve[v] = static_cast<uint8_t>(std::clamp(std::lround(out), 0L, 255L));
    }
    return curve;
}

PictureGrid DitherPicture(const FittedGrey& fitted, DitherMethod method, int threshold) {
    threshold = std::clamp(threshold, 0, 255);
    PictureGrid picture;
    if (fitted.grey.width != PictureWidth || fitted.grey.height != PictureHeight ||
        fitted.covered.size() != static_cast<size_t>(PictureCells)) {
        return picture;  // not the output of a fit: nothing to convert
    }
    const auto covered = [&](int x, int y) {
        return x >= 0 && x < PictureWidth && y >= 0 && y < PictureHeight &&
               fitted.covered[static_cast<size_t>(y) * PictureWidth + x] != 0;
    };
    if (method == DitherMethod::None || method == DitherMethod::Ordered) {
        // Bayer's 4 x 4 matrix: its 16 thresholds spread evenly over 0..255 around the
        // midpoint, so a flat grey turns into its own share of black cells.
        static constexpr int kBayer[4][4] = {
            {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        for (int y = 0; y < PictureHeight; ++y) {
            for (int x = 0; x < PictureWidth; ++x) {
                if (!covered(x, y)) {
                    continue;
                }
                const int limit = method == DitherMethod::None
                                      ? threshold
                                      : threshold - 120 + 16 * kBayer[y & 3][x & 3];
                picture.Set(x, y, fitted.grey.At(x, y) <= limit ? 1 : 0);
            }
        }
        return picture;
    }

    // Error diffusion over two spare rows and columns on every side.
    constexpr int kPad = 2;
    constexpr int kStride = PictureWidth + 2 * kPad;
    std::array<float, kStride*(PictureHeight + 2 * kPad)> error{};
    const auto spread = [&](int x, int y, float amount) {
        if (covered(x, y)) {
            error[static_cast<size_t>((y + kPad) * kStride + x + kPad)] += amount;
        }
    };
    for (int y = 0; y < PictureHeight; ++y) {
        // Floyd-Steinberg runs each row the other way than the one before, so its error does
        // not pile up into diagonal streaks; Atkinson keeps its classic left-to-right order.
        const bool backwards = method == DitherMethod::FloydSteinberg && (y & 1) != 0;
        const int dir = backwards ? -1 : 1;
        for (int i = 0; i < PictureWidth; ++i) {
            const int x = backwards ? PictureWidth - 1 - i : i;
            if (!covered(x, y)) {
                continue;
            }
            const float value =
                fitted.grey.At(x, y) + error[static_cast<size_t>((y + kPad) * kStride + x + kPad)];
            const bool black = value <= static_cast<float>(threshold);
            picture.Set(x, y, black ? 1 : 0);
            const float e = value - (black ? 0.0f : 255.0f);
            if (method == DitherMethod::FloydSteinberg) {
                spread(x + dir, y, e * 7 / 16);
                spread(x - dir, y + 1, e * 3 / 16);
                spread(x, y + 1, e * 5 / 16);
                spread(x + dir, y + 1, e * 1 / 16);
            } else {
                // Atkinson passes on six eighths, which keeps light and dark areas clean.
                const float part = e / 8;
                spread(x + 1, y, part);
                spread(x + 2, y, part);
                spread(x - 1, y + 1, part);
                spread(x, y + 1, part);
                spread(x + 1, y + 1, part);
                spread(x, y + 2, part);
            }
        }
    }
    return picture;
}

namespace {

// The mean of the reduced copy over [u0, u1) x [v0, v1), at least one pixel.
uint8_t Sample(const GreyImage& image, double u0, double u1, double v0, double v1) {
    const int x0 = std::clamp(static_cast<int>(std::floor(u0)), 0, image.width - 1);
    const int x1 = std::clamp(static_cast<int>(std::ceil(u1)), x0 + 1, image.width);
    const int y0 = std::clamp(static_cast<int>(std::floor(v0)), 0, image.height - 1);
    const int y1 = std::clamp(static_cast<int>(std::ceil(v1)), y0 + 1, image.height);
    uint32_t sum = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            sum += image.At(x, y);
        }
    }
    const uint32_t count = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
    return static_cast<uint8_t>((sum + count / 2) / count);
}

void PlaceAtTopLeft(const GreyImage& from, FittedGrey& into) {
    for (int y = 0; y < std::min(from.height, PictureHeight); ++y) {
        for (int x = 0; x < std::min(from.width, PictureWidth); ++x) {
            into.grey.At(x, y) = from.At(x, y);
            into.covered[static_cast<size_t>(y) * PictureWidth + x] = 1;
        }
    }
}

}  // namespace

ImportWorkingCopyBuilder::ImportWorkingCopyBuilder(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      shrink_(width_, height_, PictureWidth, PictureHeight) {
    if (width_ == 0 || height_ == 0) {
        return;
    }
    // Enough pixels for the covering fit (the larger of the two scales) several times over.
    const double w = width_;
    const double h = height_;
    const double cover = std::max(PictureWidth / w, PictureHeight / h);
    const double scale = std::min({1.0, cover * ImportWorkingCopy::Oversampling,
                                   std::sqrt(ImportWorkingCopy::MaxReducedPixels / (w * h))});
    reducedWidth_ = std::clamp(static_cast<int>(std::lround(w * scale)), 1, width_);
    reducedHeight_ = std::clamp(static_cast<int>(std::lround(h * scale)), 1, height_);
    // Source column x lands in reduced column x * reducedWidth / width; the same for rows. Each
    // source pixel then adds its grey to one reduced pixel: one pass, whatever the size.
    column_.resize(static_cast<size_t>(width_));
    columnCount_.assign(static_cast<size_t>(reducedWidth_), 0);
    for (int x = 0; x < width_; ++x) {
        column_[x] = static_cast<int>(static_cast<int64_t>(x) * reducedWidth_ / width_);
        ++columnCount_[column_[x]];
    }
    rowCount_.assign(static_cast<size_t>(reducedHeight_), 0);
    for (int y = 0; y < height_; ++y) {
        ++rowCount_[static_cast<int64_t>(y) * reducedHeight_ / height_];
    }
    sums_.assign(static_cast<size_t>(reducedWidth_) * reducedHeight_, 0);
}

void ImportWorkingCopyBuilder::AddRow(int y, const uint32_t* pixels) {
    if (y < 0 || y >= height_ || width_ == 0) {
        return;
    }
    shrink_.AddRow(y, pixels);
    uint32_t* row =
        sums_.data() + static_cast<size_t>(static_cast<int64_t>(y) * reducedHeight_ / height_) *
                           static_cast<size_t>(reducedWidth_);
    for (int x = 0; x < width_; ++x) {
        row[column_[x]] += Luminance(pixels[x]);
    }
}

ImportWorkingCopy ImportWorkingCopyBuilder::Finish() const {
    ImportWorkingCopy copy;
    copy.sourceWidth_ = width_;
    copy.sourceHeight_ = height_;
    if (sums_.empty()) {
        return copy;
    }
    const ImportedImage plain = shrink_.Finish();
    copy.shrunk_ = ToGrey(plain.shrunk);
    copy.corner_ = ToGrey(plain.corner);
    copy.reduced_ = GreyImage(reducedWidth_, reducedHeight_);
    for (int y = 0; y < reducedHeight_; ++y) {
        for (int x = 0; x < reducedWidth_; ++x) {
            const uint32_t count = columnCount_[x] * rowCount_[y];
            copy.reduced_.At(x, y) = static_cast<uint8_t>(
                (sums_[static_cast<size_t>(y) * reducedWidth_ + x] + count / 2) / count);
        }
    }
    return copy;
}

ImportWorkingCopy::ImportWorkingCopy(const Raster& image) {
    ImportWorkingCopyBuilder builder(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        builder.AddRow(y, image.Data() + static_cast<size_t>(y) * image.Width());
    }
    *this = builder.Finish();
}

FittedGrey ImportWorkingCopy::Fit(const AdjustSettings& settings) const {
    FittedGrey fitted{GreyImage(PictureWidth, PictureHeight),
                      std::vector<uint8_t>(PictureCells, 0)};
    if (reduced_.values.empty()) {
        return fitted;
    }
    const double w = sourceWidth_;
    const double h = sourceHeight_;
    // Reduced-copy pixels per source pixel.
    const double rx = reduced_.width / w;
    const double ry = reduced_.height / h;
    switch (settings.fit) {
        case FitMode::Stretch:
            PlaceAtTopLeft(shrunk_, fitted);
            break;
        case FitMode::TopLeft:
            PlaceAtTopLeft(corner_, fitted);
            break;
        case FitMode::KeepProportions: {
            const double s = std::min(PictureWidth / w, PictureHeight / h);
            const int pw = std::clamp(static_cast<int>(std::lround(w * s)), 1, PictureWidth);
            const int ph = std::clamp(static_cast<int>(std::lround(h * s)), 1, PictureHeight);
            const int ox = (PictureWidth - pw) / 2;
            const int oy = (PictureHeight - ph) / 2;
            const double du = reduced_.width / static_cast<double>(pw);
            const double dv = reduced_.height / static_cast<double>(ph);
            for (int j = 0; j < ph; ++j) {
                for (int i = 0; i < pw; ++i) {
                    fitted.grey.At(ox + i, oy + j) =
                        Sample(reduced_, i * du, (i + 1) * du, j * dv, (j + 1) * dv);
                    fitted.covered[static_cast<size_t>(oy + j) * PictureWidth + ox + i] = 1;
                }
            }
            break;
        }
        case FitMode::FillAndCrop: {
            const double s = std::max(PictureWidth / w, PictureHeight / h);
            const auto position = [](double p) {
                return std::isfinite(p) ? std::clamp(p, 0.0, 1.0) : 0.5;
            };
            const double cx = position(settings.cropX) * std::max(0.0, w * s - PictureWidth);
            const double cy = position(settings.cropY) * std::max(0.0, h * s - PictureHeight);
            // One cell of the picture is 1 / s source pixels.
            const double du = rx / s;
            const double dv = ry / s;
            for (int j = 0; j < PictureHeight; ++j) {
                for (int i = 0; i < PictureWidth; ++i) {
                    fitted.grey.At(i, j) = Sample(reduced_, (cx + i) * du, (cx + i + 1) * du,
                                                  (cy + j) * dv, (cy + j + 1) * dv);
                }
            }
            std::fill(fitted.covered.begin(), fitted.covered.end(), 1);
            break;
        }
    }
    return fitted;
}

PictureGrid ImportWorkingCopy::Render(const AdjustSettings& settings) const {
    FittedGrey fitted = Fit(settings);
    const std::vector<uint8_t> curve = ToneCurve(settings.brightness, settings.contrast);
    for (uint8_t& v : fitted.grey.values) {
        v = curve[v];
    }
    PictureGrid picture = DitherPicture(fitted, settings.dither, settings.threshold);
    if (settings.invert) {
        for (int y = 0; y < PictureHeight; ++y) {
            for (int x = 0; x < PictureWidth; ++x) {
                if (fitted.covered[static_cast<size_t>(y) * PictureWidth + x] != 0) {
                    picture.Set(x, y, picture.IsSet(x, y) ? 0 : 1);
                }
            }
        }
    }
    return picture;
}

}  // namespace pixora
