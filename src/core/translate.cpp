// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/translate.h"

namespace pixora {

namespace {
TextTranslator installed = nullptr;
}

void SetTextTranslator(TextTranslator translator) { installed = translator; }

std::string TranslateText(const char* context, const char* source) {
    if (installed == nullptr || source == nullptr || *source == '\0') {
        return source == nullptr ? std::string() : std::string(source);
    }
    return installed(context, source);
}

}  // namespace pixora
