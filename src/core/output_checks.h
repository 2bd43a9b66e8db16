// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The questions asked before the picture leaves the editor (copy, save, export, send).

#include "core/picture.h"
#include "core/settings.h"
#include "core/user_interface.h"

namespace pixora {

// With "WarnIfEmpty" on, an empty picture asks whether to go on; true means go on.
bool ConfirmNotEmpty(const PictureGrid& picture, SettingsStore& settings, UserInterface& ui);
// Every output but the web send goes through this.
inline bool CheckBeforeOutput(const PictureGrid& picture, SettingsStore& settings,
                              UserInterface& ui) {
    return ConfirmNotEmpty(picture, settings, ui);
}

}  // namespace pixora
