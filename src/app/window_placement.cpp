// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/settings_keys.h"

namespace pixora {

namespace {

QRect AvailableScreen() {
    return QGuiApplication::primaryScreen() != nullptr
               ? QGuiApplication::primaryScreen()->availableGeometry()
               : QRect(0, 0, 1024, 768);
}

// The frame's top-left (relative to the screen) that keeps a frame of this size on the screen:
// pulled back from the right and bottom edges first, then from the left and top ones.
QPoint FrameOnScreen(double left, double top, const QSize& frame, const QRect& screen) {
    if (screen.width() - frame.width() < left) {
        left = screen.width() - frame.width();
    }
    if (screen.height() - frame.height() < top) {
        top = screen.height() - frame.height();
    }
    if (left < 0) {
        left = 0;
    }
    if (top < 0) {
        top = 0;
    }
    return QPoint(screen.left() + static_cast<int>(std::lround(left)),
                  screen.top() + static_cast<int>(std::lround(top)));
}

}  // namespace

void PlaceFromSettings(QWidget& window, SettingsStore& settings) {
    const QRect screen = AvailableScreen();
    const double leftTwips = ReadCoordinate(settings, keys::Left);
    const double topTwips = ReadCoordinate(settings, keys::Top);
    // Huge stored values are clamped before conversion so they cannot overflow an int.
    const double left = std::clamp(leftTwips / TwipsPerPixel, -1e6, 1e6);
    const double top = std::clamp(topTwips / TwipsPerPixel, -1e6, 1e6);
    // The frame is not known before the window shows; KeepFrameOnScreen corrects it then.
    window.move(
        FrameOnScreen(left, top, window.frameGeometry().size().expandedTo(window.size()), screen));
}

void KeepFrameOnScreen(QWidget& window) {
    // The position is that of the frame, so the title bar and the borders count too: a window
    // placed by its inner size alone would hang its bottom edge below the screen.
    const QRect screen = AvailableScreen();
    const QRect frame = window.frameGeometry();
    const QPoint place = FrameOnScreen(frame.left() - screen.left(), frame.top() - screen.top(),
                                       frame.size(), screen);
    if (place != frame.topLeft()) {
        window.move(place);
    }
}

void SavePosition(const QWidget& window, SettingsStore& settings) {
    settings.Write(keys::Left.section, keys::Left.key,
                   std::to_string(std::lround(window.x() * TwipsPerPixel)));
    settings.Write(keys::Top.section, keys::Top.key,
                   std::to_string(std::lround(window.y() * TwipsPerPixel)));
}

}  // namespace pixora
