// SPDX-License-Identifier: GPL-2.0-or-later
// Accept and reject cases of the phone-graphic readers, and where each puts the graphic.
#include <gtest/gtest.h>

#include "format_test_util.h"
#include "formats/bits.h"
#include "formats/gms_file.h"
#include "formats/ngg_file.h"
#include "formats/ngl_file.h"
#include "formats/nlm_file.h"
#include "formats/nsl_file.h"
#include "formats/otb_file.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

using testing::Bytes;
using testing::PictureWith;
using testing::RandomPicture;
using testing::SetInRows;

std::string Int16(int v) {
    return Bytes({v & 0xFF, (v >> 8) & 0xFF});
}

// A group-graphic file whose pixels are all '1', so the placement shows in the picture.
std::string GroupFile(const char* magic, int width, int height, bool operatorCodes,
                      char pixel = '1') {
    std::string file(magic, 3);
    file.push_back('\0');
    file += Int16(1);
    if (operatorCodes) {
        file += Int16(262) + Int16(1);
    }
    file += Int16(width) + Int16(height) + Int16(0) + Int16(0) + Int16(0);
    if (width > 0 && height > 0) {
        file += std::string(static_cast<size_t>(width) * height, pixel);
    }
    return file;
}

TEST(ReadGroupGraphicFile, PlacesEachSize) {
    struct Case {
        const char* name;
        std::string bytes;
        int firstRow;  // -1: nothing set
        int lastRow;
        bool unsupported;
    } cases[] = {
        {"ngg 72x14 centred", GroupFile("NGG", 72, 14, false), 7, 20, false},
        {"ngg 72x15, odd row below", GroupFile("NGG", 72, 15, false), 6, 20, false},
        {"ngg 72x28", GroupFile("NGG", 72, 28, false), 0, 27, false},
        {"ncg 72x14", GroupFile("NCG", 72, 14, false), 7, 20, false},
        {"nol with operator codes", GroupFile("NOL", 72, 14, true), 7, 20, false},
        {"78x21 at rows 3..23", GroupFile("NGG", 78, 21, false), 3, 23, false},
        {"72x13 unsupported", GroupFile("NGG", 72, 13, false), -1, -1, true},
        {"72x29 unsupported", GroupFile("NGG", 72, 29, false), -1, -1, true},
        {"84x48 unsupported", GroupFile("NGG", 84, 48, false), -1, -1, true},
        {"0x0 unsupported", GroupFile("NGG", 0, 0, false), -1, -1, true},
        {"only '1' sets pixels", GroupFile("NGG", 72, 28, false, 'X'), -1, -1, false},
        {"header only, sizes missing", Bytes({'N', 'G', 'G', 0, 1, 0}), -1, -1, true},
        {"pixels missing stay clear", GroupFile("NGG", 72, 28, false).substr(0, 16 + 72), 0, 0,
         false},
    };
    for (const auto& c : cases) {
        const auto read = ReadGroupGraphicFile(c.bytes);
        ASSERT_EQ(read.error, ReadError::None) << c.name;
        const GroupGraphic& g = *read;
        EXPECT_EQ(g.unsupportedSize, c.unsupported) << c.name;
        if (c.firstRow < 0) {
            EXPECT_EQ(g.picture.SetCount(), 0) << c.name;
        } else {
            const int rows = c.lastRow - c.firstRow + 1;
            EXPECT_EQ(SetInRows(g.picture, c.firstRow, c.lastRow), rows * 72) << c.name;
            EXPECT_EQ(g.picture.SetCount(), rows * 72) << c.name;
        }
    }
}

TEST(ReadGroupGraphicFile, TheMagicDecidesAboutOperatorCodes) {
    // A NOL-magic file read without codes would take the codes 262 x 1 for its size.
    const auto nol = ReadGroupGraphicFile(GroupFile("NOL", 72, 14, true));
    EXPECT_FALSE(nol->unsupportedSize);
    // An NGG file has no codes: a layout with codes puts 262 x 1 where the size belongs.
    const auto ngg = ReadGroupGraphicFile("NGG" + GroupFile("NOL", 72, 14, true).substr(3));
    EXPECT_TRUE(ngg->unsupportedSize);
}

TEST(ReadGroupGraphicFile, CopiesEachPixelFromItsByte) {
    std::string file = GroupFile("NGG", 78, 21, false, '0');
    const size_t pixels = 16;
    file[pixels + 0] = '1';            // (0, 0) -> (0, 3)
    file[pixels + 71] = '1';           // (71, 0) -> (71, 3)
    file[pixels + 72] = '1';           // column 72: dropped
    file[pixels + 78 * 20 + 5] = '1';  // (5, 20) -> (5, 23)
    EXPECT_EQ(ReadGroupGraphicFile(file)->picture, PictureWith({{0, 3}, {71, 3}, {5, 23}}));
}

TEST(ReadGroupGraphicFile, RejectsHeaders) {
    struct Case {
        const char* name;
        std::string bytes;
        ReadError error;
    } cases[] = {
        {"empty", "", ReadError::TooShort},
        {"cut inside the magic", "NO", ReadError::TooShort},
        {"NGX magic", "NGX" + GroupFile("NGG", 72, 14, false).substr(3), ReadError::BadMagic},
        {"no zero after magic", "NGGG" + GroupFile("NGG", 72, 14, false).substr(4),
         ReadError::BadMagic},
        {"version 2", GroupFile("NGG", 72, 14, false).replace(4, 2, Int16(2)),
         ReadError::BadVersion},
        {"version missing", Bytes({'N', 'G', 'G', 0, 1}), ReadError::TooShort},
        {"negative width", GroupFile("NGG", -72, 14, false), ReadError::BadDimension},
        {"negative both", GroupFile("NGG", -72, -14, false), ReadError::BadDimension},
        {"beyond 16 bits", GroupFile("NGG", 200, 200, false), ReadError::BadDimension},
        {"largest product", GroupFile("NGG", 32767, 1, false), ReadError::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadGroupGraphicFile(c.bytes).error, c.error) << c.name;
    }
}

// A type 0 WBMP with rows given as bit text ('1' white), padded to whole bytes.
std::string WbmpFile(int width, int height, const std::string& rowBits) {
    std::string file = Bytes({0, 0, width, height});
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    std::string padded = rowBits;
    padded.resize(rowBytes * 8, '1');
    for (int y = 0; y < height; ++y) {
        file += bits2bytes(padded);
    }
    return file;
}

TEST(ReadWbmpFile, AcceptsAndRejects) {
    struct Case {
        const char* name;
        std::string bytes;
        int setCount;  // -1: rejected
        ReadError error;
    } cases[] = {
        {"50x20 all black", WbmpFile(50, 20, std::string(50, '0')), 50 * 20, ReadError::None},
        {"127x127 all black, cut", WbmpFile(127, 127, std::string(127, '0')), 72 * 28,
         ReadError::None},
        {"0x0", Bytes({0, 0, 0, 0}), 0, ReadError::None},
        {"all white", WbmpFile(72, 28, std::string(72, '1')), 0, ReadError::None},
        {"128 wide", Bytes({0, 0, 128, 1}) + std::string(16, '\0'), -1, ReadError::BadSize},
        {"128 high", Bytes({0, 0, 1, 128}) + std::string(128, '\0'), -1, ReadError::BadSize},
        {"type 1", Bytes({1, 0, 8, 1, 0}), -1, ReadError::BadVersion},
        {"fixed header 1", Bytes({0, 1, 8, 1, 0}), -1, ReadError::BadField},
        {"shorter than header", Bytes({0, 0, 8}), -1, ReadError::TooShort},
        {"one row byte short", WbmpFile(50, 20, "").substr(0, 4 + 7 * 20 - 1), -1,
         ReadError::TooShort},
        {"empty", "", -1, ReadError::TooShort},
    };
    for (const auto& c : cases) {
        const auto picture = ReadWbmpFile(c.bytes);
        EXPECT_EQ(picture.error, c.error) << c.name;
        EXPECT_EQ(picture ? picture->SetCount() : -1, c.setCount) << c.name;
    }
}

TEST(ReadWbmpFile, SkipsPaddingAndColumnsBeyond72) {
    // 50 wide: 7 bytes a row. Only (49, y) black; padding bits are '0' (black) and must not leak.
    std::string row(56, '0');
    row.replace(0, 49, std::string(49, '1'));
    std::string file = Bytes({0, 0, 50, 2}) + bits2bytes(row) + bits2bytes(row);
    EXPECT_EQ(ReadWbmpFile(file), PictureWith({{49, 0}, {49, 1}}));
    // 80 wide: column 72..79 black, 0..71 white except column 3.
    std::string wide(80, '1');
    wide[3] = '0';
    wide.replace(72, 8, "00000000");
    EXPECT_EQ(ReadWbmpFile(Bytes({0, 0, 80, 1}) + bits2bytes(wide)), PictureWith({{3, 0}}));
}

TEST(WriteWbmpFile, GoldenBytesAndRoundTrip) {
    const std::string one = WriteWbmpFile(PictureWith({{0, 0}}));
    std::string expected = Bytes({0, 0, 72, 28, 0x7F}) + std::string(251, '\xFF');
    EXPECT_EQ(one, expected);
    EXPECT_EQ(WriteWbmpFile(PictureGrid()), Bytes({0, 0, 72, 28}) + std::string(252, '\xFF'));
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        EXPECT_EQ(ReadWbmpFile(WriteWbmpFile(RandomPicture(seed))), RandomPicture(seed)) << seed;
    }
}

TEST(IsWbmpExportName, LooksForWbmAnywhere) {
    EXPECT_TRUE(IsWbmpExportName("x.wbmp"));
    EXPECT_TRUE(IsWbmpExportName("x.WBM"));
    EXPECT_TRUE(IsWbmpExportName("/a.wbm/x.bmp"));
    EXPECT_FALSE(IsWbmpExportName("x.bmp"));
    EXPECT_FALSE(IsWbmpExportName("wbm.bmp"));
}

std::string OtbFile(int info, int width, int height, int depth, char fill = '\xFF') {
    return Bytes({info, width, height, depth}) +
           std::string((static_cast<size_t>(width) * height + 7) / 8, fill);
}

TEST(ReadOtbFile, AcceptsThePhoneSizesOnly) {
    struct Case {
        const char* name;
        std::string bytes;
        int setCount;  // -1: rejected
        ReadError error;
    } cases[] = {
        {"72x14", OtbFile(0, 72, 14, 1), 72 * 14, ReadError::None},
        {"72x21", OtbFile(0, 72, 21, 1), 72 * 21, ReadError::None},
        {"78x21", OtbFile(0, 78, 21, 1), 72 * 21, ReadError::None},
        {"84x48", OtbFile(0, 84, 48, 1), 72 * 28, ReadError::None},
        {"96x65", OtbFile(0, 96, 65, 1), 72 * 28, ReadError::None},
        {"72x28", OtbFile(0, 72, 28, 1), 72 * 28, ReadError::None},
        {"info 1", OtbFile(1, 72, 28, 1), 72 * 28, ReadError::None},
        {"info 2", OtbFile(2, 72, 28, 1), -1, ReadError::BadField},
        {"depth 2", OtbFile(0, 72, 28, 2), -1, ReadError::BadField},
        {"50x20", OtbFile(0, 50, 20, 1), -1, ReadError::BadSize},
        {"28x72", OtbFile(0, 28, 72, 1), -1, ReadError::BadSize},
        {"one byte short", OtbFile(0, 72, 28, 1).substr(0, 255), -1, ReadError::TooShort},
        {"header only", Bytes({0, 72, 28}), -1, ReadError::TooShort},
    };
    for (const auto& c : cases) {
        const auto picture = ReadOtbFile(c.bytes);
        EXPECT_EQ(picture.error, c.error) << c.name;
        EXPECT_EQ(picture ? picture->SetCount() : -1, c.setCount) << c.name;
    }
}

TEST(ReadOtbFile, RowsFollowWithoutPadding) {
    // 78x21: bit of (x, y) at y * 78 + x. Set (0, 1) and (77, 0) (dropped) and (71, 20).
    std::string bits(78 * 21 + 2, '0');  // 1638 bits -> 205 bytes with 2 padding bits
    bits[1 * 78 + 0] = '1';
    bits[0 * 78 + 77] = '1';
    bits[20 * 78 + 71] = '1';
    const auto picture = ReadOtbFile(Bytes({0, 78, 21, 1}) + bits2bytes(bits));
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, PictureWith({{0, 1}, {71, 20}}));
}

std::string NlmFile(int type, int width, int height, char fill = '\xFF', int one = 1) {
    return std::string("NLM ") + Bytes({one, type, 0, width, height, 0}) +
           std::string((static_cast<size_t>(width) + 7) / 8 * height, fill);
}

TEST(ReadNlmFile, AcceptsTypeAndSizePairs) {
    struct Case {
        const char* name;
        std::string bytes;
        int setCount;  // -1: rejected
        ReadError error;
    } cases[] = {
        {"operator 72x14", NlmFile(0, 72, 14), 72 * 14, ReadError::None},
        {"group 72x14", NlmFile(1, 72, 14), 72 * 14, ReadError::None},
        {"operator 78x21", NlmFile(0, 78, 21), 72 * 21, ReadError::None},
        {"startup 84x48", NlmFile(2, 84, 48), 72 * 28, ReadError::None},
        {"startup 96x65", NlmFile(2, 96, 65), 72 * 28, ReadError::None},
        {"picture 72x28", NlmFile(3, 72, 28), 72 * 28, ReadError::None},
        {"startup type at 72x14", NlmFile(2, 72, 14), -1, ReadError::BadSize},
        {"picture type at 72x14", NlmFile(3, 72, 14), -1, ReadError::BadSize},
        {"type 4", NlmFile(4, 72, 28), -1, ReadError::BadSize},
        {"byte 4 is 2", NlmFile(0, 72, 14, '\xFF', 2), -1, ReadError::BadVersion},
        {"bad magic", "NLMX" + NlmFile(0, 72, 14).substr(4), -1, ReadError::BadMagic},
        {"one byte short", NlmFile(3, 72, 28).substr(0, 10 + 251), -1, ReadError::TooShort},
        {"magic only", "NLM ", -1, ReadError::TooShort},
    };
    for (const auto& c : cases) {
        const auto picture = ReadNlmFile(c.bytes);
        EXPECT_EQ(picture.error, c.error) << c.name;
        EXPECT_EQ(picture ? picture->SetCount() : -1, c.setCount) << c.name;
    }
}

TEST(ReadNlmFile, Skips78x21RowTails) {
    // 10-byte rows: columns 72..77 and the two padding bits are set and must be skipped.
    std::string bits;
    for (int y = 0; y < 21; ++y) {
        std::string row(80, '1');
        row.replace(0, 72, std::string(72, '0'));
        row[y] = '1';  // one pixel per row, on the diagonal
        bits += row;
    }
    const auto picture =
        ReadNlmFile(std::string("NLM ") + Bytes({1, 0, 0, 78, 21, 0}) + bits2bytes(bits));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->SetCount(), 21);
    for (int y = 0; y < 21; ++y) {
        EXPECT_TRUE(picture->IsSet(y, y)) << y;
    }
}

std::string NslFile(const std::string& logo) {
    std::string file = "FORM" + std::string(60, 'z') + "NSLD" + Bytes({1, 0xF8});
    return file + logo;
}

TEST(ReadNslFile, ReadsColumnBytes) {
    struct Case {
        const char* name;
        size_t byteIndex;
        int value;
        std::vector<std::pair<int, int>> pixels;
    } cases[] = {
        {"0x01 top of band 0", 0, 0x01, {{0, 0}}},
        {"0x80 bottom of band 0", 0, 0x80, {{0, 7}}},
        {"column 5 band 1", 84 + 5, 0x03, {{5, 8}, {5, 9}}},
        {"band 3 top half only", 3 * 84 + 71, 0xFF, {{71, 24}, {71, 25}, {71, 26}, {71, 27}}},
        {"column 72 dropped", 72, 0xFF, {}},
        {"band 4 dropped", 4 * 84, 0xFF, {}},
    };
    for (const auto& c : cases) {
        std::string logo(504, '\0');
        logo[c.byteIndex] = static_cast<char>(c.value);
        const auto picture = ReadNslFile(NslFile(logo));
        ASSERT_TRUE(picture) << c.name;
        PictureGrid expected;
        for (const auto& [x, y] : c.pixels) {
            expected.Set(x, y, 1);
        }
        EXPECT_EQ(*picture, expected) << c.name;
    }
}

TEST(ReadNslFile, Rejects) {
    const std::string good = NslFile(std::string(504, '\0'));
    const struct {
        std::string bytes;
        ReadError error;
    } cases[] = {
        {good, ReadError::None},
        {"FORX" + good.substr(4), ReadError::BadMagic},
        {std::string(good).replace(64, 4, "NSLX"), ReadError::BadMagic},
        {good.substr(0, good.size() - 1), ReadError::TooShort},
        {"FORM", ReadError::TooShort},
        {"FO", ReadError::TooShort},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNslFile(c.bytes).error, c.error) << c.bytes.size();
    }
}

const std::string kNglHeader = "NGL " + Bytes({0x20, 0x07, 0x20, 0x06, 0x20, 0x05, 0x20, 0x04, 0x20,
                                               0x03, 0x20, 0x07, 0x20, 0x06, 0x06, 0x3E});

TEST(ReadNglFile, ReadsHexTextEitherCase) {
    std::string digits(252, '0');
    digits.replace(0, 2, "80");    // (0, 0)
    digits.replace(250, 2, "01");  // (71, 13)
    digits.replace(18, 2, "C0");   // (0, 1) and (1, 1)
    const PictureGrid expected = PictureWith({{0, 0}, {71, 13}, {0, 1}, {1, 1}});
    EXPECT_EQ(ReadNglFile(kNglHeader + digits), expected);
    digits.replace(18, 2, "c0");
    EXPECT_EQ(ReadNglFile(kNglHeader + digits), expected);
    // All "FF": rows 0..13 set, rows 14..27 clear.
    const auto full = ReadNglFile(kNglHeader + std::string(252, 'F'));
    ASSERT_TRUE(full);
    EXPECT_EQ(SetInRows(*full, 0, 13), 72 * 14);
    EXPECT_EQ(full->SetCount(), 72 * 14);
}

TEST(ReadNglFile, RejectsAnyHeaderDifferenceAndShortFiles) {
    const std::string body(252, '0');
    for (size_t i = 0; i < kNglHeader.size(); ++i) {
        std::string header = kNglHeader;
        header[i] = static_cast<char>(header[i] ^ 0x01);
        EXPECT_EQ(ReadNglFile(header + body).error,
                  i < 4 ? ReadError::BadMagic : ReadError::BadField)
            << i;
    }
    EXPECT_EQ(ReadNglFile(kNglHeader + body.substr(1)).error, ReadError::TooShort);
    EXPECT_EQ(ReadNglFile(kNglHeader).error, ReadError::TooShort);
}

std::string GmsFile(const std::string& text, int width, int height, char fill = '\xFF') {
    std::string file = Bytes({'0', 0, 0, static_cast<int>(text.size())}) + text;
    file += Bytes({2, 1, 0, 0, width, height, 1});
    return file + std::string((static_cast<size_t>(width) * height + 7) / 8, fill);
}

TEST(ReadGmsFile, AcceptsAndRejects) {
    struct Case {
        const char* name;
        std::string bytes;
        int setCount;  // -1: rejected
        std::u32string text;
        ReadError error;
    } cases[] = {
        {"72x28 with text", GmsFile("Twenty characters ok", 72, 28), 72 * 28,
         U"Twenty characters ok", ReadError::None},
        {"72x14", GmsFile("", 72, 14), 72 * 14, U"", ReadError::None},
        {"10x3", GmsFile("a{b", 10, 3), 30, U"ab", ReadError::None},
        {"0x0", GmsFile("", 0, 0), 0, U"", ReadError::None},
        {"73 wide", GmsFile("", 73, 28), -1, U"", ReadError::BadSize},
        {"29 high", GmsFile("", 72, 29), -1, U"", ReadError::BadSize},
        {"text length high byte", Bytes({'0', 0, 1, 0}) + GmsFile("", 72, 28).substr(4), -1, U"",
         ReadError::BadField},
        {"bad version", "1" + GmsFile("", 72, 28).substr(1), -1, U"", ReadError::BadMagic},
        {"item type 3", std::string(GmsFile("", 72, 28)).replace(4, 1, "\x03"), -1, U"",
         ReadError::BadField},
        {"byte 7+L not 0", std::string(GmsFile("", 72, 28)).replace(7, 1, "\x01"), -1, U"",
         ReadError::BadField},
        {"byte 10+L not 1", std::string(GmsFile("", 72, 28)).replace(10, 1, "\x00", 1), -1, U"",
         ReadError::BadField},
        {"one byte short", GmsFile("", 72, 28).substr(0, 11 + 251), -1, U"", ReadError::TooShort},
        {"text beyond file", Bytes({'0', 0, 0, 50, 'a'}), -1, U"", ReadError::TooShort},
        {"three bytes", Bytes({'0', 0, 0}), -1, U"", ReadError::TooShort},
    };
    for (const auto& c : cases) {
        const auto loaded = ReadGmsFile(c.bytes);
        EXPECT_EQ(loaded.error, c.error) << c.name;
        EXPECT_EQ(loaded ? loaded->picture.SetCount() : -1, c.setCount) << c.name;
        if (loaded) {
            EXPECT_EQ(loaded->text, c.text) << c.name;
        }
    }
}

TEST(ReadGmsFile, PacksRowsWithoutPadding) {
    // 10 x 3: bit of (x, y) at y * 10 + x.
    std::string bits(32, '0');
    bits[0] = '1';       // (0, 0)
    bits[10 + 9] = '1';  // (9, 1)
    bits[20 + 4] = '1';  // (4, 2)
    const std::string file = Bytes({'0', 0, 0, 0, 2, 0, 0, 0, 10, 3, 1}) + bits2bytes(bits);
    const auto loaded = ReadGmsFile(file);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->picture, PictureWith({{0, 0}, {9, 1}, {4, 2}}));
}

}  // namespace
}  // namespace pixora
