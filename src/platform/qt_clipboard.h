// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The desktop clipboard, bitmaps only.

#include <QObject>
#include <chrono>
#include <memory>

#include "core/clipboard.h"

namespace pixora {

class X11ClipboardProbe;

class QtClipboard : public Clipboard {
public:
    QtClipboard();
    ~QtClipboard() override;

    bool HasBitmap() override;
    std::optional<Raster> ReadBitmap() override;
    bool WriteBitmap(const Raster& bitmap) override;
    void Clear() override;

    // How long a clipboard owner may take to say what it holds before it counts as holding no
    // bitmap.
    static constexpr std::chrono::milliseconds OwnerTimeout{1000};

private:
    // False when another program holds the clipboard and does not answer.
    bool OwnerAnswers();

    std::unique_ptr<X11ClipboardProbe> probe_;
    // Receives the clipboard's change notices for as long as this object lives.
    QObject watcher_;
    bool watching_ = false;
};

}  // namespace pixora
