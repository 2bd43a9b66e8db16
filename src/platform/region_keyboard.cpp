// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/region_keyboard.h"

#include <phonenumbers/phonenumberutil.h>

#include <cctype>
#include <cstdlib>

namespace pixora {

std::string DiallingCodeForTerritory(std::string_view territory) {
    // libphonenumber knows two-letter region codes only; anything else would just cost it a log
    // line and give 0.
    if (territory.size() != 2 || !std::isalpha(static_cast<unsigned char>(territory[0])) ||
        !std::isalpha(static_cast<unsigned char>(territory[1]))) {
        return {};
    }
    std::string region(territory);
    for (char& ch : region) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    const int code =
        i18n::phonenumbers::PhoneNumberUtil::GetInstance()->GetCountryCodeForRegion(region);
    return code > 0 ? std::to_string(code) : std::string();
}

std::string SystemLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

RegionResult KeyboardRegion(std::string_view localeName) {
    return RegionCheck(WindowsLanguageCode(localeName),
                       DiallingCodeForTerritory(LocaleTerritory(localeName)));
}

}  // namespace pixora
