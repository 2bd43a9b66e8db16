// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/strings.h"

#include <gtest/gtest.h>

#include <string>

namespace pixora {
namespace {

TEST(Strings, TrimmingKeepsInnerBlanks) {
    struct Case {
        const char* text;
        const char* blanks;
        const char* spaceTrimmed;
    } cases[] = {{"  a b \t", "a b", "a b"},
                 {"\t\t", "", ""},
                 {"", "", ""},
                 {"\r\nx\r\n", "\r\nx\r\n", "x"},
                 {"x", "x", "x"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TrimBlanks(c.text), c.blanks) << '"' << c.text << '"';
        EXPECT_EQ(TrimSpace(c.text), c.spaceTrimmed) << '"' << c.text << '"';
    }
    EXPECT_EQ(TrimBlanks("  12 ", " "), "12");
    EXPECT_EQ(TrimBlanks("\t12\t", " "), "\t12\t");
}

TEST(Strings, DigitsOnlyDropsEverythingElse) {
    EXPECT_EQ(DigitsOnly("+49 171 000"), "49171000");
    EXPECT_EQ(DigitsOnly("(0171) 23-45/6"), "017123456");
    EXPECT_EQ(DigitsOnly("abc"), "");
    EXPECT_EQ(DigitsOnly("\xd9\xa3"), "");  // Arabic-Indic digit three is no ASCII digit
}

TEST(Strings, EqualsNoCaseComparesAsciiLetters) {
    EXPECT_TRUE(EqualsNoCase("Branding", "bRANDING"));
    EXPECT_FALSE(EqualsNoCase("Branding", "Brandings"));
    EXPECT_FALSE(EqualsNoCase("a", "b"));
    EXPECT_TRUE(EqualsNoCase("", ""));
}

TEST(Strings, QuotedNameShowsEveryByteHarmlessly) {
    struct Case {
        std::string name;
        const char* quoted;
    } cases[] = {
        {"/home/ada/pic.npm", R"("/home/ada/pic.npm")"},
        {"", R"("")"},
        {"say \"hi\"\\", R"("say \"hi\"\\")"},
        {"a\nb\rc\td", R"("a\nb\rc\td")"},
        {"\x1b[31mred\x1b[0m.npm", R"("\x1b[31mred\x1b[0m.npm")"},
        {std::string("nul\0x", 5), R"("nul\x00x")"},
        {"del\x7f", R"("del\x7f")"},
        {"Grüße €.npm", "\"Grüße €.npm\""},
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
        // C1 controls: CSI alone starts an escape sequence on some terminals.
        {"\xc2\x9b"
         "2J",
         R"("\u009b2J")"},
        // Right-to-left override: "gpj.npm" would read as "mpn.jpg".
        {"x\xe2\x80\xaegpj.npm", R"("x\u202egpj.npm")"},
        // Bytes that are no UTF-8: a lone CSI, a cut sequence, an overlong "/", a surrogate.
        {"\x9b"
         "2J",
         R"("\x9b2J")"},
        {"\xc3", R"("\xc3")"},
        {"\xe2\x82", R"("\xe2\x82")"},
        {"\xc0\xaf", R"("\xc0\xaf")"},
        {"\xed\xa0\x80", R"("\xed\xa0\x80")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedName(c.name), c.quoted) << c.quoted;
    }
}

}  // namespace
}  // namespace pixora
