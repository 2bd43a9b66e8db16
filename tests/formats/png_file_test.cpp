// SPDX-License-Identifier: GPL-2.0-or-later
// The thumbnail PNG as an independent decoder (netpbm's pngtopnm) reads it.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "formats/png_file.h"

namespace pixora {
namespace {

// Plain PBM digits of the decoded file ('1' black), header dropped; empty when the tool failed.
std::string DecodeWithNetpbm(const std::string& path, int& width, int& height) {
    const std::string command = "pngtopnm '" + path + "' | pamtopnm -plain";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return {};
    }
    char magic[3] = {};
    width = height = 0;
    std::string pixels;
    if (std::fscanf(pipe, "%2s %d %d", magic, &width, &height) == 3) {
        int c;
        while ((c = std::fgetc(pipe)) != EOF) {
            if (c == '0' || c == '1') {
                pixels.push_back(static_cast<char>(c));
            }
        }
    }
    pclose(pipe);
    return pixels;
}

TEST(PngFile, NetpbmReadsTheCellsAtEveryScale) {
    if (std::system("command -v pngtopnm >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "netpbm is not installed";
    }
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            picture.Set(x, y, (x * 7 + y * 3) % 5 == 0 || x == PictureWidth - 1 ? 1 : 0);
        }
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / ("pixora-png-" + std::to_string(getpid())))
            .string();
    // 128 is the file manager's usual size; 1000 needs more than one stored deflate block.
    for (const int size : {16, 128, 144, 256, 1000}) {
        const int scale = ThumbnailScale(size);
        ASSERT_TRUE(
            WriteFileAtomically(path, WritePngFile(picture, PictureWidth, PictureHeight, scale)));
        int width = 0;
        int height = 0;
        const std::string pixels = DecodeWithNetpbm(path, width, height);
        ASSERT_EQ(width, PictureWidth * scale) << size;
        ASSERT_LE(width, std::max(size, PictureWidth)) << size;
        if (size >= PictureWidth) {
            ASSERT_GT(width + PictureWidth, size) << "a larger scale would fit " << size;
        }
        ASSERT_EQ(height, PictureHeight * scale) << size;
        ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height) << size;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(pixels[static_cast<size_t>(y) * width + x] == '1',
                          picture.IsSet(x / scale, y / scale))
                    << "size " << size << " at " << x << "," << y;
            }
        }
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace pixora
