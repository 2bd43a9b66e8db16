#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/raster_image.h"

namespace pixora {

namespace {

QClipboard* SystemClipboard() {
    return QGuiApplication::instance() != nullptr ? QGuiApplication::clipboard() : nullptr;
}

// A pasted bitmap this large is surely not meant for a 72 x 28 picture and would only cost
// memory; it is refused like a clipboard without a bitmap.
constexpr qint64 MaxClipboardPixels = 64LL * 1024 * 1024;

}  // namespace

bool QtClipboard::HasBitmap() {
    QClipboard* clipboard = SystemClipboard();
    if (clipboard == nullptr) {
        return false;
    }
    const QMimeData* data = clipboard->mimeData();
    return data != nullptr && data->hasImage();
}

std::optional<Raster> QtClipboard::ReadBitmap() {
    if (!HasBitmap()) {
        return std::nullopt;
    }
    const QImage image = SystemClipboard()->image();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0 ||
        static_cast<qint64>(image.width()) * image.height() > MaxClipboardPixels) {
        return std::nullopt;
    }
    return RasterFromImage(image);
}

bool QtClipboard::WriteBitmap(const Raster& bitmap) {
    QClipboard* clipboard = SystemClipboard();
    if (clipboard == nullptr || bitmap.Empty()) {
        return false;
    }
    clipboard->setImage(ImageFromRaster(bitmap));
    return true;
}

void QtClipboard::Clear() {
    if (QClipboard* clipboard = SystemClipboard()) {
        clipboard->clear();
    }
}

}  // namespace pixora
