// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/output_checks.h"

#include <cstdint>

#include "core/settings_keys.h"
#include "core/translate.h"

namespace pixora {

bool ConfirmNotEmpty(const PictureGrid& picture, SettingsStore& settings, UserInterface& ui) {
    if (ReadInt(settings, keys::WarnIfEmpty) != 1) {
        return true;
    }
    int16_t sum = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            sum = static_cast<int16_t>(sum + picture.At(x, y));
        }
    }
    if (sum != 0) {
        return true;
    }
    return ui.MessageBox(
               TranslateText("Output",
                             "The graphic is empty.\r\n\r\nDo you want to continue anyway?"),
               "Pixora", MessageIcon::Question, MessageButtons::YesNo) != AnswerNo;
}

}  // namespace pixora
