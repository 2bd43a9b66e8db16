// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/phone_numbers.h"

#include <gtest/gtest.h>

namespace pixora {
namespace {

TEST(PhoneNumbers, ExampleNumberTakesThreeDigitsAfterTheZeros) {
    struct Case {
        const char* number;
        const char* country;
        const char* expected;
    } cases[] = {{"01712345678", "49", "49171..."},
                 {"01712345678", "", "CC171..."},
                 {"0000", "41", "41..."},
                 {"00431", "43", "43431..."},
                 {"12", "", "CC12..."}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExampleNumber(c.number, c.country), c.expected) << c.number;
    }
}

TEST(PhoneNumbers, OnlyALeadingZeroIsAProblem) {
    EXPECT_EQ(SmscNumberProblem("", ""), std::nullopt);
    EXPECT_EQ(SmscNumberProblem("491710760000", "49"), std::nullopt);
    EXPECT_EQ(SmscNumberProblem("01710760000", "49"),
              "Please enter the Message Center Number\r\nwith the international country-code\r\n"
              "\r\nIt could look like 49171...");
}

}  // namespace
}  // namespace pixora
