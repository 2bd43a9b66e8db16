#include "core/strings.h"

#include <gtest/gtest.h>

namespace pixora {
namespace {

TEST(Strings, TrimmingKeepsInnerBlanks) {
    struct Case {
        const char* text;
        const char* blanks;
        const char* spaceTrimmed;
    } cases[] = {{"  a b \t", "a b", "a b"}, {"\t\t", "", ""}, {"", "", ""},
                 {"\r\nx\r\n", "\r\nx\r\n", "x"}, {"x", "x", "x"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TrimBlanks(c.text), c.blanks) << '"' << c.text << '"';
        EXPECT_EQ(TrimSpace(c.text), c.spaceTrimmed) << '"' << c.text << '"';
    }
    EXPECT_EQ(TrimBlanks("  12 ", " "), "12");
    EXPECT_EQ(TrimBlanks("\t12\t", " "), "\t12\t");
}

TEST(Strings, EqualsNoCaseComparesAsciiLetters) {
    EXPECT_TRUE(EqualsNoCase("Branding", "bRANDING"));
    EXPECT_FALSE(EqualsNoCase("Branding", "Brandings"));
    EXPECT_FALSE(EqualsNoCase("a", "b"));
    EXPECT_TRUE(EqualsNoCase("", ""));
}

}  // namespace
}  // namespace pixora
