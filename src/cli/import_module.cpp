// SPDX-License-Identifier: GPL-2.0-or-later
// The import module: the editor's picture loader, with a GUI application only for the one kind of
// file that needs one.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <memory>

#include "cli/qt_modules.h"
#include "platform/image_loader.h"

namespace {

// An enhanced metafile: record type 1 first and the " EMF" signature at byte 40, or its
// extension, which the loader falls back on. Its text is drawn through Qt's fonts, which need a
// GUI application; bitmaps, GIF, JPEG, icons and Windows metafiles decode without one, and
// starting even the offscreen platform costs more than their whole decode.
bool NeedsGuiApplication(const char* path) {
    const QString name = QString::fromUtf8(path);
    if (name.endsWith(".emf", Qt::CaseInsensitive)) {
        return true;
    }
    QFile file(name);
    // A FIFO would block this open; the loader itself refuses it with a reason.
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(44);
    return head.size() == 44 && head.startsWith(QByteArray("\x01\x00\x00\x00", 4)) &&
           head.mid(40, 4) == " EMF";
}

// Qt's own chatter (a missing runtime folder, font configuration) is no business of a script.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// A GUI application only for the one kind of file that needs one; it lives only for this one
// load: nothing else in the program uses it, and a Qt application torn down at exit after its
// plugins could crash.
std::unique_ptr<QGuiApplication> ApplicationFor(const char* path) {
    qInstallMessageHandler(QuietMessages);
    if (QCoreApplication::instance() != nullptr || !NeedsGuiApplication(path)) {
        return nullptr;
    }
    static int argc = 3;
    static char arg0[] = "pixora-cli";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool PixoraCliLoadPicture(
    const char* path, int maxWidth, int maxHeight, pixora::ImportedImage* out,
    pixora::ReadError* error) {
    const std::unique_ptr<QGuiApplication> app = ApplicationFor(path);
    std::optional<pixora::ImportedImage> image =
        pixora::LoadPictureFileForFit(path, maxWidth, maxHeight, error);
    if (!image || image->shrunk.Empty()) {
        return false;
    }
    *out = std::move(*image);
    return true;
}

extern "C" __attribute__((visibility("default"))) bool PixoraCliLoadWorkingCopy(
    const char* path, pixora::ImportWorkingCopy* out, pixora::ReadError* error) {
    const std::unique_ptr<QGuiApplication> app = ApplicationFor(path);
    // The thumbnail is the editor dialog's; a script needs none, so it is one pixel.
    std::optional<pixora::PreviewSource> source =
        pixora::LoadPictureFileForPreview(path, 1, 1, error);
    if (!source) {
        return false;
    }
    *out = std::move(source->copy);
    return true;
}
