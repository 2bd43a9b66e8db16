#include "platform/metafile_render.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

// WMF: an optional 22-byte placeable header (key D7 CD C6 9A, frame as four int16 in logical
// units, units per inch, checksum), an 18-byte header (type 1 or 2, header size 9 words), then
// records of (size in 16-bit words: uint32, function: uint16, parameters); function 0 ends it.
// EMF: records of (type: uint32, size in bytes: uint32, data); the first is EMR_HEADER (type 1,
// " EMF" at byte 40), the last EMR_EOF (type 14). All numbers little-endian.

namespace pixora {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr uint32_t kEmfSignature = 0x464D4520u;
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr size_t kEmfHeaderMinSize = 88;
constexpr double kScreenDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

uint16_t LeU16(const QByteArray& b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[static_cast<qsizetype>(at)]) |
                                 (static_cast<uint8_t>(b[static_cast<qsizetype>(at + 1)]) << 8));
}
int16_t LeS16(const QByteArray& b, size_t at) {
    return static_cast<int16_t>(LeU16(b, at));
}
uint32_t LeU32(const QByteArray& b, size_t at) {
    return static_cast<uint32_t>(LeU16(b, at)) | (static_cast<uint32_t>(LeU16(b, at + 2)) << 16);
}

bool HasPlaceableHeader(const QByteArray& b) {
    return b.size() >= 22 && LeU32(b, 0) == kPlaceableKey;
}

// Natural size capped at kMaxMetafileSide keeping the aspect, then cut to the wanted maximum on
// each axis. An empty size when the natural one is unusable.
QSize RenderSize(double naturalWidth, double naturalHeight, int maxWidth, int maxHeight) {
    if (!std::isfinite(naturalWidth) || !std::isfinite(naturalHeight) || naturalWidth < 0.5 ||
        naturalHeight < 0.5) {
        return {};
    }
    const double cap = kMaxMetafileSide;
    const double shrink = std::min({1.0, cap / naturalWidth, cap / naturalHeight});
    const int width =
        std::clamp(static_cast<int>(std::lround(naturalWidth * shrink)), 1, std::max(1, maxWidth));
    const int height = std::clamp(static_cast<int>(std::lround(naturalHeight * shrink)), 1,
                                  std::max(1, maxHeight));
    return {width, height};
}

struct WmfApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};

struct MallocDeleter {
    void operator()(char* p) const { std::free(p); }
};

}  // namespace

bool WmfRecordsComplete(const QByteArray& bytes) {
    const size_t n = static_cast<size_t>(bytes.size());
    size_t at = HasPlaceableHeader(bytes) ? 22 : 0;
    if (at + 18 > n) {
        return false;
    }
    const uint16_t type = LeU16(bytes, at);
    if ((type != 1 && type != 2) || LeU16(bytes, at + 2) != 9) {
        return false;
    }
    at += 18;
    for (;;) {
        if (at + 6 > n) {
            return false;
        }
        const uint64_t words = LeU32(bytes, at);
        if (words < 3 || words * 2 > n - at) {
            return false;
        }
        if (LeU16(bytes, at + 4) == 0) {
            return true;
        }
        at += static_cast<size_t>(words * 2);
    }
}

bool EmfRecordsComplete(const QByteArray& bytes) {
    const size_t n = static_cast<size_t>(bytes.size());
    if (n < kEmfHeaderMinSize || LeU32(bytes, 0) != kEmrHeader ||
        LeU32(bytes, 4) < kEmfHeaderMinSize || LeU32(bytes, 40) != kEmfSignature) {
        return false;
    }
    size_t at = 0;
    for (;;) {
        if (at + 8 > n) {
            return false;
        }
        const uint32_t type = LeU32(bytes, at);
        const uint32_t size = LeU32(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > n - at) {
            return false;
        }
        if (type == kEmrEof) {
            return true;
        }
        at += size;
    }
}

std::optional<QImage> RenderWmf(const QByteArray& bytes, int maxWidth, int maxHeight) {
    if (!WmfRecordsComplete(bytes)) {
        return std::nullopt;
    }
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* rawApi = nullptr;
    const wmf_error_t created = wmf_api_create(&rawApi, flags, &options);
    std::unique_ptr<wmfAPI, WmfApiDeleter> api(rawApi);
    if (created != wmf_E_None || !api) {
        return std::nullopt;
    }
    auto* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    // libwmf takes a non-const buffer; it gets its own copy.
    std::vector<unsigned char> data(bytes.begin(), bytes.end());
    if (wmf_mem_open(api.get(), data.data(), static_cast<long>(data.size())) != wmf_E_None) {
        return std::nullopt;
    }
    wmfD_Rect box{};
    unsigned int naturalWidth = 0;
    unsigned int naturalHeight = 0;
    if (wmf_scan(api.get(), 0, &box) != wmf_E_None ||
        wmf_display_size(api.get(), &naturalWidth, &naturalHeight, kScreenDpi, kScreenDpi) !=
            wmf_E_None) {
        return std::nullopt;
    }
    // The scan gives the extent of what is drawn; the placeable header's frame is the picture
    // as its author laid it out (white margins included), so it wins when it makes sense.
    if (HasPlaceableHeader(bytes)) {
        const int left = LeS16(bytes, 6);
        const int top = LeS16(bytes, 8);
        const int right = LeS16(bytes, 10);
        const int bottom = LeS16(bytes, 12);
        const int unitsPerInch = LeU16(bytes, 14);
        if (right > left && bottom > top && unitsPerInch > 0) {
            const double toPoints = kPointsPerInch / unitsPerInch;
            box.TL.x = static_cast<float>(left * toPoints);
            box.TL.y = static_cast<float>(top * toPoints);
            box.BR.x = static_cast<float>(right * toPoints);
            box.BR.y = static_cast<float>(bottom * toPoints);
        }
    }
    const QSize size = RenderSize(naturalWidth, naturalHeight, maxWidth, maxHeight);
    if (size.isEmpty() || !(box.BR.x > box.TL.x) || !(box.BR.y > box.TL.y)) {
        return std::nullopt;
    }
    device->bbox = box;
    device->width = static_cast<unsigned int>(size.width());
    device->height = static_cast<unsigned int>(size.height());
    if (wmf_play(api.get(), 0, &box) != wmf_E_None || device->gd_image == nullptr) {
        return std::nullopt;
    }
    const int* pixels = wmf_gd_image_pixels(device->gd_image);
    if (pixels == nullptr) {
        return std::nullopt;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int* source = pixels + static_cast<size_t>(y) * static_cast<size_t>(size.width());
        for (int x = 0; x < size.width(); ++x) {
            // gd keeps 7 bits of transparency above the colour: 0 opaque, 127 clear.
            const auto p = static_cast<uint32_t>(source[x]);
            const int alpha = 255 - static_cast<int>(((p >> 24) & 0x7F) * 255 / 127);
            const auto over = [alpha](uint32_t c) {
                return static_cast<int>((c * static_cast<uint32_t>(alpha) +
                                         255u * static_cast<uint32_t>(255 - alpha) + 127) /
                                        255);
            };
            line[x] = qRgb(over((p >> 16) & 0xFF), over((p >> 8) & 0xFF), over(p & 0xFF));
        }
    }
    wmf_mem_close(api.get());
    return image;
}

std::optional<QImage> RenderEmf(const QByteArray& bytes, int maxWidth, int maxHeight) {
    // The SVG may hold text, and Qt's fonts abort without a GUI application.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr ||
        !EmfRecordsComplete(bytes)) {
        return std::nullopt;
    }
    std::vector<char> data(bytes.begin(), bytes.end());
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    // EMF+ drawing in libemf2svg is partial; dual files carry plain EMF records as well.
    options.emfplus = false;
    options.svgDelimiter = true;
    char* rawSvg = nullptr;
    size_t svgLength = 0;
    const int converted = emf2svg(data.data(), data.size(), &rawSvg, &svgLength, &options);
    std::unique_ptr<char, MallocDeleter> svg(rawSvg);
    if (converted == 0 || !svg || svgLength == 0) {
        return std::nullopt;
    }
    QSvgRenderer renderer(QByteArray(svg.get(), static_cast<qsizetype>(svgLength)));
    if (!renderer.isValid()) {
        return std::nullopt;
    }
    const QSizeF natural = renderer.viewBoxF().size();
    const QSize size = RenderSize(natural.width(), natural.height(), maxWidth, maxHeight);
    if (size.isEmpty()) {
        return std::nullopt;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

}  // namespace pixora
