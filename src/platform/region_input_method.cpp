// SPDX-License-Identifier: GPL-2.0-or-later
#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>

#include "platform/region_keyboard.h"

namespace pixora {

std::string KeyboardLocaleName() {
    // Without an input method plugin Qt reports the system locale here, already widened with a
    // guessed territory; only a locale the input method chose itself says more than the
    // environment does.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        const QLocale inputLocale = QGuiApplication::inputMethod()->locale();
        if (inputLocale != QLocale::system() && inputLocale.language() != QLocale::C) {
            return inputLocale.name().toStdString();
        }
    }
    return SystemLocaleName();
}

RegionResult KeyboardRegionCheck() {
    return KeyboardRegion(KeyboardLocaleName());
}

}  // namespace pixora
