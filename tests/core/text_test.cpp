// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/text.h"

#include <gtest/gtest.h>

namespace pixora {
namespace {

TEST(CharsLeftReadout, SpacesFollowTheCountsWidth) {
    struct Case {
        int length;
        const char* expected;
    } cases[] = {{0, "121  "},   {21, "100  "},  {22, "99   "},  {111, "10   "},
                 {112, "9    "}, {121, "0    "}, {125, "-4    "}};
    for (const auto& c : cases) {
        EXPECT_EQ(CharsLeftReadout(c.length), c.expected) << c.length;
    }
}

TEST(AllowedTextChars, AcceptsThePhoneFontAndRejectsTheRest) {
    for (char32_t ch : std::u32string(U"aZ09 Ä€ß£$¥¤§¡¿\"~\\%*#+<=>&")) {
        EXPECT_TRUE(IsAllowedTextChar(ch)) << static_cast<uint32_t>(ch);
    }
    for (char32_t ch : std::u32string(U"[]{}|^`\r\n\t\x7f€\u0153\u201cŠ")) {
        if (ch == U'€') {
            continue;
        }
        EXPECT_FALSE(IsAllowedTextChar(ch)) << static_cast<uint32_t>(ch);
    }
    EXPECT_EQ(FilterMessageText(U"Hi [there]\r\n{ok}€"), U"Hi thereok€");
}

TEST(Cp1252, EveryByteRoundTripsAndTheEuroIs128) {
    for (int b = 0; b < 256; ++b) {
        const char32_t ch = Cp1252ToUnicode(static_cast<unsigned char>(b));
        ASSERT_TRUE(UnicodeToCp1252(ch).has_value()) << b;
        EXPECT_EQ(*UnicodeToCp1252(ch), b);
    }
    EXPECT_EQ(Cp1252ToUnicode(128), U'\u20AC');
    EXPECT_EQ(EncodeCp1252(U"Ä€\u4e2d"), std::string("\xC4\x80?"));
    EXPECT_EQ(DecodeCp1252("\xE9\x9F"), U"é\u0178");
}

TEST(PhoneCharTable, MapsTheCodePage437Umlauts) {
    const auto& table = PhoneCharTable();
    EXPECT_EQ(table[0], PhoneCharEntry(142, 0xC4));
    EXPECT_EQ(table[6], PhoneCharEntry(225, 0xDF));
    EXPECT_EQ(table[9], PhoneCharEntry(130, 0xE9));
    EXPECT_EQ(table[10], PhoneCharEntry(0, 0));
}

}  // namespace
}  // namespace pixora
