// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/metafile_render.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
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
// A converter that takes longer than this is stuck; its file counts as unusable.
constexpr int kEmfConverterTimeoutMs = 10000;
// Far above any drawing a 2000-pixel picture needs, and small enough to hold in memory.
constexpr qsizetype kMaxSvgBytes = qsizetype{256} * 1024 * 1024;

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

// The placeable header's frame, given in the file's logical units, as the box libwmf plays it
// to: drawing programs switch to MM_ANISOTROPIC and set a window, so the frame has to go through
// the same mapping as the drawing itself. libwmf maps a logical point to
// (logical - window origin) * scale - viewport origin, in points; the scale is 72 / units per
// inch in the placeable default mode, the mode's unit in the fixed modes, and viewport extent /
// window extent in the (an)isotropic modes, with a viewport of 1024 x 1024 until one is set.
struct PlaceableFrame {
    wmfD_Rect box;
    unsigned int width;  // at 96 pixels per inch
    unsigned int height;
};

std::optional<PlaceableFrame> FramePlayedAs(const QByteArray& bytes) {
    if (!HasPlaceableHeader(bytes)) {
        return std::nullopt;
    }
    const double left = LeS16(bytes, 6);
    const double top = LeS16(bytes, 8);
    const double right = LeS16(bytes, 10);
    const double bottom = LeS16(bytes, 12);
    const double unitsPerInch = LeU16(bytes, 14);
    if (!(right > left) || !(bottom > top) || unitsPerInch <= 0) {
        return std::nullopt;
    }
    enum : uint16_t {
        kMmText = 1,
        kMmLoMetric,
        kMmHiMetric,
        kMmLoEnglish,
        kMmHiEnglish,
        kMmTwips,
        kMmIsotropic,
        kMmAnisotropic
    };
    constexpr double kPointsPerMm = kPointsPerInch / 25.4;
    uint16_t mode = 0;  // the placeable default
    double windowX = 0, windowY = 0, windowWidth = 1, windowHeight = 1;
    double viewportWidth = 1024, viewportHeight = 1024;
    double viewportX = 0, viewportY = 0;
    const auto scale = [&](bool horizontal) {
        const double window = horizontal ? windowWidth : windowHeight;
        double unit = kPointsPerInch / unitsPerInch;
        switch (mode) {
            case kMmText:
                unit = 1;
                break;
            case kMmLoMetric:
                unit = 0.1 * kPointsPerMm;
                break;
            case kMmHiMetric:
                unit = 0.01 * kPointsPerMm;
                break;
            case kMmLoEnglish:
                unit = 0.01 * kPointsPerInch;
                break;
            case kMmHiEnglish:
                unit = 0.001 * kPointsPerInch;
                break;
            case kMmTwips:
                unit = 0.05;
                break;
            case kMmIsotropic:
            case kMmAnisotropic:
                return window != 0 ? (horizontal ? viewportWidth : viewportHeight) / window : 0.0;
            default:
                break;
        }
        return window < 0 ? -unit : unit;
    };
    // The mapping in force when the drawing starts.
    const size_t n = static_cast<size_t>(bytes.size());
    for (size_t at = 22 + 18; at + 6 <= n;) {
        const uint64_t words = LeU32(bytes, at);
        const uint16_t function = LeU16(bytes, at + 4);
        if (words < 3 || words * 2 > n - at || function == 0) {
            break;
        }
        const auto y = [&] { return words >= 4 ? static_cast<double>(LeS16(bytes, at + 6)) : 0.0; };
        const auto x = [&] { return words >= 5 ? static_cast<double>(LeS16(bytes, at + 8)) : 0.0; };
        bool drawing = false;
        switch (function) {
            case 0x0103:
                mode = words >= 4 ? LeU16(bytes, at + 6) : 0;
                break;  // SETMAPMODE
            case 0x020B:
                windowX = x();
                windowY = y();
                break;  // SETWINDOWORG
            case 0x020F:
                windowX += x();
                windowY += y();
                break;  // OFFSETWINDOWORG
            case 0x020C:
                windowWidth = x();
                windowHeight = y();
                break;  // SETWINDOWEXT
            case 0x020E:
                viewportWidth = x();
                viewportHeight = y();
                break;    // SETVIEWPORTEXT
            case 0x020D:  // SETVIEWPORTORG, kept in points at the scale of the moment
                viewportX = x() * scale(true);
                viewportY = y() * scale(false);
                break;
            case 0x0211:  // OFFSETVIEWPORTORG
                viewportX += x() * scale(true);
                viewportY += y() * scale(false);
                break;
            // Records that put ink on the page: lines, shapes, text, bitmaps, fills.
            case 0x0213:
            case 0x0325:
            case 0x0324:
            case 0x0538:
            case 0x041B:
            case 0x0418:
            case 0x0817:
            case 0x081A:
            case 0x0830:
            case 0x061C:
            case 0x0521:
            case 0x0A32:
            case 0x0F43:
            case 0x0B41:
            case 0x0940:
            case 0x041F:
            case 0x0419:
            case 0x0548:
            case 0x0228:
            case 0x061D:
                drawing = true;
                break;
            default:
                break;
        }
        if (drawing) {
            break;
        }
        at += static_cast<size_t>(words * 2);
    }
    const double sx = scale(true);
    const double sy = scale(false);
    const double x1 = (left - windowX) * sx - viewportX;
    const double x2 = (right - windowX) * sx - viewportX;
    const double y1 = (top - windowY) * sy - viewportY;
    const double y2 = (bottom - windowY) * sy - viewportY;
    if (!(std::abs(x2 - x1) > 0) || !(std::abs(y2 - y1) > 0) || !std::isfinite(x1 + x2 + y1 + y2)) {
        return std::nullopt;
    }
    PlaceableFrame frame{};
    frame.box.TL.x = static_cast<float>(std::min(x1, x2));
    frame.box.TL.y = static_cast<float>(std::min(y1, y2));
    frame.box.BR.x = static_cast<float>(std::max(x1, x2));
    frame.box.BR.y = static_cast<float>(std::max(y1, y2));
    frame.width =
        static_cast<unsigned int>(std::lround((right - left) * kScreenDpi / unitsPerInch));
    frame.height =
        static_cast<unsigned int>(std::lround((bottom - top) * kScreenDpi / unitsPerInch));
    return frame;
}

QString EmfConverterPath() {
    const QByteArray chosen = qgetenv("PIXORA_EMF2SVG");
    if (!chosen.isEmpty()) {
        return QString::fromLocal8Bit(chosen);
    }
    const QString name = QStringLiteral("pixora-emf2svg");
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programs.filePath(name),
          programs.filePath(QStringLiteral(PIXORA_BIN_TO_EMF2SVG "/") + name)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QDir::cleanPath(candidate);
        }
    }
    return QStringLiteral(PIXORA_EMF2SVG_INSTALLED);
}

std::optional<QByteArray> EmfToSvg(const QByteArray& emf) {
    QProcess converter;
    converter.setProgram(EmfConverterPath());
    converter.setStandardErrorFile(QProcess::nullDevice());
    const QDeadlineTimer deadline(kEmfConverterTimeoutMs);
    converter.start(QIODevice::ReadWrite);
    if (!converter.waitForStarted(static_cast<int>(deadline.remainingTime()))) {
        return std::nullopt;
    }
    converter.write(emf);
    converter.closeWriteChannel();
    QByteArray svg;
    for (;;) {
        const bool more = converter.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        svg += converter.readAllStandardOutput();
        if (svg.size() > kMaxSvgBytes) {
            break;
        }
        if (!more) {
            if (converter.state() != QProcess::NotRunning) {
                break;  // out of time, or the pipe failed
            }
            if (converter.exitStatus() != QProcess::NormalExit || converter.exitCode() != 0 ||
                svg.isEmpty()) {
                return std::nullopt;
            }
            return svg;
        }
    }
    converter.kill();
    converter.waitForFinished(1000);
    return std::nullopt;
}

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
    if (const std::optional<PlaceableFrame> frame = FramePlayedAs(bytes)) {
        box = frame->box;
        naturalWidth = frame->width;
        naturalHeight = frame->height;
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
    const std::optional<QByteArray> svg = EmfToSvg(bytes);
    if (!svg) {
        return std::nullopt;
    }
    QSvgRenderer renderer(*svg);
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
