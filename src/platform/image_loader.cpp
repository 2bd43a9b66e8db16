#include "platform/image_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "formats/picture_header.h"
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

using Kind = PictureKind;

// A decode that would allocate more is refused, or done in bands or at a reduced scale.
constexpr qint64 kMaxFileBytes = qint64{256} * 1024 * 1024;
// Beyond this many pixels a full-resolution decode costs more time than an import may take.
constexpr int64_t kMaxSourcePixels = int64_t{40} * 1000 * 1000;
// A JPEG is decoded at 1/2, 1/4 or 1/8 of its size straight from the DCT blocks, but every
// block is still read: this many pixels at most, whatever the scale.
constexpr int64_t kMaxJpegSourcePixels = int64_t{200} * 1000 * 1000;
// Rows of a band decode hold about this much.
constexpr int64_t kBandBytes = int64_t{4} * 1024 * 1024;
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

std::string_view View(const QByteArray& b) {
    return {b.constData(), Size(b)};
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
    if (ext == "png") {
        return Kind::Png;
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

// Opened without blocking and checked before a byte is read: a FIFO or a device named like a
// picture would otherwise hang the editor in read() or feed it endless data.
std::optional<QByteArray> ReadWholeFile(const std::string& path, std::string* why) {
    const auto refuse = [why](const char* reason) -> std::optional<QByteArray> {
        if (why != nullptr && reason != nullptr) {
            *why = reason;
        }
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return refuse(nullptr);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return refuse(nullptr);
    }
    if (!S_ISREG(info.st_mode)) {
        return refuse("not a regular file");
    }
    if (info.st_size > kMaxFileBytes) {
        return refuse("too large a file");
    }
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refuse(nullptr);
        }
        if (got == 0) {
            break;  // shrank meanwhile: what is there is judged by the format checks
        }
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
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

bool FeedImage(const QImage& image, Sink& sink) {
    if (image.isNull() || !sink.Begin(image.width(), image.height())) {
        return false;
    }
    return FeedRows(image, 0, [&sink](int y, const uint32_t* p) { sink.Row(y, p); });
}

bool Complete(const QByteArray& bytes, Kind kind) {
    switch (kind) {
        case Kind::Bmp:
            return BmpComplete(bytes);
        case Kind::Gif:
            return GifFirstFrameComplete(bytes);
        case Kind::Jpeg:
            return JpegComplete(bytes);
        case Kind::Ico:
            return IcoComplete(bytes);
        default:
            // Other plugins' readers (PNG, TIFF, WebP) report a damaged file themselves.
            return true;
    }
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

bool DecodeRaster(QByteArray& bytes, Kind kind, Sink& sink, bool mayReduce) {
    if (!Complete(bytes, kind)) {
        return false;
    }
    // The size from the header itself where this program can read it, else from Qt's reader,
    // which reads no further than the header either.
    QSize full;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::ReadOnly)) {
            return false;
        }
        QImageReader reader(&buffer, QtFormat(kind));
        reader.setAutoDetectImageFormat(kind == Kind::Unknown);
        full = reader.size();
    }
    if (const std::optional<PictureSize> declared = DeclaredPictureSize(View(bytes));
        declared && kind != Kind::Ico) {
        if (declared->width > std::numeric_limits<int>::max() ||
            declared->height > std::numeric_limits<int>::max()) {
            return false;
        }
        full = QSize(static_cast<int>(declared->width), static_cast<int>(declared->height));
    }
    if (!full.isValid() || full.isEmpty()) {
        return false;
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
        return false;
    }
    if (kind == Kind::Bmp && pixels <= kMaxSourcePixels) {
        if (const std::optional<BmpRows> rows = FindBmpRows(View(bytes))) {
            return DecodeBmpInBands(bytes, *rows, sink);
        }
        // RLE rows cannot be cut out of the file; they are decoded here, one row at a time.
        if (RleBitmapSize(View(bytes)) &&
            sink.Begin(static_cast<int>(width), static_cast<int>(height))) {
            return ReadRleBitmapRows(View(bytes),
                                     [&sink](int y, const uint32_t* p) { sink.Row(y, p); });
        }
        return false;
    }
    auto* shrink = dynamic_cast<ShrinkSink*>(&sink);
    if (kind == Kind::Jpeg && pixels <= kMaxJpegSourcePixels && shrink != nullptr) {
        // The smallest DCT reduction whose result fits, never below the fit's own size; thin
        // lines may fade at these sizes, the price of reading such a picture at all.
        const auto side = [](int64_t length, int64_t s) { return (length + s - 1) / s; };
        int64_t scale = 2;
        while (scale < kJpegMaxReduction &&
               side(width, scale) * side(height, scale) * kBytesPerPixel > kMaxDecodeBytes &&
               side(width, scale * 2) >= std::min<int64_t>(width, shrink->MaxWidth()) &&
               side(height, scale * 2) >= std::min<int64_t>(height, shrink->MaxHeight())) {
            scale *= 2;
        }
        const QSize request(static_cast<int>(side(width, scale)),
                            static_cast<int>(side(height, scale)));
        if (int64_t{request.width()} * request.height() * kBytesPerPixel > kMaxDecodeBytes) {
            return false;
        }
        const QImage reduced = ReadOnce(bytes, kind, request);
        if (!FeedImage(reduced, sink)) {
            return false;
        }
        // The answer No keeps the picture's own top-left part: read again at full size, where
        // libjpeg stops after the first rows.
        ImportedImage result = shrink->Result();
        const QRect cornerRect(0, 0, std::min<int>(full.width(), shrink->MaxWidth()),
                               std::min<int>(full.height(), shrink->MaxHeight()));
        ShrinkSink corner(cornerRect.width(), cornerRect.height());
        if (!FeedImage(ReadOnce(bytes, kind, {}, cornerRect), corner)) {
            return false;
        }
        result.corner = corner.Result().corner;
        result.width = full.width();
        result.height = full.height();
        shrink->SetResult(std::move(result));
        return true;
    }
    return false;
}

}  // namespace

namespace {

bool Load(const std::string& path, Sink& sink, bool mayReduce, std::string* why) {
    std::optional<QByteArray> bytes = ReadWholeFile(path, why);
    if (!bytes) {
        return false;
    }
    Kind kind = SniffPictureKind(View(*bytes));
    if (kind == Kind::Unknown) {
        // Every raster kind has its magic, so only a metafile is told by its name; anything else
        // goes to whichever Qt plugin recognises the content (TIFF, WebP, ...).
        const Kind named =
            KindFromExtension(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
        if (named == Kind::Wmf || named == Kind::Emf) {
            kind = named;
        }
    }
    switch (kind) {
        case Kind::Wmf: {
            const std::optional<QImage> image =
                RenderWmf(*bytes, kMaxMetafileSide, kMaxMetafileSide);
            return image && FeedImage(*image, sink);
        }
        case Kind::Emf: {
            const std::optional<QImage> image =
                RenderEmf(*bytes, kMaxMetafileSide, kMaxMetafileSide);
            return image && FeedImage(*image, sink);
        }
        default:
            // Unknown kinds go to whichever Qt plugin recognises the content.
            return DecodeRaster(*bytes, kind, sink, mayReduce);
    }
}

}  // namespace

std::optional<Raster> LoadPictureFile(const std::string& path, std::string* why) {
    RasterSink sink;
    if (!Load(path, sink, false, why) || sink.raster.Empty()) {
        return std::nullopt;
    }
    return std::move(sink.raster);
}

std::optional<ImportedImage> LoadPictureFileForFit(const std::string& path, int maxWidth,
                                                   int maxHeight, std::string* why) {
    ShrinkSink sink(std::max(1, maxWidth), std::max(1, maxHeight));
    if (!Load(path, sink, true, why)) {
        return std::nullopt;
    }
    ImportedImage image = sink.Result();
    if (image.shrunk.Empty()) {
        return std::nullopt;
    }
    return image;
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
