// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/bits.h"

#include <gtest/gtest.h>

#include "support/fake_user_interface.h"

namespace pixora {
namespace {

TEST(Dec2Bits, ConvertsAndClampsOddValues) {
    struct Case {
        int n;
        const char* bits;
        bool reports;
    } cases[] = {
        {0, "00000000", false},   {1, "00000001", false},   {128, "10000000", false},
        {255, "11111111", false}, {170, "10101010", false}, {300, "11111111", true},
        {256, "11111111", true},  {-5, "00000000", false},  {-32768, "00000000", false},
    };
    for (const auto& c : cases) {
        testing::FakeUserInterface ui;
        EXPECT_EQ(dec2bits(c.n, &ui), c.bits) << c.n;
        ASSERT_EQ(ui.messages.size(), c.reports ? 1u : 0u) << c.n;
        if (c.reports) {
            EXPECT_EQ(ui.messages[0].text, "error dec2bits overflow");
            EXPECT_EQ(ui.messages[0].title, "Pixora");
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
            EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
        }
    }
    // Without a user interface the overflow still clamps, silently.
    EXPECT_EQ(dec2bits(1000), "11111111");
}

TEST(Bits2Dec, ReadsTheLastEightCharactersRightAligned) {
    struct Case {
        const char* bits;
        int value;
    } cases[] = {
        {"10000000", 128}, {"00011100", 28},        {"1", 1},
        {"101", 5},        {"x1y1z1w1", 85},        {"111111111", 255},
        {"100000001", 1},  {"11111110", 254},       {"2222222", 0},
        {"", 0},           {"0000000100000000", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bits2dec(c.bits), c.value) << c.bits;
    }
}

TEST(Hex2Dec, CountsALoneDigitTwiceAndStrangersAsZero) {
    struct Case {
        const char* hex;
        int value;
    } cases[] = {
        {"ff", 255}, {"FF", 255}, {"A", 170},  {"G1", 1}, {"1G", 16},
        {"", 0},     {"0", 0},    {"7f", 127}, {"zz", 0}, {"9", 153},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hex2dec(c.hex), c.value) << c.hex;
    }
}

TEST(Hex2Bits, GivesEightBitsPerPair) {
    EXPECT_EQ(hex2bits("4F"), "01001111");
    EXPECT_EQ(hex2bits("4f"), "01001111");
    EXPECT_EQ(hex2bits("4F0"), "0100111100000000");
    EXPECT_EQ(hex2bits("4F1"), "0100111100010001");
    EXPECT_EQ(hex2bits(""), "");
}

TEST(Str2Bits, GivesEightBitsPerByte) {
    EXPECT_EQ(str2bits(std::string("\x48\x1C", 2)), "0100100000011100");
    EXPECT_EQ(str2bits(std::string("\x00\xFF", 2)), "0000000011111111");
    EXPECT_EQ(str2bits(""), "");
    // Every byte value agrees with dec2bits, the rule it stands for.
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(str2bits(std::string(1, static_cast<char>(b))), dec2bits(b)) << b;
    }
}

TEST(Bits2Bytes, PacksWholeGroupsOfEight) {
    std::string bits(2016, '0');
    bits.replace(0, 8, "10000001");
    bits.replace(2008, 8, "00000011");
    const std::string bytes = bits2bytes(bits);
    ASSERT_EQ(bytes.size(), 252u);
    EXPECT_EQ(static_cast<unsigned char>(bytes.front()), 0x81);
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x03);
    EXPECT_EQ(bits2bytes("0100100000011100111"), std::string("\x48\x1C", 2));
    // Packing is the inverse of str2bits for every byte.
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(bits2bytes(str2bits(all)), all);
}

}  // namespace
}  // namespace pixora
