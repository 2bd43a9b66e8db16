// SPDX-License-Identifier: GPL-2.0-or-later
// Files made by netpbm (see tests/fixtures/formats/README.md) against the WBMP reader and writer.
#include <cctype>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "formats/open_dispatch.h"
#include "formats/wbmp_file.h"

namespace pixora {
namespace {

const std::string kFolder = std::string(PIXORA_FIXTURES) + "/formats/";

struct PlainPbm {
    int width = 0;
    int height = 0;
    std::string pixels;  // '1' black, '0' white, row by row
};

// Plain ("P1") PBM as pamtopnm -plain writes it: header, then digits with any white space.
PlainPbm ReadPlainPbm(const std::string& path) {
    std::ifstream in(path);
    std::string magic;
    PlainPbm pbm;
    in >> magic >> pbm.width >> pbm.height;
    EXPECT_EQ(magic, "P1") << path;
    char c;
    while (in.get(c)) {
        if (c == '0' || c == '1') {
            pbm.pixels.push_back(c);
        }
    }
    EXPECT_EQ(pbm.pixels.size(), static_cast<size_t>(pbm.width) * pbm.height) << path;
    return pbm;
}

PictureGrid TopLeftOf(const PlainPbm& pbm) {
    PictureGrid picture;
    for (int y = 0; y < pbm.height && y < PictureHeight; ++y) {
        for (int x = 0; x < pbm.width && x < PictureWidth; ++x) {
            picture.Set(x, y, pbm.pixels[static_cast<size_t>(y) * pbm.width + x] == '1' ? 1 : 0);
        }
    }
    return picture;
}

TEST(NetpbmFixtures, WbmpFilesOpenToThePbmPixels) {
    for (const char* name : {"netpbm_text_72x28", "netpbm_text_50x20"}) {
        const PlainPbm pbm = ReadPlainPbm(kFolder + name + ".pbm");
        const auto bytes = ReadWholeFile(kFolder + name + ".wbmp");
        ASSERT_TRUE(bytes) << name;
        const OpenResult opened = OpenGraphicFile(kFolder + name + ".wbmp", *bytes);
        EXPECT_EQ(opened.action, OpenAction::Adopt) << name;
        EXPECT_EQ(opened.picture, TopLeftOf(pbm)) << name;
        EXPECT_GT(opened.picture.SetCount(), 20) << name;  // the text is really there
    }
}

TEST(NetpbmFixtures, OurWbmpMatchesNetpbmByteForByte) {
    const PlainPbm pbm = ReadPlainPbm(kFolder + "netpbm_text_72x28.pbm");
    EXPECT_EQ(WriteWbmpFile(TopLeftOf(pbm)), ReadWholeFile(kFolder + "netpbm_text_72x28.wbmp"));
}

TEST(NetpbmFixtures, AMultiByteWidthIsRefused) {
    const auto bytes = ReadWholeFile(kFolder + "netpbm_text_130x24.wbmp");
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(ReadWbmpFile(*bytes));
}

}  // namespace
}  // namespace pixora
