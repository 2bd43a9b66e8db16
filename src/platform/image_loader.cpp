// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/image_loader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

#include "formats/file_io.h"
#include "formats/picture_header.h"
#include "formats/read_error.h"
#include "platform/metafile_render.h"

namespace pixora {
namespace {

using Kind = PictureKind;

// A decode that would allocate more is refused, or done in bands or at a reduced scale.
constexpr size_t kMaxFileBytes = size_t{256} * 1024 * 1024;
// Beyond this many pixels a full-resolution decode costs more time than an import may take.
constexpr int64_t kMaxSourcePixels = int64_t{40} * 1000 * 1000;
// A JPEG is decoded at 1/2, 1/4 or 1/8 of its size straight from the DCT blocks, but every
// block is still read: this many pixels at most, whatever the scale.
constexpr int64_t kMaxJpegSourcePixels = int64_t{200} * 1000 * 1000;
// Rows of a band decode hold about this much.
constexpr int64_t kBandBytes = int64_t{4} * 1024 * 1024;
constexpr int64_t kJpegMaxReduction = 8;

std::string_view View(const QByteArray& b) {
    return {b.constData(), static_cast<size_t>(b.size())};
}

// Rows of a decoded image, alpha laid on white, handed to `row(y, pixels)` a band at a time so
// that no 32-bit copy of the whole image is ever made. `firstRow` places the image's top row.
template <typename Rows>
bool FeedRows(const QImage& image, int firstRow, Rows&& row) {
    if (image.isNull()) {
        return false;
    }
    const int width = image.width();
    const int bandRows =
        static_cast<int>(std::max<int64_t>(1, kBandBytes / 4 / std::max(1, width)));
    std::vector<uint32_t> line(static_cast<size_t>(width));
    for (int top = 0; top < image.height(); top += bandRows) {
        const int rows = std::min(bandRows, image.height() - top);
        const QImage band =
            image.format() == QImage::Format_ARGB32
                ? image
                : image.copy(0, top, width, rows).convertToFormat(QImage::Format_ARGB32);
        const int bandTop = image.format() == QImage::Format_ARGB32 ? top : 0;
        if (band.isNull()) {
            return false;
        }
        for (int y = 0; y < rows; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(band.constScanLine(bandTop + y));
            for (int x = 0; x < width; ++x) {
                const QRgb c = source[x];
                const int alpha = qAlpha(c);
                if (alpha == 255) {
                    line[static_cast<size_t>(x)] = 0xFF000000u | c;
                    continue;
                }
                // Transparent parts stand on white, the empty picture's colour.
                const auto over = [alpha](int channel) {
                    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
                };
                line[static_cast<size_t>(x)] =
                    MakeRgb(over(qRed(c)), over(qGreen(c)), over(qBlue(c)));
            }
            row(firstRow + top + y, line.data());
        }
    }
    return true;
}

// Where a decode sends its rows: a whole raster, or the fit's shrink.
class Sink {
public:
    virtual ~Sink() = default;
    // Called once with the picture's own size before any row.
    virtual bool Begin(int width, int height) = 0;
    virtual void Row(int y, const uint32_t* pixels) = 0;
    // A sink that can do with a JPEG decoded at a reduced DCT scale gives the smallest size the
    // reduction may go down to; others take the picture at its own size or not at all.
    virtual std::optional<QSize> ReducedMinimum() const { return std::nullopt; }
};

class RasterSink : public Sink {
public:
    bool Begin(int width, int height) override {
        if (int64_t{width} * height * 4 > kMaxDecodeBytes) {
            return false;
        }
        raster = Raster(width, height);
        return true;
    }
    void Row(int y, const uint32_t* pixels) override {
        std::memcpy(raster.Data() + static_cast<size_t>(y) * static_cast<size_t>(raster.Width()),
                    pixels, static_cast<size_t>(raster.Width()) * 4);
    }
    Raster raster;
};

class ShrinkSink : public Sink {
public:
    ShrinkSink(int maxWidth, int maxHeight) : maxWidth_(maxWidth), maxHeight_(maxHeight) {}
    bool Begin(int width, int height) override {
        shrink_.emplace(width, height, maxWidth_, maxHeight_);
        return true;
    }
    void Row(int y, const uint32_t* pixels) override { shrink_->AddRow(y, pixels); }
    std::optional<QSize> ReducedMinimum() const override { return QSize(maxWidth_, maxHeight_); }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    // A reduced decode puts its own result together.
    void SetResult(ImportedImage result) { result_ = std::move(result); }
    ImportedImage Result() const {
        if (result_) {
            return *result_;
        }
        return shrink_ ? shrink_->Finish() : ImportedImage{};
    }

private:
    int maxWidth_;
    int maxHeight_;
    std::optional<DarkestShrink> shrink_;
    std::optional<ImportedImage> result_;
};

// The preview's working copy and a colour thumbnail of the whole picture, both fed from the
// same rows, so the picture is decoded once and never held whole.
class PreviewSink : public Sink {
public:
    PreviewSink(int thumbnailWidth, int thumbnailHeight)
        : maxWidth_(thumbnailWidth), maxHeight_(thumbnailHeight) {}
    bool Begin(int width, int height) override {
        if (width <= 0 || height <= 0) {
            return false;
        }
        builder_.emplace(width, height);
        width_ = width;
        height_ = height;
        const double scale = std::min({1.0, maxWidth_ / static_cast<double>(width),
                                       maxHeight_ / static_cast<double>(height)});
        thumbWidth_ = std::clamp(static_cast<int>(std::lround(width * scale)), 1, width);
        thumbHeight_ = std::clamp(static_cast<int>(std::lround(height * scale)), 1, height);
        column_.resize(static_cast<size_t>(width));
        for (int x = 0; x < width; ++x) {
            column_[static_cast<size_t>(x)] =
                static_cast<int>(static_cast<int64_t>(x) * thumbWidth_ / width);
        }
        sums_.assign(static_cast<size_t>(thumbWidth_) * thumbHeight_ * 4, 0);
        return true;
    }
    void Row(int y, const uint32_t* pixels) override {
        builder_->AddRow(y, pixels);
        const int thumbRow = static_cast<int>(static_cast<int64_t>(y) * thumbHeight_ / height_);
        uint64_t* row = sums_.data() + static_cast<size_t>(thumbRow) * thumbWidth_ * 4;
        for (int x = 0; x < width_; ++x) {
            uint64_t* cell = row + static_cast<size_t>(column_[static_cast<size_t>(x)]) * 4;
            cell[0] += RedOf(pixels[x]);
            cell[1] += GreenOf(pixels[x]);
            cell[2] += BlueOf(pixels[x]);
            ++cell[3];
        }
    }
    // Four reduced-copy pixels a cell of the covering fit are all the copy keeps anyway.
    std::optional<QSize> ReducedMinimum() const override {
        return QSize(PictureWidth * ImportWorkingCopy::Oversampling,
                     PictureHeight * ImportWorkingCopy::Oversampling);
    }
    std::optional<PreviewSource> Result() const {
        if (!builder_) {
            return std::nullopt;
        }
        PreviewSource source{builder_->Finish(), Raster(thumbWidth_, thumbHeight_)};
        for (int y = 0; y < thumbHeight_; ++y) {
            for (int x = 0; x < thumbWidth_; ++x) {
                const uint64_t* cell =
                    sums_.data() + (static_cast<size_t>(y) * thumbWidth_ + x) * 4;
                const uint64_t n = std::max<uint64_t>(1, cell[3]);
                const auto mean = [&](int i) { return static_cast<int>((cell[i] + n / 2) / n); };
                source.thumbnail.SetPixel(x, y, MakeRgb(mean(0), mean(1), mean(2)));
            }
        }
        return source;
    }

private:
    int maxWidth_;
    int maxHeight_;
    int width_ = 0;
    int height_ = 0;
    int thumbWidth_ = 0;
    int thumbHeight_ = 0;
    std::optional<ImportWorkingCopyBuilder> builder_;
    std::vector<int> column_;
    std::vector<uint64_t> sums_;  // red, green, blue and count of each thumbnail pixel
};

ReadError FeedImage(const QImage& image, Sink& sink) {
    if (image.isNull()) {
        return ReadError::Damaged;
    }
    if (!sink.Begin(image.width(), image.height())) {
        return ReadError::TooManyPixels;
    }
    return FeedRows(image, 0, [&sink](int y, const uint32_t* p) { sink.Row(y, p); })
               ? ReadError::None
               : ReadError::Damaged;
}

const char* QtFormat(Kind kind) {
    switch (kind) {
        case Kind::Bmp:
            return "bmp";
        case Kind::Gif:
            return "gif";
        case Kind::Jpeg:
            return "jpeg";
        case Kind::Ico:
            return "ico";
        case Kind::Png:
            return "png";
        default:
            return "";
    }
}

int AllocationLimitMb() {
    return static_cast<int>(kMaxDecodeBytes / (1024 * 1024));
}

// Qt's allocation limit counts four bytes a pixel whatever the decoded format; so does the
// choice of how to decode.
constexpr int64_t kBytesPerPixel = 4;

// One read of `bytes` through Qt, with the allocation limit; a scaled size or clip when given.
QImage ReadOnce(QByteArray& bytes, Kind kind, const QSize& scaled = {}, const QRect& clip = {}) {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&buffer, QtFormat(kind));
    reader.setAutoDetectImageFormat(kind == Kind::Unknown);
    // Qt's limit is one for the whole program: it holds for this read only.
    struct LimitForThisRead {
        int previous = QImageReader::allocationLimit();
        LimitForThisRead() { QImageReader::setAllocationLimit(AllocationLimitMb()); }
        ~LimitForThisRead() { QImageReader::setAllocationLimit(previous); }
    } limit;
    if (QByteArray f = reader.format(); f == "svg" || f == "svgz") {
        return {};  // drawn with fonts; and no picture file a drawing program would call a bitmap
    }
    if (scaled.isValid()) {
        reader.setScaledSize(scaled);
        // The picture ends as 72 x 28 black and white: libjpeg's fast integer IDCT and plain
        // chroma upsampling are more than good enough, and noticeably quicker.
        reader.setQuality(0);
    }
    if (clip.isValid()) {
        reader.setClipRect(clip);
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return image;
}

// An uncompressed bitmap too large for one decode: each band of rows becomes a small bitmap of
// its own (the same headers and colours, its own height) that Qt decodes and forgets.
bool DecodeBmpInBands(const QByteArray& bytes, const BmpRows& rows, Sink& sink) {
    if (!sink.Begin(static_cast<int>(rows.width), static_cast<int>(rows.height))) {
        return false;
    }
    const int64_t bandRows = std::max<int64_t>(1, kBandBytes / 4 / rows.width);
    QByteArray band;
    for (int64_t top = 0; top < rows.height; top += bandRows) {
        const int64_t count = std::min(bandRows, rows.height - top);
        // Bottom-up files keep the picture's lowest row first.
        const int64_t firstFileRow = rows.topDown ? top : rows.height - top - count;
        const size_t at = rows.headerBytes + static_cast<size_t>(firstFileRow) * rows.rowBytes;
        const size_t length = static_cast<size_t>(count) * rows.rowBytes;
        band = bytes.left(static_cast<qsizetype>(rows.headerBytes));
        band.append(bytes.constData() + at, static_cast<qsizetype>(length));
        const auto put = [&band](size_t offset, uint32_t value, int size) {
            for (int i = 0; i < size; ++i) {
                band[static_cast<qsizetype>(offset) + i] =
                    static_cast<char>((value >> (8 * i)) & 0xFF);
            }
        };
        const auto height = static_cast<int32_t>(rows.topDown ? -count : count);
        put(rows.heightAt, static_cast<uint32_t>(height), rows.os2 ? 2 : 4);
        put(2, static_cast<uint32_t>(band.size()), 4);
        if (!rows.os2) {
            put(34, static_cast<uint32_t>(length), 4);
        }
        const QImage image = ReadOnce(band, Kind::Bmp);
        if (image.isNull() || image.width() != rows.width || image.height() != count) {
            return false;
        }
        if (!FeedRows(image, static_cast<int>(top),
                      [&sink](int y, const uint32_t* p) { sink.Row(y, p); })) {
            return false;
        }
    }
    return true;
}

ReadError DecodeRaster(QByteArray& bytes, Kind kind, Sink& sink, bool mayReduce) {
    if (!PictureDataComplete(View(bytes), kind)) {
        return ReadError::TooShort;
    }
    // The size from the header itself where this program can read it, else from Qt's reader,
    // which reads no further than the header either.
    QSize full;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::ReadOnly)) {
            return ReadError::ReadFailed;
        }
        QImageReader reader(&buffer, QtFormat(kind));
        reader.setAutoDetectImageFormat(kind == Kind::Unknown);
        full = reader.size();
    }
    if (const std::optional<PictureSize> declared = DeclaredPictureSize(View(bytes));
        declared && kind != Kind::Ico) {
        if (declared->width > std::numeric_limits<int>::max() ||
            declared->height > std::numeric_limits<int>::max()) {
            return ReadError::TooManyPixels;
        }
        full = QSize(static_cast<int>(declared->width), static_cast<int>(declared->height));
    }
    if (!full.isValid() || full.isEmpty()) {
        return ReadError::UnknownFormat;
    }
    const int64_t width = full.width();
    const int64_t height = full.height();
    const int64_t pixels = width * height;
    const int64_t bytesWhole = pixels * kBytesPerPixel;
    if (bytesWhole <= kMaxDecodeBytes && pixels <= kMaxSourcePixels) {
        const QImage image = ReadOnce(bytes, kind);
        // A bitmap whose whole read fails (Qt's limit counting more than this estimate) still
        // has its bands.
        if (!image.isNull() || kind != Kind::Bmp || !mayReduce) {
            return FeedImage(image, sink);
        }
    } else if (!mayReduce) {
        return ReadError::TooManyPixels;
    }
    if (kind == Kind::Bmp && pixels <= kMaxSourcePixels) {
        if (const std::optional<BmpRows> rows = FindBmpRows(View(bytes))) {
            return DecodeBmpInBands(bytes, *rows, sink) ? ReadError::None : ReadError::Damaged;
        }
        // RLE rows cannot be cut out of the file; they are decoded here, one row at a time.
        if (RleBitmapSize(View(bytes)) &&
            sink.Begin(static_cast<int>(width), static_cast<int>(height))) {
            return ReadRleBitmapRows(View(bytes),
                                     [&sink](int y, const uint32_t* p) { sink.Row(y, p); })
                       ? ReadError::None
                       : ReadError::Damaged;
        }
        return ReadError::Damaged;
    }
    auto* shrink = dynamic_cast<ShrinkSink*>(&sink);
    const std::optional<QSize> minimum = sink.ReducedMinimum();
    if (kind == Kind::Jpeg && pixels <= kMaxJpegSourcePixels && minimum) {
        // The smallest DCT reduction whose result fits, never below the fit's own size; thin
        // lines may fade at these sizes, the price of reading such a picture at all.
        const auto side = [](int64_t length, int64_t s) { return (length + s - 1) / s; };
        int64_t scale = 2;
        while (scale < kJpegMaxReduction &&
               side(width, scale) * side(height, scale) * kBytesPerPixel > kMaxDecodeBytes &&
               side(width, scale * 2) >= std::min<int64_t>(width, minimum->width()) &&
               side(height, scale * 2) >= std::min<int64_t>(height, minimum->height())) {
            scale *= 2;
        }
        const QSize request(static_cast<int>(side(width, scale)),
                            static_cast<int>(side(height, scale)));
        if (int64_t{request.width()} * request.height() * kBytesPerPixel > kMaxDecodeBytes) {
            return ReadError::TooManyPixels;
        }
        if (const ReadError fed = FeedImage(ReadOnce(bytes, kind, request), sink);
            fed != ReadError::None || shrink == nullptr) {
            return fed;
        }
        // The answer No keeps the picture's own top-left part: read again at full size, where
        // libjpeg stops after the first rows.
        ImportedImage result = shrink->Result();
        const QRect cornerRect(0, 0, std::min<int>(full.width(), shrink->MaxWidth()),
                               std::min<int>(full.height(), shrink->MaxHeight()));
        ShrinkSink corner(cornerRect.width(), cornerRect.height());
        if (const ReadError fed = FeedImage(ReadOnce(bytes, kind, {}, cornerRect), corner);
            fed != ReadError::None) {
            return fed;
        }
        result.corner = corner.Result().corner;
        result.width = full.width();
        result.height = full.height();
        shrink->SetResult(std::move(result));
        return ReadError::None;
    }
    return ReadError::TooManyPixels;
}

// The file is read through the formats layer's whole-file read: opened without blocking and
// judged before a byte is read, so a FIFO or a device named like a picture never hangs the
// editor in read() or feeds it endless data.
ReadError Load(const std::string& path, Sink& sink, bool mayReduce) {
    const FileRead read = ReadFile(path, kMaxFileBytes);
    if (!read.status.Ok()) {
        return ReadErrorOf(read.status);
    }
    QByteArray bytes =
        QByteArray::fromRawData(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
    const Kind kind = ProbePictureKind(read.bytes, path);
    switch (kind) {
        case Kind::Wmf: {
            const std::optional<QImage> image =
                RenderWmf(bytes, kMaxMetafileSide, kMaxMetafileSide);
            return image ? FeedImage(*image, sink) : ReadError::Damaged;
        }
        case Kind::Emf: {
            const std::optional<QImage> image =
                RenderEmf(bytes, kMaxMetafileSide, kMaxMetafileSide);
            return image ? FeedImage(*image, sink) : ReadError::Damaged;
        }
        default:
            // Unknown kinds go to whichever Qt plugin recognises the content (TIFF, WebP, ...).
            return DecodeRaster(bytes, kind, sink, mayReduce);
    }
}

void Report(ReadError* error, ReadError value) {
    if (error != nullptr) {
        *error = value;
    }
}

}  // namespace

std::optional<Raster> LoadPictureFile(const std::string& path, ReadError* error) {
    RasterSink sink;
    ReadError loaded = Load(path, sink, false);
    if (loaded == ReadError::None && sink.raster.Empty()) {
        loaded = ReadError::Damaged;
    }
    Report(error, loaded);
    if (loaded != ReadError::None) {
        return std::nullopt;
    }
    return std::move(sink.raster);
}

std::optional<ImportedImage> LoadPictureFileForFit(const std::string& path, int maxWidth,
                                                   int maxHeight, ReadError* error) {
    ShrinkSink sink(std::max(1, maxWidth), std::max(1, maxHeight));
    ReadError loaded = Load(path, sink, true);
    ImportedImage image;
    if (loaded == ReadError::None) {
        image = sink.Result();
        if (image.shrunk.Empty()) {
            loaded = ReadError::Damaged;
        }
    }
    Report(error, loaded);
    if (loaded != ReadError::None) {
        return std::nullopt;
    }
    return image;
}

std::optional<PreviewSource> LoadPictureFileForPreview(const std::string& path, int thumbnailWidth,
                                                       int thumbnailHeight, ReadError* error) {
    PreviewSink sink(std::max(1, thumbnailWidth), std::max(1, thumbnailHeight));
    ReadError loaded = Load(path, sink, true);
    std::optional<PreviewSource> source;
    if (loaded == ReadError::None) {
        source = sink.Result();
        if (!source || source->copy.Reduced().values.empty()) {
            loaded = ReadError::Damaged;
        }
    }
    Report(error, loaded);
    if (loaded != ReadError::None) {
        return std::nullopt;
    }
    return source;
}

std::vector<std::string> ImportableExtensions() {
    std::vector<std::string> extensions = {"bmp", "gif", "jpg", "ico", "rle", "wmf", "emf"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const std::string name = format.toLower().toStdString();
        // SVG is drawn through fonts and is no picture file in this program's sense.
        if (name == "svg" || name == "svgz" ||
            std::find(extensions.begin(), extensions.end(), name) != extensions.end()) {
            continue;
        }
        extensions.push_back(name);
    }
    return extensions;
}

}  // namespace pixora
