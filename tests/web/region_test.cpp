// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/region.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pixora {
namespace {

struct RegionCase {
    const char* language;
    const char* country;
    bool offered;
    const char* keptCountry;
};

TEST(RegionCheckTest, GermanSpeakingOrDialCodeOffersTheWeb) {
    const RegionCase cases[] = {
        {"0407", "49", true, "49"},    {"0807", "41", true, "41"},    {"0C07", "43", true, "43"},
        {"0c07", "", true, ""},        {"0407", "", true, ""},        {"0409", "1", false, "1"},
        {"0409", "49", true, "49"},    {"0409", "41", true, "41"},    {"0409", "43", true, "43"},
        {"040C", "33", false, "33"},   {"1007", "352", false, "352"}, {"0007", "", false, ""},
        {"", "", false, ""},           {"407", "4", false, "4"},      {"0409", "ab", false, "AB"},
        {"0409", "490", false, "490"},
    };
    for (const auto& c : cases) {
        const RegionResult result = RegionCheck(c.language, c.country);
        EXPECT_EQ(result.webCommandsOffered, c.offered) << c.language << "/" << c.country;
        EXPECT_EQ(result.keyboardCountryCode, c.keptCountry);
    }
}

TEST(LanguageCodeTest, MapsLocaleNamesToWindowsIdentifiers) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE", "0407"},       {"de-CH", "0807"},
        {"de_AT.UTF-8", "0C07"}, {"de_LU", "1007"},
        {"en_US", "0409"},       {"en_GB.utf8", "0809"},
        {"fr_BE@euro", "080C"},  {"es_ES", "0C0A"},
        {"zh-Hant-TW", "0404"},  {"DE_de", "0407"},
        {"de", "0007"},          {"de_BE", "0007"},
        {"en", "0009"},          {"es_419", "000A"},
        {"nn_NO", "0814"},       {"C", ""},
        {"POSIX", ""},           {"", ""},
        {"xx_DE", ""},           {"_DE", ""},
        {"de_", "0007"},
    };
    for (const auto& [locale, code] : cases) {
        EXPECT_EQ(WindowsLanguageCode(locale), code) << locale;
    }
}

TEST(LanguageCodeTest, TerritoryIsFoundPastTheScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "DE"}, {"de", ""}, {"zh_Hant_TW", "TW"}, {"sr-Latn", ""},
        {"es-419", "419"},     {"", ""},   {"en_us@x", "US"},
    };
    for (const auto& [locale, territory] : cases) {
        EXPECT_EQ(LocaleTerritory(locale), territory) << locale;
    }
}

TEST(RegionCheckTest, LocalesEndToEnd) {
    // The platform finds the dialling code for the territory; here it is written out.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"de_DE", "49", true}, {"de_CH", "41", true}, {"de_AT", "43", true},
        {"fr_CH", "41", true}, {"en_US", "1", false}, {"de", "", false},
    };
    for (const auto& [locale, dial, offered] : cases) {
        EXPECT_EQ(RegionCheck(WindowsLanguageCode(locale), dial).webCommandsOffered, offered)
            << locale;
    }
}

}  // namespace
}  // namespace pixora
