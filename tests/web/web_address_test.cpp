// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/web_address.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace pixora {
namespace {

const std::string Host = std::string("http://") + WebServiceHost;
const std::string EmptyData = "00481C01" + std::string(504, '0');

WebContext Context(std::string cc = "49", std::string media = "") {
    WebContext context;
    context.versionCode = VersionCode(1, 0, 3);
    context.keyboardCountryCode = std::move(cc);
    context.media = std::move(media);
    return context;
}

struct EncodeCase {
    std::u32string text;
    std::string encoded;
};

TEST(UrlEncodeTest, EncodesTextAsWindows1252) {
    const EncodeCase cases[] = {
        {U"", ""},
        {U"Hi there!", "Hi+there%21"},
        {U"0|0", "0%7C0"},
        {U"a.b-c", "a%2Eb%2Dc"},
        {U"_~*", "%5F%7E%2A"},
        {U"\n\t", "%0A%09"},
        {U"  ", "++"},
        {U"\u00e9\u00df\u00ff", "%E9%DF%FF"},
        {U"\u20ac", "%80"},  // the euro sign sits at 0x80 in Windows-1252
        {U"%+", "%25%2B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlEncode(std::u32string_view(c.text)), c.encoded);
    }
}

TEST(UrlEncodeTest, OnlyDigitsAndAsciiLettersPassUnchanged) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string in(1, static_cast<char>(byte));
        const std::string out = UrlEncode(std::string_view(in));
        const bool safe = std::isalnum(byte) && byte < 128;
        if (byte == ' ') {
            EXPECT_EQ(out, "+");
        } else if (safe) {
            EXPECT_EQ(out, in) << byte;
        } else {
            char expected[4];
            std::snprintf(expected, sizeof expected, "%%%02X", byte);
            EXPECT_EQ(out, expected) << byte;
        }
    }
}

TEST(VersionCodeTest, PadsEachPart) {
    EXPECT_EQ(VersionCode(1, 0, 3), "0100003");
    EXPECT_EQ(VersionCode(12, 34, 567), "1234567");
    EXPECT_EQ(VersionCode(2, 5, 40), "0205040");
    EXPECT_EQ(VersionCode(1, 0, 1234), "01001234");
    EXPECT_EQ(VersionCode(-1, 0, 0), "0000000");
}

TEST(MediaCodeTest, QuotesSpacesAndMarkupAreEncoded) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "abc"},
        {"a-b.c_d~9", "a-b.c_d~9"},
        {"a b", "a%20b"},
        {"x\"y", "x%22y"},
        {"<&>", "%3C%26%3E"},
        {"50%", "50%25"},
        {"a=b?c#d", "a%3Db%3Fc%23d"},
        {"\xe4", "%E4"},
    };
    for (const auto& [raw, encoded] : cases) {
        EXPECT_EQ(EncodeMediaCode(raw), encoded) << raw;
    }
    EXPECT_EQ(MediaParameter(""), "");
    EXPECT_EQ(MediaQuery(""), "");
    EXPECT_EQ(MediaParameter("abc"), "&media=abc");
    EXPECT_EQ(MediaQuery("a b"), "?media=a%20b");
}

TEST(WebSendAddressTest, DataIsTheBitmapRowsMostSignificantBitFirst) {
    PictureGrid picture;
    picture.Set(0, 0, 1);    // first byte of the first row: 80
    picture.Set(15, 0, 1);   // second byte, last bit: 01
    picture.Set(8, 1, 1);    // second row, second byte: 80
    picture.Set(71, 27, 1);  // very last bit: 01
    picture.Set(20, 5, 2);   // anything but 1 is clear
    const std::string address = WebSendAddress(Context(), picture, U"", "0|0");
    const std::string prefix = Host + "/wireless/sendsms.phtml?data=00481C01";
    ASSERT_EQ(address.rfind(prefix, 0), 0u);
    const std::string rows = address.substr(prefix.size(), 504);
    EXPECT_EQ(rows.substr(0, 4), "8001");
    EXPECT_EQ(rows.substr(18, 4), "0080");
    EXPECT_EQ(rows.substr(502, 2), "01");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '0'), 504 - 4);
    EXPECT_EQ(address.substr(prefix.size() + 504, 6), "&mode=");
}

TEST(WebSendAddressTest, JoinsThePiecesInOrder) {
    const PictureGrid picture;
    const std::string head = Host + "/wireless/sendsms.phtml?data=" + EmptyData +
                             "&mode=send&app=kdx&ver=0100003&stats=0%7C0";
    struct Case {
        std::string cc;
        std::string media;
        std::u32string text;
        std::string tail;
    };
    const Case cases[] = {
        {"49", "", U"Hi there!", "&cc=49&text=Hi+there%21"},
        {"49", "", U"", "&cc=49"},
        {"", "", U"", "&cc="},
        {"", "abc", U"", "&cc=&media=abc"},
        {"41", "abc", U"x", "&cc=41&media=abc&text=x"},
        {"43", "a\"b", U"", "&cc=43&media=a%22b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WebSendAddress(Context(c.cc, c.media), picture, c.text, "0|0"), head + c.tail);
    }
}

TEST(OtherSendAddressTest, MapsIndexesToModes) {
    const std::string base = Host + "/wireless/sendsms.phtml?app=kdx&ver=0100003&mode=";
    // The numbers are the menu's item indexes, which the names must keep.
    const std::pair<int, std::string> known[] = {
        {0, "flash"}, {1, "blink"}, {2, "long"}, {3, "special"}, {9, "partner"}};
    for (const auto& [index, mode] : known) {
        EXPECT_EQ(OtherSendAddress(Context(), OtherSend{index}), base + mode);
        EXPECT_EQ(OtherSendAddress(Context("49", "abc"), OtherSend{index}),
                  base + mode + "&media=abc");
    }
    for (int index : {-1, 4, 5, 8, 10, 32767}) {
        EXPECT_EQ(OtherSendAddress(Context(), OtherSend{index}), "") << index;
    }
}

TEST(WebPageAddressTest, PlainPagesCarryOnlyTheMediaQuery) {
    const std::pair<WebPage, std::string> pages[] = {
        {WebPage::Index, "/wireless/index.phtml"},
        {WebPage::Faq, "/wireless/faq.phtml"},
        {WebPage::Newsletter, "/wireless/newsletter.phtml"},
        {WebPage::Samples, "/wireless/samples.phtml"},
    };
    for (const auto& [page, path] : pages) {
        EXPECT_EQ(WebPageAddress(Context(), page), Host + path);
        EXPECT_EQ(WebPageAddress(Context("49", "abc"), page), Host + path + "?media=abc");
    }
}

TEST(UpdateCheckAddressTest, ReportsCountersAndCountry) {
    const std::string base = Host + "/wireless/update.phtml?app=kdx&ver=0100003&stats=2%7C1&cc=";
    EXPECT_EQ(UpdateCheckAddress(Context("49"), "2|1"), base + "49");
    EXPECT_EQ(UpdateCheckAddress(Context(""), "2|1"), base);
    EXPECT_EQ(UpdateCheckAddress(Context("", "abc"), "2|1"), base + "&media=abc");
}

TEST(RedirectPageTest, CarriesTheAddressTwiceUnchanged) {
    const std::string address = Host + "/wireless/sendsms.phtml?data=00&mode=send&text=a+b%21";
    const std::string page = RedirectPage(address);
    EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>Brellow - SKYRELAY</TITLE><!--", 0), 0u);
    EXPECT_NE(page.find("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"0; URL=" + address +
                        "\"></HEAD><BODY BGCOLOR=\"#FFFFFF\""),
              std::string::npos);
    EXPECT_NE(page.find("click <A HREF=\"" + address + "\">here</A> for manual start."),
              std::string::npos);
    EXPECT_NE(page.find("<A HREF=\"http://" + std::string(WebServiceHost) + "/wireless/\">"),
              std::string::npos);
    EXPECT_EQ(page.size() - page.rfind("</FONT></FONT></BODY></HTML>"), 28u);
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    for (unsigned char ch : page) {
        EXPECT_LT(ch, 128u);  // the fixed text is plain ASCII, valid Windows-1252
    }
}

TEST(RedirectPageTest, HostileMediaCannotBreakOutOfTheAttribute) {
    const PictureGrid picture;
    const std::string plain =
        RedirectPage(WebSendAddress(Context("49", "abc"), picture, U"", "0|0"));
    const std::string hostile = RedirectPage(
        WebSendAddress(Context("49", "x\" onload=\"alert(1)<b>&"), picture, U"", "0|0"));
    EXPECT_EQ(std::count(hostile.begin(), hostile.end(), '"'),
              std::count(plain.begin(), plain.end(), '"'));
    EXPECT_EQ(std::count(hostile.begin(), hostile.end(), '<'),
              std::count(plain.begin(), plain.end(), '<'));
}

}  // namespace
}  // namespace pixora
