// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/raster_image.h"
#include "platform/x11_clipboard_probe.h"

namespace pixora {

namespace {

QClipboard* SystemClipboard() {
    return QGuiApplication::instance() != nullptr ? QGuiApplication::clipboard() : nullptr;
}

// A pasted bitmap this large is surely not meant for a 72 x 28 picture and would only cost
// memory; it is refused like a clipboard without a bitmap.
constexpr qint64 MaxClipboardPixels = 64LL * 1024 * 1024;

}  // namespace

QtClipboard::QtClipboard() = default;

QtClipboard::~QtClipboard() = default;

bool QtClipboard::OwnerAnswers() {
    // Only the X11 clipboard asks the owner while the window waits; the clipboard this program
    // holds itself is answered without asking anybody.
    QClipboard* clipboard = SystemClipboard();
    if (QGuiApplication::platformName() != "xcb" || clipboard->ownsClipboard()) {
        return true;
    }
    if (!probe_) {
        probe_ = std::make_unique<X11ClipboardProbe>();
    }
    if (!watching_) {
        watching_ = true;
        QObject::connect(clipboard, &QClipboard::changed, &watcher_, [this](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard && probe_) {
                probe_->Forget();
            }
        });
    }
    // Without a display of our own to ask, Qt is asked as before.
    return probe_->Probe(OwnerTimeout) != ClipboardOwner::Silent;
}

bool QtClipboard::HasBitmap() {
    QClipboard* clipboard = SystemClipboard();
    if (clipboard == nullptr || !OwnerAnswers()) {
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
