// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/branding.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace pixora {
namespace {

using namespace std::string_literals;

struct ValueCase {
    std::string file;
    const char* section;
    const char* key;
    std::string value;
};

TEST(ReadBrandingValueTest, FindsTrimmedValuesInAnyCase) {
    const std::string longValue(200, 'x');
    const ValueCase cases[] = {
        {"[Branding]\r\nMedia= abc \r\n", "Branding", "Media", "abc"},
        {"[branding]\nmedia=abc", "Branding", "Media", "abc"},
        {"[ BRANDING ]\n  MEDIA\t=\tabc\t", "Branding", "Media", "abc"},
        {"[Branding]\rMedia=abc\rX=1", "Branding", "X", "1"},
        {"\xEF\xBB\xBF[Branding]\nMedia=abc", "Branding", "Media", "abc"},
        {"[Other]\nMedia=abc\n", "Branding", "Media", ""},
        {"Media=abc\n[Branding]\n", "Branding", "Media", ""},
        {"[Branding]\nMedia=abc\n[Other]\nMedia=def", "Other", "Media", "def"},
        {"[Branding]\nMedia=first\nMedia=second", "Branding", "Media", "first"},
        {"[Branding]\n;Media=commented\nMedia=real", "Branding", "Media", "real"},
        {"[Branding]\nMediaX=abc\nMedia", "Branding", "Media", ""},
        {"[Branding]\nMedia=a=b", "Branding", "Media", "a=b"},
        {"[Branding]\nMedia=", "Branding", "Media", ""},
        {"[Branding\nMedia=abc", "Branding", "Media", ""},
        {"[Branding]\nMedia=" + longValue, "Branding", "Media", longValue.substr(0, 144)},
        {"[Branding]\nMedia=" + std::string(143, 'y') + "   z", "Branding", "Media",
         std::string(143, 'y')},
        {"", "Branding", "Media", ""},
        {"[Branding]\nMe\0dia=abc\nMedia=x\0y"s, "Branding", "Media", "x\0y"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBrandingValue(c.file, c.section, c.key), c.value) << c.file;
    }
}

TEST(PlanBrandingTest, SwitchesAndPositions) {
    struct Case {
        std::string file;
        bool hideSms;
        std::optional<bool> showWeb;
        std::string picture;
        std::optional<int> x;
        std::optional<int> y;
        std::string media;
    };
    const Case cases[] = {
        {"", false, std::nullopt, "", std::nullopt, std::nullopt, ""},
        {"[Branding]\nSendViaSMS=no", true, std::nullopt, "", std::nullopt, std::nullopt, ""},
        {"[Branding]\nSendViaSMS=No way", false, std::nullopt, "", std::nullopt, std::nullopt, ""},
        {"[Branding]\nSendViaInternet=YES", false, true, "", std::nullopt, std::nullopt, ""},
        {"[Branding]\nSendViaInternet=no", false, false, "", std::nullopt, std::nullopt, ""},
        {"[Branding]\nSendViaInternet=maybe", false, std::nullopt, "", std::nullopt, std::nullopt,
         ""},
        {"[Branding]\nBackgroundPic=logo.bmp\nBackgroundPicX=10\nBackgroundPicY=-20", false,
         std::nullopt, "/opt/pixora/logo.bmp", 10, -20, ""},
        {"[Branding]\nBackgroundPic=logo.bmp\nBackgroundPicX=10", false, std::nullopt,
         "/opt/pixora/logo.bmp", std::nullopt, std::nullopt, ""},
        {"[Branding]\nBackgroundPic=logo.bmp\nBackgroundPicX=ten\nBackgroundPicY=5", false,
         std::nullopt, "/opt/pixora/logo.bmp", std::nullopt, std::nullopt, ""},
        {"[Branding]\nBackgroundPic=logo.bmp\nBackgroundPicX=1e3\nBackgroundPicY=5", false,
         std::nullopt, "/opt/pixora/logo.bmp", std::nullopt, std::nullopt, ""},
        {"[Branding]\nBackgroundPic=logo.bmp\nBackgroundPicX=99999\nBackgroundPicY=5", false,
         std::nullopt, "/opt/pixora/logo.bmp", std::nullopt, std::nullopt, ""},
        {"[Branding]\nBackgroundPicX=10\nBackgroundPicY=5", false, std::nullopt, "", std::nullopt,
         std::nullopt, ""},
        {"[Branding]\nMedia= abc ", false, std::nullopt, "", std::nullopt, std::nullopt, "abc"},
    };
    for (const auto& c : cases) {
        const BrandingPlan plan = PlanBranding(c.file, "/opt/pixora");
        EXPECT_EQ(plan.hideSmsSend, c.hideSms) << c.file;
        EXPECT_EQ(plan.showWebCommands, c.showWeb) << c.file;
        EXPECT_EQ(plan.backgroundPicPath, c.picture) << c.file;
        EXPECT_EQ(plan.backgroundPicX, c.x) << c.file;
        EXPECT_EQ(plan.backgroundPicY, c.y) << c.file;
        EXPECT_EQ(plan.media, c.media) << c.file;
    }
}

TEST(PlanBrandingTest, BrandingOverridesTheRegion) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"", true, true},
        {"", false, false},
        {"[Branding]\nSendViaInternet=YES", false, true},
        {"[Branding]\nSendViaInternet=NO", true, false},
        {"[Branding]\nSendViaInternet=", true, true},
    };
    for (const auto& [file, region, visible] : cases) {
        EXPECT_EQ(WebCommandsVisible(region, PlanBranding(file, "/p/")), visible) << file;
    }
}

TEST(PlanBrandingTest, FolderGetsOneSeparator) {
    EXPECT_EQ(PlanBranding("[Branding]\nBackgroundPic=a.gif", "/p/").backgroundPicPath, "/p/a.gif");
    EXPECT_EQ(PlanBranding("[Branding]\nBackgroundPic=a.gif", "/p").backgroundPicPath, "/p/a.gif");
}

}  // namespace
}  // namespace pixora
