#include "platform/image_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/metafile_render.h"

// Qt's BMP, GIF and JPEG readers hand back whatever they decoded before the data ran out, with
// the rest grey or black, so each file's structure is walked here first:
// - BMP: "BM", file header (14 bytes, pixel data offset at 10), DIB header (12 bytes for OS/2
//   with int16 sizes, else 40 or more: int32 width, int32 height (negative = top-down), uint16
//   planes, uint16 bits per pixel, uint32 compression). Uncompressed rows are padded to four
//   bytes. RLE8/RLE4 data is (count, value) pairs and escapes 00 00 end of line, 00 01 end of
//   bitmap, 00 02 dx dy jump, 00 n with n literal pixels padded to two bytes.
// - GIF: "GIF8", screen descriptor (7 bytes, colour table flag 0x80 and size 2 << (flags & 7)
//   at byte 10), then extensions (21 label sub-blocks) until the first image (2C, 9 bytes, own
//   colour table, LZW code size, sub-blocks); sub-blocks are (length, bytes) ending with 0.
// - JPEG: FF D8, segments (FF marker, big-endian length including itself), entropy-coded data
//   after each SOS up to the next marker that is not FF 00 or a restart, and FF D9 at the end.
// - ICO: 00 00 01 00, count, 16-byte entries with the image's size at 8 and offset at 12.

namespace pixora {
namespace {

enum class Kind { Unknown, Bmp, Gif, Jpeg, Ico, Wmf, Emf };

// Larger files are refused unread; a 20000 x 20000 JPEG of fine detail still fits.
constexpr qint64 kMaxFileBytes = qint64{256} * 1024 * 1024;
// What a decode may allocate: Qt's own default limit of 128 MB for 32-bit pixels.
constexpr int64_t kMaxDecodedPixels = int64_t{32} * 1024 * 1024;
// How much larger than the fit target a reduced decode stays, so the final shrink still has
// several source pixels per output pixel to average.
constexpr int64_t kFitOversample = 4;
// DCT scaling goes down to one eighth.
constexpr int64_t kJpegMaxReduction = 8;

size_t Size(const QByteArray& b) {
    return static_cast<size_t>(b.size());
}
uint8_t At(const QByteArray& b, size_t at) {
    return static_cast<uint8_t>(b[static_cast<qsizetype>(at)]);
}
uint32_t U16(const QByteArray& b, size_t at) {
    return At(b, at) | (static_cast<uint32_t>(At(b, at + 1)) << 8);
}
uint32_t U32(const QByteArray& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}
bool StartsWith(const QByteArray& b, std::initializer_list<uint8_t> magic, size_t at = 0) {
    if (Size(b) < at + magic.size()) {
        return false;
    }
    size_t i = at;
    for (uint8_t m : magic) {
        if (At(b, i++) != m) {
            return false;
        }
    }
    return true;
}

Kind SniffKind(const QByteArray& b) {
    if (StartsWith(b, {'B', 'M'})) {
        return Kind::Bmp;
    }
    if (StartsWith(b, {'G', 'I', 'F', '8'})) {
        return Kind::Gif;
    }
    if (StartsWith(b, {0xFF, 0xD8})) {
        return Kind::Jpeg;
    }
    if (StartsWith(b, {0x00, 0x00, 0x01, 0x00})) {
        return Kind::Ico;
    }
    if (StartsWith(b, {0xD7, 0xCD, 0xC6, 0x9A}) || StartsWith(b, {0x01, 0x00, 0x09, 0x00}) ||
        StartsWith(b, {0x02, 0x00, 0x09, 0x00})) {
        return Kind::Wmf;
    }
    if (StartsWith(b, {0x01, 0x00, 0x00, 0x00}) && StartsWith(b, {' ', 'E', 'M', 'F'}, 40)) {
        return Kind::Emf;
    }
    return Kind::Unknown;
}

Kind KindFromExtension(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "bmp" || ext == "dib" || ext == "rle") {
        return Kind::Bmp;
    }
    if (ext == "gif") {
        return Kind::Gif;
    }
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif") {
        return Kind::Jpeg;
    }
    if (ext == "ico") {
        return Kind::Ico;
    }
    if (ext == "wmf") {
        return Kind::Wmf;
    }
    if (ext == "emf") {
        return Kind::Emf;
    }
    return Kind::Unknown;
}

bool RleComplete(const QByteArray& b, size_t at, int64_t rows, bool fourBit) {
    const size_t n = Size(b);
    int64_t row = 0;
    for (;;) {
        if (at + 2 > n) {
            // Some writers leave out the end-of-bitmap mark after the last line.
            return row >= rows;
        }
        const uint8_t count = At(b, at);
        const uint8_t code = At(b, at + 1);
        at += 2;
        if (count != 0) {
            continue;
        }
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (at + 2 > n) {
                return false;
            }
            row += At(b, at + 1);
            at += 2;
        } else {
            size_t literal = fourBit ? (code + 1u) / 2u : code;
            literal += literal & 1u;
            if (literal > n - at) {
                return false;
            }
            at += literal;
        }
    }
}

bool BmpComplete(const QByteArray& b) {
    const size_t n = Size(b);
    if (n < 26 || !StartsWith(b, {'B', 'M'})) {
        return false;
    }
    const size_t dataAt = U32(b, 10);
    const uint32_t headerSize = U32(b, 14);
    int64_t width = 0;
    int64_t height = 0;
    uint32_t bits = 0;
    uint32_t compression = 0;
    if (headerSize == 12) {
        width = static_cast<int16_t>(U16(b, 18));
        height = static_cast<int16_t>(U16(b, 20));
        bits = U16(b, 24);
    } else {
        if (headerSize < 40 || n < 14 + 40) {
            return false;
        }
        width = static_cast<int32_t>(U32(b, 18));
        height = static_cast<int32_t>(U32(b, 22));
        bits = U16(b, 28);
        compression = U32(b, 30);
    }
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || bits == 0 || bits > 32 || dataAt > n) {
        return false;
    }
    constexpr uint32_t kRle8 = 1;
    constexpr uint32_t kRle4 = 2;
    if (compression == kRle8 || compression == kRle4) {
        return RleComplete(b, dataAt, height, compression == kRle4);
    }
    const int64_t rowBytes = (width * bits + 31) / 32 * 4;
    return rowBytes <= static_cast<int64_t>(n - dataAt) / height;
}

bool SkipSubBlocks(const QByteArray& b, size_t& at) {
    const size_t n = Size(b);
    for (;;) {
        if (at >= n) {
            return false;
        }
        const size_t length = At(b, at++);
        if (length == 0) {
            return true;
        }
        if (length > n - at) {
            return false;
        }
        at += length;
    }
}

size_t ColourTableBytes(uint8_t flags) {
    return (flags & 0x80) != 0 ? 3u * (2u << (flags & 7)) : 0u;
}

bool GifFirstFrameComplete(const QByteArray& b) {
    const size_t n = Size(b);
    if (n < 13 || !StartsWith(b, {'G', 'I', 'F', '8'})) {
        return false;
    }
    size_t at = 13 + ColourTableBytes(At(b, 10));
    for (;;) {
        if (at >= n) {
            return false;
        }
        const uint8_t introducer = At(b, at++);
        if (introducer == 0x21) {
            ++at;  // label
            if (!SkipSubBlocks(b, at)) {
                return false;
            }
        } else if (introducer == 0x2C) {
            if (n - at < 10) {
                return false;
            }
            at += 9 + ColourTableBytes(At(b, at + 8)) + 1;  // descriptor, table, LZW code size
            return SkipSubBlocks(b, at);
        } else {
            return false;  // trailer before any image, or garbage
        }
    }
}

bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool JpegComplete(const QByteArray& b) {
    const size_t n = Size(b);
    if (!StartsWith(b, {0xFF, 0xD8})) {
        return false;
    }
    const auto* data = reinterpret_cast<const uint8_t*>(b.constData());
    size_t at = 2;
    bool frame = false;
    for (;;) {
        // libjpeg skips stray bytes before a marker, and so do we.
        const void* ff = at < n ? std::memchr(data + at, 0xFF, n - at) : nullptr;
        if (ff == nullptr) {
            return false;
        }
        at = static_cast<size_t>(static_cast<const uint8_t*>(ff) - data);
        while (at < n && data[at] == 0xFF) {
            ++at;
        }
        if (at >= n) {
            return false;
        }
        const uint8_t marker = data[at++];
        if (marker == 0xD9) {
            return frame;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x00) {
            continue;
        }
        if (n - at < 2) {
            return false;
        }
        const size_t length = (static_cast<size_t>(data[at]) << 8) | data[at + 1];
        if (length < 2 || length > n - at) {
            return false;
        }
        frame = frame || IsStartOfFrame(marker);
        at += length;
        if (marker == 0xDA) {
            // Entropy-coded data: FF 00 is a data byte, FF D0..D7 a restart; anything else
            // after FF is the next marker.
            for (;;) {
                const void* next = at < n ? std::memchr(data + at, 0xFF, n - at) : nullptr;
                if (next == nullptr) {
                    return false;
                }
                at = static_cast<size_t>(static_cast<const uint8_t*>(next) - data);
                if (at + 1 >= n) {
                    return false;
                }
                const uint8_t after = data[at + 1];
                if (after == 0x00 || (after >= 0xD0 && after <= 0xD7)) {
                    at += 2;
                } else if (after == 0xFF) {
                    ++at;
                } else {
                    break;
                }
            }
        }
    }
}

bool IcoComplete(const QByteArray& b) {
    const size_t n = Size(b);
    if (n < 6 || !StartsWith(b, {0x00, 0x00, 0x01, 0x00})) {
        return false;
    }
    const size_t count = U16(b, 4);
    if (count == 0 || n < 6 + 16 * count) {
        return false;
    }
    // Qt reads the first entry.
    const uint64_t size = U32(b, 6 + 8);
    const uint64_t offset = U32(b, 6 + 12);
    return size > 0 && offset + size <= n;
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    const QFileInfo info(path);
    // Only plain files: a FIFO would block the reader forever.
    if (!info.isFile() || info.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<Raster> ToRaster(const QImage& decoded) {
    if (decoded.isNull() || decoded.width() <= 0 || decoded.height() <= 0) {
        return std::nullopt;
    }
    const QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    Raster raster(image.width(), image.height());
    uint32_t* out = raster.Data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int alpha = qAlpha(c);
            // Transparent parts stand on white, the empty picture's colour.
            const auto over = [alpha](int channel) {
                return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
            };
            *out++ = MakeRgb(over(qRed(c)), over(qGreen(c)), over(qBlue(c)));
        }
    }
    return raster;
}

// limitWidth x limitHeight: the largest size worth decoding, each axis on its own.
std::optional<Raster> DecodeRaster(QByteArray& bytes, Kind kind, int limitWidth, int limitHeight) {
    bool complete = false;
    const char* format = "";
    switch (kind) {
        case Kind::Bmp:
            complete = BmpComplete(bytes);
            format = "bmp";
            break;
        case Kind::Gif:
            complete = GifFirstFrameComplete(bytes);
            format = "gif";
            break;
        case Kind::Jpeg:
            complete = JpegComplete(bytes);
            format = "jpeg";
            break;
        case Kind::Ico:
            complete = IcoComplete(bytes);
            format = "ico";
            break;
        default:
            break;
    }
    if (!complete) {
        return std::nullopt;
    }
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty()) {
        return std::nullopt;
    }
    const int64_t width = full.width();
    const int64_t height = full.height();
    const int64_t targetWidth = std::min<int64_t>(width, std::max(1, limitWidth));
    const int64_t targetHeight = std::min<int64_t>(height, std::max(1, limitHeight));
    const bool reduce = targetWidth < width || targetHeight < height;
    // A JPEG reader decodes at 1/2, 1/4 or 1/8 of the size straight from the DCT blocks: ask
    // for exactly the smallest of those that still covers the target, so that Qt adds no
    // resampling pass of its own. Other readers decode in full and then shrink.
    QSize request(static_cast<int>(targetWidth), static_cast<int>(targetHeight));
    int64_t decodedPixels = width * height;
    const bool dctScaling = reduce && reader.supportsOption(QImageIOHandler::ScaledSize);
    if (dctScaling) {
        int64_t scale = kJpegMaxReduction;
        while (scale > 1 && ((width + scale - 1) / scale < targetWidth ||
                             (height + scale - 1) / scale < targetHeight)) {
            scale /= 2;
        }
        request = QSize(static_cast<int>((width + scale - 1) / scale),
                        static_cast<int>((height + scale - 1) / scale));
        decodedPixels = int64_t{request.width()} * request.height();
        // The picture ends as 72 x 28 black and white: libjpeg's fast integer IDCT and plain
        // chroma upsampling are more than good enough, and noticeably quicker.
        reader.setQuality(0);
    }
    // Refuse what would not fit in memory before decoding a single row.
    if (decodedPixels > kMaxDecodedPixels) {
        return std::nullopt;
    }
    if (reduce) {
        reader.setScaledSize(request);
    }
    QImage image;
    if (!reader.read(&image)) {
        return std::nullopt;
    }
    return ToRaster(image);
}

std::optional<Raster> Load(const std::string& path, int limitWidth, int limitHeight) {
    const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    std::optional<QByteArray> bytes = ReadWholeFile(name);
    if (!bytes) {
        return std::nullopt;
    }
    Kind kind = SniffKind(*bytes);
    if (kind == Kind::Unknown) {
        kind = KindFromExtension(name);
    }
    switch (kind) {
        case Kind::Wmf: {
            const std::optional<QImage> image = RenderWmf(*bytes, limitWidth, limitHeight);
            return image ? ToRaster(*image) : std::nullopt;
        }
        case Kind::Emf: {
            const std::optional<QImage> image = RenderEmf(*bytes, limitWidth, limitHeight);
            return image ? ToRaster(*image) : std::nullopt;
        }
        case Kind::Unknown:
            return std::nullopt;
        default:
            return DecodeRaster(*bytes, kind, limitWidth, limitHeight);
    }
}

int FitLimit(int maximum) {
    const int64_t limit = kFitOversample * std::max(1, maximum);
    return static_cast<int>(std::min<int64_t>(limit, std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<Raster> LoadPictureFile(const std::string& path) {
    constexpr int kNoLimit = std::numeric_limits<int>::max();
    return Load(path, kNoLimit, kNoLimit);
}

std::optional<Raster> LoadPictureFileForFit(const std::string& path, int maxWidth, int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0) {
        return LoadPictureFile(path);
    }
    return Load(path, FitLimit(maxWidth), FitLimit(maxHeight));
}

}  // namespace pixora
