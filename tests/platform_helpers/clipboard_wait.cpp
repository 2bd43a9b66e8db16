// SPDX-License-Identifier: GPL-2.0-or-later
// How long asking the desktop clipboard for a bitmap takes, the way the editor asks (Ctrl+V,
// opening the Edit menu, a tick of the clipboard monitor) and, with "qt", the way Qt alone asks.
// Run under X11 with a clipboard owner that does not answer to see the wait:
//
//   DISPLAY=:71 pixora_clipboard_wait [qt]

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdio>
#include <cstring>

#include "platform/qt_clipboard.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool qtAlone = argc > 1 && std::strcmp(argv[1], "qt") == 0;
    pixora::QtClipboard clipboard;
    for (int i = 1; i <= 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        bool bitmap = false;
        if (qtAlone) {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            bitmap = data != nullptr && data->hasImage();
        } else {
            bitmap = clipboard.HasBitmap();
        }
        std::printf("%s ask %d: %s after %lld ms\n", qtAlone ? "qt" : "pixora", i,
                    bitmap ? "bitmap" : "no bitmap", static_cast<long long>(clock.elapsed()));
    }
    return 0;
}
