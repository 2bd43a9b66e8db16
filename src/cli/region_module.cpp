// SPDX-License-Identifier: GPL-2.0-or-later
// The region module: the keyboard region with its dialling code from libphonenumber, handed out to
// pixora-cli. It needs no Qt library at all, so loading it costs only libphonenumber.
#include "cli/qt_modules.h"
#include "platform/region_keyboard.h"

extern "C" __attribute__((visibility("default"))) void PixoraCliKeyboardRegion(
    pixora::RegionResult* out) {
    *out = pixora::KeyboardRegion(pixora::SystemLocaleName());
}
