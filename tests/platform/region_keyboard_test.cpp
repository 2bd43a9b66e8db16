// SPDX-License-Identifier: GPL-2.0-or-later
// The region of the web commands from real locale names, with the dialling codes looked up in
// libphonenumber.
#include "platform/region_keyboard.h"
#include "platform/test_application.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <array>
#include <string>

namespace pixora {
namespace {

TEST(DiallingCodeTest, TerritoriesThroughLibphonenumber) {
    struct Case {
        const char* territory;
        const char* code;
    };
    const Case cases[] = {
        {"DE", "49"},  {"CH", "41"}, {"AT", "43"}, {"US", "1"}, {"GB", "44"},
        {"LI", "423"}, {"de", "49"}, {"ch", "41"}, {"", ""},    {"XX", ""},
        {"419", ""},   {"D", ""},    {"DEU", ""},  {"1A", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DiallingCodeForTerritory(c.territory), c.code) << c.territory;
    }
}

TEST(KeyboardRegionTest, LocaleNamesDecideTheWebCommands) {
    struct Case {
        const char* locale;
        bool offered;
        const char* countryCode;
    };
    const Case cases[] = {
        {"de_DE", true, "49"},
        {"de_CH", true, "41"},
        {"de_AT", true, "43"},
        {"de_DE.UTF-8", true, "49"},
        {"de-AT", true, "43"},
        {"en_US", false, "1"},
        {"en_US.UTF-8", false, "1"},
        // No territory: no dialling code, and the neutral German identifier is none of the three.
        {"de", false, ""},
        {"de.UTF-8", false, ""},
        // Other languages of the three countries count through the dialling code alone.
        {"fr_CH.UTF-8", true, "41"},
        {"it_CH", true, "41"},
        {"en_DE", true, "49"},
        {"tr_DE@euro", true, "49"},
        {"de_LU", false, "352"},
        {"fr_FR", false, "33"},
        {"es_419", false, ""},
        {"C", false, ""},
        {"POSIX", false, ""},
        {"C.UTF-8", false, ""},
        {"", false, ""},
        {"_", false, ""},
        {"@@..", false, ""},
    };
    for (const Case& c : cases) {
        const RegionResult region = KeyboardRegion(c.locale);
        EXPECT_EQ(region.webCommandsOffered, c.offered) << c.locale;
        EXPECT_EQ(region.keyboardCountryCode, c.countryCode) << c.locale;
    }
}

// Sets the locale variables for one test and puts them back afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment() {
        for (size_t i = 0; i < Names.size(); ++i) {
            saved_[i] = qgetenv(Names[i]);
            qunsetenv(Names[i]);
        }
    }
    ~LocaleEnvironment() {
        for (size_t i = 0; i < Names.size(); ++i) {
            if (saved_[i].isNull()) {
                qunsetenv(Names[i]);
            } else {
                qputenv(Names[i], saved_[i]);
            }
        }
    }
    static constexpr std::array<const char*, 3> Names = {"LC_ALL", "LC_MESSAGES", "LANG"};

private:
    std::array<QByteArray, 3> saved_;
};

TEST(SystemLocaleNameTest, LcAllThenLcMessagesThenLang) {
    struct Case {
        const char* lcAll;  // nullptr: unset
        const char* lcMessages;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {"de_AT.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8", "de_AT.UTF-8"},
        {nullptr, "de_CH.UTF-8", "en_US.UTF-8", "de_CH.UTF-8"},
        {nullptr, nullptr, "de_DE.UTF-8", "de_DE.UTF-8"},
        {"", "", "de", "de"},
        {nullptr, nullptr, nullptr, "C"},
        {"", "", "", "C"},
    };
    for (const Case& c : cases) {
        LocaleEnvironment environment;
        if (c.lcAll)
            qputenv("LC_ALL", c.lcAll);
        if (c.lcMessages)
            qputenv("LC_MESSAGES", c.lcMessages);
        if (c.lang)
            qputenv("LANG", c.lang);
        EXPECT_EQ(SystemLocaleName(), c.expected);
        // Without a GUI application the keyboard's locale is the system's.
        EXPECT_EQ(KeyboardLocaleName(), c.expected);
    }
}

TEST(SystemLocaleNameTest, StartUpCheckFollowsTheEnvironment) {
    LocaleEnvironment environment;
    qputenv("LANG", "de_CH.UTF-8");
    RegionResult region = KeyboardRegionCheck();
    EXPECT_TRUE(region.webCommandsOffered);
    EXPECT_EQ(region.keyboardCountryCode, "41");
    qputenv("LC_ALL", "en_US.UTF-8");
    region = KeyboardRegionCheck();
    EXPECT_FALSE(region.webCommandsOffered);
    EXPECT_EQ(region.keyboardCountryCode, "1");
}

TEST(SystemLocaleNameTest, GuiWithoutInputMethodLocaleKeepsTheBareLanguage) {
    testing::EnsureTestApplication();
    LocaleEnvironment environment;
    // Qt would widen "de" to de_DE; the offscreen input method reports nothing of its own, so
    // the name stays as the user wrote it and no dialling code is made up.
    qputenv("LANG", "de");
    EXPECT_EQ(KeyboardLocaleName(), "de");
    EXPECT_EQ(KeyboardRegionCheck().keyboardCountryCode, "");
    qputenv("LC_ALL", "de_AT.UTF-8");
    EXPECT_EQ(KeyboardLocaleName(), "de_AT.UTF-8");
    EXPECT_EQ(KeyboardRegionCheck().keyboardCountryCode, "43");
}

}  // namespace
}  // namespace pixora
