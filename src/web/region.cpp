// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/region.h"

#include <array>
#include <cctype>
#include <cstdint>

#include "sms/ota_payload.h"

namespace pixora {

namespace {

struct LanguageEntry {
    const char* language;   // ISO 639 code, lower case
    const char* territory;  // ISO 3166 code, upper case
    uint16_t id;
};

// Windows language identifiers of the common locales. The low ten bits are the language, the
// rest the country variant; the first entry of each language also names its neutral identifier.
constexpr std::array<LanguageEntry, 62> LanguageTable = {{
    {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"de", "LU", 0x1007},
    {"de", "LI", 0x1407}, {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "AU", 0x0C09},
    {"en", "CA", 0x1009}, {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09},
    {"en", "IN", 0x4009}, {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C},
    {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"it", "IT", 0x0410}, {"it", "CH", 0x0810},
    {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A}, {"es", "AR", 0x2C0A}, {"nl", "NL", 0x0413},
    {"nl", "BE", 0x0813}, {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816}, {"sv", "SE", 0x041D},
    {"sv", "FI", 0x081D}, {"da", "DK", 0x0406}, {"nb", "NO", 0x0414}, {"nn", "NO", 0x0814},
    {"fi", "FI", 0x040B}, {"is", "IS", 0x040F}, {"pl", "PL", 0x0415}, {"cs", "CZ", 0x0405},
    {"sk", "SK", 0x041B}, {"hu", "HU", 0x040E}, {"ro", "RO", 0x0418}, {"sl", "SI", 0x0424},
    {"hr", "HR", 0x041A}, {"bg", "BG", 0x0402}, {"ru", "RU", 0x0419}, {"uk", "UA", 0x0422},
    {"el", "GR", 0x0408}, {"tr", "TR", 0x041F}, {"et", "EE", 0x0425}, {"lv", "LV", 0x0426},
    {"lt", "LT", 0x0427}, {"ca", "ES", 0x0403}, {"he", "IL", 0x040D}, {"ar", "SA", 0x0401},
    {"ar", "EG", 0x0C01}, {"ja", "JP", 0x0411}, {"ko", "KR", 0x0412}, {"zh", "CN", 0x0804},
    {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004}, {"th", "TH", 0x041E},
    {"vi", "VN", 0x042A}, {"id", "ID", 0x0421},
}};

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return out;
}

// Cuts "lang_TERR.codeset@modifier" (or "lang-Script-TERR") into language and territory.
void SplitLocale(std::string_view name, std::string& language, std::string& territory) {
    name = name.substr(0, name.find_first_of(".@"));
    language.clear();
    territory.clear();
    bool first = true;
    while (true) {
        const size_t sep = name.find_first_of("_-");
        const std::string_view part = name.substr(0, sep);
        if (first) {
            language = Lower(part);
            first = false;
        } else if (part.size() == 2 || part.size() == 3) {
            // A script subtag ("Latn") has four letters, a territory two letters or three digits.
            territory = Upper(part);
            return;
        }
        if (sep == std::string_view::npos) {
            return;
        }
        name.remove_prefix(sep + 1);
    }
}

}  // namespace

RegionResult RegionCheck(std::string_view languageCode, std::string_view countryCode) {
    RegionResult result;
    const std::string language = Upper(languageCode);
    result.keyboardCountryCode = Upper(countryCode);
    const std::string& country = result.keyboardCountryCode;
    result.webCommandsOffered = language == "0807" || language == "0407" || language == "0C07" ||
                                country == "43" || country == "49" || country == "41";
    return result;
}

std::string WindowsLanguageCode(std::string_view localeName) {
    std::string language;
    std::string territory;
    SplitLocale(localeName, language, territory);
    if (language.empty()) {
        return {};
    }
    const LanguageEntry* first = nullptr;
    for (const auto& entry : LanguageTable) {
        if (language != entry.language) {
            continue;
        }
        if (territory == entry.territory) {
            return HexWord(entry.id);
        }
        if (first == nullptr) {
            first = &entry;
        }
    }
    return first != nullptr ? HexWord(first->id & 0x03FF) : std::string();
}

std::string LocaleTerritory(std::string_view localeName) {
    std::string language;
    std::string territory;
    SplitLocale(localeName, language, territory);
    return territory;
}

}  // namespace pixora
