// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/picture_header.h"

#include <gtest/gtest.h>

#include <string>

#include "format_test_util.h"

namespace pixora {
namespace {

using testing::Bytes;

std::string Le32(int64_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) {
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    return s;
}

// "BM", file header, a 40-byte DIB header and `rowBytes * rows` bytes of pixel data.
std::string Bitmap(int32_t width, int32_t height, int bits, int compression, size_t dataBytes) {
    std::string b = "BM" + Le32(54 + static_cast<int64_t>(dataBytes)) + Le32(0) + Le32(54);
    b += Le32(40) + Le32(width) + Le32(height) + Bytes({1, 0, bits, 0}) + Le32(compression);
    b += Le32(static_cast<int64_t>(dataBytes)) + std::string(16, '\0');
    return b + std::string(dataBytes, '\xFF');
}

std::string Jpeg(int width, int height) {
    return Bytes({0xFF,         0xD8, 0xFF, 0xE0, 0, 4,           'J',           'F',
                  0xFF,         0xC2, 0,    11,   8, height >> 8, height & 0xFF, width >> 8,
                  width & 0xFF, 1,    1,    0x11, 0, 0xFF,        0xD9});
}

TEST(PictureHeader, DeclaredSizes) {
    struct Case {
        const char* name;
        std::string bytes;
        PictureKind kind;
        int64_t width, height;  // 0: no size
    } cases[] = {
        {"bitmap", Bitmap(300, 120, 24, 0, 0), PictureKind::Bmp, 300, 120},
        {"top-down bitmap", Bitmap(5, -7, 8, 0, 0), PictureKind::Bmp, 5, 7},
        {"OS/2 bitmap", "BM" + std::string(12, '\0') + Le32(12) + Bytes({9, 0, 4, 0, 1, 0, 1, 0}),
         PictureKind::Bmp, 9, 4},
        {"bitmap of no width", Bitmap(0, 10, 24, 0, 0), PictureKind::Bmp, 0, 0},
        {"bitmap header cut", Bitmap(300, 120, 24, 0, 0).substr(0, 30), PictureKind::Bmp, 0, 0},
        {"GIF", "GIF89a" + Bytes({0x40, 0x9C, 10, 0, 0}), PictureKind::Gif, 40000, 10},
        {"JPEG after an APP0", Jpeg(40000, 40000), PictureKind::Jpeg, 40000, 40000},
        {"JPEG data before a frame", Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xD9}),
         PictureKind::Jpeg, 0, 0},
        {"JPEG segment past the end", Bytes({0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0}),
         PictureKind::Jpeg, 0, 0},
        {"PNG", Bytes({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13,
                       'I',  'H', 'D', 'R', 0,  1,  0,  0,  0, 0, 0, 28}),
         PictureKind::Png, 65536, 28},
        {"icon of 256", Bytes({0, 0, 1, 0, 1, 0, 0, 16}) + std::string(14, '\0'), PictureKind::Ico,
         256, 16},
        {"text", "hello, world", PictureKind::Unknown, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SniffPictureKind(c.bytes), c.kind);
        const std::optional<PictureSize> size = DeclaredPictureSize(c.bytes);
        ASSERT_EQ(size.has_value(), c.width != 0);
        if (size) {
            EXPECT_EQ(size->width, c.width);
            EXPECT_EQ(size->height, c.height);
        }
    }
}

TEST(PictureHeader, BitmapRowsOnlyWhenAllOfThemAreThere) {
    struct Case {
        const char* name;
        std::string bytes;
        size_t rowBytes;  // 0: no rows
        bool topDown;
    } cases[] = {
        {"24-bit, rows padded to 4", Bitmap(5, 3, 24, 0, 16 * 3), 16, false},
        {"1-bit, top-down", Bitmap(33, -2, 1, 0, 16), 8, true},
        {"bit fields", Bitmap(2, 2, 32, 3, 16), 8, false},
        {"one byte short", Bitmap(5, 3, 24, 0, 16 * 3 - 1), 0, false},
        {"RLE8", Bitmap(5, 3, 8, 1, 64), 0, false},
        {"no bits", Bitmap(5, 3, 0, 0, 64), 0, false},
        {"huge height", Bitmap(5, 0x7FFFFFFF, 24, 0, 64), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<BmpRows> rows = FindBmpRows(c.bytes);
        ASSERT_EQ(rows.has_value(), c.rowBytes != 0);
        if (rows) {
            EXPECT_EQ(rows->rowBytes, c.rowBytes);
            EXPECT_EQ(rows->topDown, c.topDown);
            EXPECT_EQ(rows->headerBytes, 54u);
        }
    }
}

// A GIF screen of 2 x 2 without colour table, then `rest`.
std::string Gif(const std::string& rest) {
    return "GIF89a" + Bytes({2, 0, 2, 0, 0, 0, 0}) + rest;
}

TEST(PictureHeader, DataCompleteWalksEachStructure) {
    const std::string rleHeader = Bitmap(2, 2, 8, 1, 0);
    const std::string image = Bytes({0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2});  // descriptor, LZW 2
    const std::string icon =
        Bytes({0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 4, 0, 0, 0, 22, 0, 0, 0});
    const std::string scan = Bytes({0xFF, 0xDA, 0, 2, 0x12, 0xFF, 0, 0xFF, 0xD0, 0x34});
    struct Case {
        const char* name;
        std::string bytes;
        PictureKind kind;
        bool complete;
    } cases[] = {
        {"bitmap rows all there", Bitmap(4, 2, 24, 0, 24), PictureKind::Bmp, true},
        {"bitmap a byte short", Bitmap(4, 2, 24, 0, 23), PictureKind::Bmp, false},
        {"bitmap of no width", Bitmap(0, 2, 24, 0, 24), PictureKind::Bmp, false},
        {"RLE8 with end mark", rleHeader + Bytes({2, 5, 0, 0, 2, 5, 0, 1}), PictureKind::Bmp, true},
        {"RLE8 without end mark", rleHeader + Bytes({2, 5, 0, 0, 2, 5, 0, 0}), PictureKind::Bmp,
         true},
        {"RLE8 a line short", rleHeader + Bytes({2, 5, 0, 0}), PictureKind::Bmp, false},
        {"RLE8 literal past the end", rleHeader + Bytes({0, 4, 1, 2}), PictureKind::Bmp, false},
        {"RLE8 jump over both lines", rleHeader + Bytes({0, 2, 0, 2}), PictureKind::Bmp, true},
        {"GIF first image", Gif(image + Bytes({1, 0x44, 0})), PictureKind::Gif, true},
        {"GIF after an extension", Gif(Bytes({0x21, 0xF9, 1, 0, 0}) + image + Bytes({1, 0x44, 0})),
         PictureKind::Gif, true},
        {"GIF image data unended", Gif(image + Bytes({1, 0x44})), PictureKind::Gif, false},
        {"GIF trailer before an image", Gif(";"), PictureKind::Gif, false},
        {"JPEG frame and end", Jpeg(16, 16), PictureKind::Jpeg, true},
        {"JPEG without its end", Jpeg(16, 16).substr(0, 21), PictureKind::Jpeg, false},
        {"JPEG scan with stuffing and restart",
         Jpeg(16, 16).substr(0, 21) + scan + Bytes({0xFF, 0xD9}), PictureKind::Jpeg, true},
        {"JPEG scan unended", Jpeg(16, 16).substr(0, 21) + scan, PictureKind::Jpeg, false},
        {"JPEG end without a frame", Bytes({0xFF, 0xD8, 0xFF, 0xD9}), PictureKind::Jpeg, false},
        {"icon image there", icon + "abcd", PictureKind::Ico, true},
        {"icon image a byte short", icon + "abc", PictureKind::Ico, false},
        {"icon without entries", Bytes({0, 0, 1, 0, 0, 0}), PictureKind::Ico, false},
        {"PNG is judged by its decoder", "\x89PNG", PictureKind::Png, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureDataComplete(c.bytes, c.kind), c.complete) << c.name;
    }
}

TEST(PictureHeader, OnlyAMetafileIsToldByItsName) {
    const std::string gif = Gif(";");
    struct Case {
        std::string bytes;
        const char* path;
        PictureKind kind;
    } cases[] = {
        {"text", "/p/x.WMF", PictureKind::Wmf},      {"text", "/p/x.emf", PictureKind::Emf},
        {"text", "/p/x.jpg", PictureKind::Unknown},  {"text", "/p.wmf/x", PictureKind::Unknown},
        {"text", "x.emf.txt", PictureKind::Unknown}, {gif, "/p/x.wmf", PictureKind::Gif},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProbePictureKind(c.bytes, c.path), c.kind) << c.path;
    }
    EXPECT_EQ(PictureKindFromName("/p/A.JPEG"), PictureKind::Jpeg);
}

}  // namespace
}  // namespace pixora
