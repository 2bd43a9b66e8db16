// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/npm_file.h"

#include <gtest/gtest.h>

#include "format_test_util.h"

namespace pixora {
namespace {

using testing::Bytes;
using testing::PictureWith;
using testing::RandomPicture;

TEST(WritePictureMessageFile, GoldenBytes) {
    const PictureGrid picture = PictureWith({{0, 0}, {71, 27}, {8, 1}});
    const std::string file = WritePictureMessageFile(picture, U"Hi €", "Jörg", 0.0);

    std::string expected = Bytes({'N', 'P', 'M', 0, 4, 'H', 'i', ' ', 0x80});
    expected += Bytes({0x00, 0x48, 0x1C, 0x01, 0x01, 45});
    std::string pixels(252, '\0');
    pixels[0] = static_cast<char>(0x80);      // (0, 0)
    pixels[9 + 1] = static_cast<char>(0x80);  // (8, 1): second byte of row 1
    pixels[251] = 0x01;                       // (71, 27)
    expected += pixels;
    expected += "Picture-Message File, v1.0, ";
    expected += PictureMessageCredit;
    expected += "Made by J\xF6rg\r";
    EXPECT_EQ(file, expected);
}

TEST(WritePictureMessageFile, LayoutFollowsTheTextLength) {
    struct Case {
        std::u32string text;
        size_t pictureOffset;
    } cases[] = {{U"", 11}, {std::u32string(121, U'x'), 132}, {std::u32string(300, U'y'), 266}};
    for (const auto& c : cases) {
        const std::string file = WritePictureMessageFile(PictureGrid(), c.text, "", 0.5);
        const size_t length = static_cast<unsigned char>(file[4]);
        EXPECT_EQ(length + 11, c.pictureOffset) << c.text.size();
        EXPECT_EQ(file[5 + length], 0);
        EXPECT_EQ(file.size(),
                  c.pictureOffset + 252 + 28 + std::string(PictureMessageCredit).size() + 8 + 1);
        EXPECT_EQ(file.back(), '\r');
    }
}

TEST(WritePictureMessageFile, StampStaysWithin45And99) {
    for (double r : {0.0, 0.5, 0.999999, 1.0, -3.0}) {
        const int stamp = static_cast<unsigned char>(WritePictureMessageFile({}, U"", "", r)[10]);
        EXPECT_GE(stamp, 45) << r;
        EXPECT_LE(stamp, 99) << r;
    }
    EXPECT_EQ(static_cast<unsigned char>(WritePictureMessageFile({}, U"", "", 0.999999)[10]), 99);
    // Two writes of the same document differ at most in the stamp.
    std::string a = WritePictureMessageFile(RandomPicture(1), U"abc", "me");
    std::string b = WritePictureMessageFile(RandomPicture(1), U"abc", "me");
    a[13] = b[13] = 0;
    EXPECT_EQ(a, b);
}

TEST(ReadPictureMessageFile, RoundTripsPictureAndText) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const PictureGrid picture = RandomPicture(seed);
        const auto loaded =
            ReadPictureMessageFile(WritePictureMessageFile(picture, U"Grüße €5 ok", "", 0.3));
        ASSERT_TRUE(loaded) << seed;
        EXPECT_EQ(loaded->picture, picture) << seed;
        EXPECT_EQ(loaded->text, U"Grüße €5 ok");
    }
}

// A well-formed file with the given text bytes and picture bytes; pieces may be changed after.
std::string NpmFile(const std::string& text, int width = 72, int height = 28, int one = 1) {
    std::string file = Bytes({'N', 'P', 'M', 0, static_cast<int>(text.size())});
    file += text;
    file += Bytes({0, width, height, one, 0x77, 0x13});
    file += std::string(252, '\xFF');
    return file;
}

TEST(ReadPictureMessageFile, AcceptsAndRejects) {
    const std::string good = NpmFile("ok");
    struct Case {
        const char* name;
        std::string bytes;
        ReadError error;
    } cases[] = {
        {"good, no trailer, any bytes 9+L and 10+L", good, ReadError::None},
        {"empty file", "", ReadError::TooShort},
        {"magic only", "NPM", ReadError::TooShort},
        {"magic without zero", "NPMX" + good.substr(4), ReadError::BadMagic},
        {"lower-case magic", "npm" + good.substr(3), ReadError::BadMagic},
        {"no zero after the text", NpmFile("ok").replace(7, 1, "\x01"), ReadError::BadField},
        {"72 x 14 header", NpmFile("ok", 72, 14) + std::string(252, '\0'), ReadError::BadSize},
        {"28 x 72 header", NpmFile("ok", 28, 72), ReadError::BadSize},
        {"byte 8+L not 01", NpmFile("ok", 72, 28, 2), ReadError::BadField},
        {"one picture byte short", good.substr(0, good.size() - 1), ReadError::TooShort},
        {"length byte beyond the file", Bytes({'N', 'P', 'M', 0, 200, 'a'}), ReadError::TooShort},
        {"long text, all there", NpmFile(std::string(255, 'a')), ReadError::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadPictureMessageFile(c.bytes).error, c.error) << c.name;
    }
    const auto loaded = ReadPictureMessageFile(good);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->picture.SetCount(), PictureCells);
}

TEST(ReadPictureMessageFile, FiltersAndCutsTheText) {
    struct Case {
        std::string bytes;
        std::u32string text;
    } cases[] = {
        {"", U""},
        {"Hi [you]\r\n{x}|", U"Hi youx"},
        {"\x80 \xA3\xC4\x9C", U"€ £Ä"},  // 0x9C (oe) is no phone character
        {std::string(130, 'a'), std::u32string(121, U'a')},
        {std::string(130, '[') + "b", U"b"},  // filtering comes before the cut
    };
    for (const auto& c : cases) {
        const auto loaded = ReadPictureMessageFile(NpmFile(c.bytes));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->text, c.text);
    }
}

}  // namespace
}  // namespace pixora
