// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/translate.h"

namespace pixora {

namespace {
TextTranslator installed = nullptr;
}

void SetTextTranslator(TextTranslator translator) {
    installed = translator;
}

std::string TranslateText(const char* context, const char* source) {
    if (installed == nullptr || source == nullptr || *source == '\0') {
        return source == nullptr ? std::string() : std::string(source);
    }
    return installed(context, source);
}

std::string WithArgs(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace pixora
