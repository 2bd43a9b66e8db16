// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/import_fit.h"

#include <gtest/gtest.h>

#include "core/settings_keys.h"
#include "format_test_util.h"
#include "formats/file_names.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakeUserInterface;

constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

Raster BlackImage(int width, int height) {
    return Raster(width, height, kBlack);
}

TEST(FitImportedPicture, SizesWithoutAQuestion) {
    struct Case {
        int width;
        int height;
        int blackWidth;  // the black area after fitting, at the top-left
        int blackHeight;
    } cases[] = {
        {72, 28, 72, 28},   {144, 56, 72, 28}, {100, 20, 72, 20}, {50, 10, 50, 10},
        {1, 100000, 1, 28}, {0, 0, 0, 0},      {20000, 1, 72, 1},
    };
    for (const auto& c : cases) {
        MemorySettingsStore settings;
        FakeUserInterface ui;
        Raster image = BlackImage(c.width, c.height);
        FitImportedPicture(image, "/p/x.bmp", settings, ui);
        EXPECT_TRUE(ui.messages.empty());
        ASSERT_EQ(image.Width(), 72) << c.width << "x" << c.height;
        ASSERT_EQ(image.Height(), 28) << c.width << "x" << c.height;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 72; ++x) {
                const bool inside = x < c.blackWidth && y < c.blackHeight;
                ASSERT_EQ(image.Pixel(x, y), inside ? kBlack : OutputBackground)
                    << c.width << "x" << c.height << " at " << x << "," << y;
            }
        }
    }
}

TEST(FitImportedPicture, HalvesA144x56ImageBlockByBlock) {
    Raster image(144, 56, kWhite);
    image.SetPixel(2, 2, kBlack);     // block (1, 1)
    image.SetPixel(143, 55, kBlack);  // block (71, 27)
    image.SetPixel(10, 0, MakeRgb(200, 30, 90));
    image.SetPixel(11, 1, MakeRgb(100, 60, 250));  // block (5, 0): darkest per channel
    MemorySettingsStore settings;
    FakeUserInterface ui;
    FitImportedPicture(image, "x", settings, ui);
    EXPECT_EQ(image.Pixel(1, 1), kBlack);
    EXPECT_EQ(image.Pixel(71, 27), kBlack);
    EXPECT_EQ(image.Pixel(0, 0), kWhite);
    EXPECT_EQ(image.Pixel(5, 0), MakeRgb(100, 30, 90));
}

TEST(FitImportedPicture, KeepsAOnePixelLineWhenShrinking) {
    // A vertical line one pixel wide in a 300-pixel-wide drawing must survive a 4:1 shrink.
    Raster image(300, 28, kWhite);
    for (int y = 0; y < 28; ++y) {
        image.SetPixel(151, y, kBlack);
    }
    MemorySettingsStore settings;
    FakeUserInterface ui;
    FitImportedPicture(image, "x", settings, ui);
    const auto picture = ThresholdPicture(image, settings, ui);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->SetCount(), 28);
    EXPECT_TRUE(picture->IsSet(151 * 72 / 300, 0));
}

TEST(FitImportedPicture, AsksWhenWarnIfResizeIs1) {
    MemorySettingsStore settings;
    WriteInt(settings, keys::WarnIfResize, 1);
    {
        FakeUserInterface ui;
        ui.answers = {AnswerNo};
        Raster image = BlackImage(200, 100);
        FitImportedPicture(image, "/pics/big.bmp", settings, ui);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "/pics/big.bmp has\r\nthe wrong size for a picture-message.\r\n\r\n"
                  "Select 'Yes' if you want to resize the image.\r\n"
                  "Select 'No' to use only top/left part of the image.");
        EXPECT_EQ(ui.messages[0].title, "Pixora");
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(image.Width(), 200);  // No: untouched
    }
    {
        FakeUserInterface ui;
        ui.answers = {AnswerYes};
        Raster image = BlackImage(200, 100);
        FitImportedPicture(image, ClipboardDisplayName, settings, ui);
        EXPECT_EQ(ui.messages.at(0).text.rfind("The data from clipboard has\r\n", 0), 0u);
        EXPECT_EQ(image.Width(), 72);
    }
    {
        // The right size never asks.
        FakeUserInterface ui;
        Raster image = BlackImage(72, 28);
        FitImportedPicture(image, "x", settings, ui);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(FitImportedPicture, AFileTakesItsShrinkOrItsOwnCorner) {
    // A 1000 x 400 picture, white, with black pixels at (0, 0) and (1, 1) and a 1-pixel column
    // at 500 that only the shrink shows.
    Raster image(1000, 400, kWhite);
    image.SetPixel(0, 0, kBlack);
    image.SetPixel(1, 1, kBlack);
    image.FillRect(500, 0, 500, 399, kBlack);
    const ImportedImage file = MakeImportedImage(image);
    EXPECT_EQ(file.width, 1000);
    EXPECT_EQ(file.height, 400);
    struct Case {
        int warn, answer;
        std::vector<std::pair<int, int>> set;
    } cases[] = {
        {0, 0, {{0, 0}, {36, 0}, {36, 27}}},  // shrunk: the column lands in 500*72/1000
        {1, AnswerYes, {{0, 0}, {36, 0}, {36, 27}}},
        {1, AnswerNo, {{0, 0}, {1, 1}}},  // the picture's own pixels, unscaled
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        WriteInt(settings, keys::WarnIfResize, c.warn);
        FakeUserInterface ui;
        if (c.answer != 0) {
            ui.answers = {c.answer};
        }
        const Raster fitted = FitImportedPicture(file, "/p/big.bmp", settings, ui);
        EXPECT_EQ(ui.messages.size(), c.warn == 1 ? 1u : 0u);
        const auto picture = ThresholdPicture(fitted, settings, ui);
        ASSERT_TRUE(picture);
        for (const auto& [x, y] : c.set) {
            EXPECT_TRUE(picture->IsSet(x, y)) << c.answer << " at " << x << "," << y;
        }
        EXPECT_EQ(picture->SetCount(), c.answer == AnswerNo ? 2 : 1 + 28) << c.answer;
    }
    // The right size is neither asked about nor changed.
    MemorySettingsStore settings;
    WriteInt(settings, keys::WarnIfResize, 1);
    FakeUserInterface ui;
    Raster exact(72, 28, kWhite);
    exact.SetPixel(5, 5, kBlack);
    EXPECT_EQ(FitImportedPicture(MakeImportedImage(exact), "x", settings, ui), exact);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ImportDialogFilter, ListsTheFixedFilterFirstThenEveryPicture) {
    EXPECT_EQ(ImportDialogFilter({}), ImportFilter);
    EXPECT_EQ(ImportDialogFilter({"bmp", "gif", "jpg", "ico", "rle", "wmf", "emf"}), ImportFilter);
    EXPECT_EQ(ImportDialogFilter({"bmp", "jpg", "png", "webp"}),
              std::string(ImportFilter) +
                  "|All pictures (*.bmp;*.jpg;*.png;*.webp)|*.bmp;*.jpg;*.png;*.webp");
}

TEST(ThresholdPicture, ComparesEachChannelWithTheLevel) {
    struct Case {
        const char* level;  // nullptr: default
        Rgb colour;
        bool set;
    } cases[] = {
        {nullptr, MakeRgb(64, 64, 64), true},
        {nullptr, MakeRgb(65, 0, 0), false},
        {nullptr, MakeRgb(0, 0, 255), false},
        {nullptr, kWhite, false},
        {nullptr, kBlack, true},
        {"8421504", MakeRgb(128, 100, 0), true},
        {"8421504", MakeRgb(129, 100, 0), false},
        {"0", kBlack, true},
        {"0", MakeRgb(0, 1, 0), false},
        {"16777215", kWhite, true},
        {"255", MakeRgb(255, 0, 0), true},
        {"255", MakeRgb(0, 1, 0), false},
        {"16711680", MakeRgb(0, 0, 255), true},
        {"16711680", MakeRgb(1, 0, 0), false},
    };
    for (const auto& c : cases) {
        MemorySettingsStore settings;
        if (c.level != nullptr) {
            WriteText(settings, keys::ImportLevel, c.level);
        }
        FakeUserInterface ui;
        const auto picture = ThresholdPicture(Raster(72, 28, c.colour), settings, ui);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->SetCount(), c.set ? PictureCells : 0)
            << (c.level ? c.level : "default") << " " << std::hex << c.colour;
    }
}

TEST(ThresholdPicture, ReadsOutsideASmallImageAsWhite) {
    MemorySettingsStore settings;
    FakeUserInterface ui;
    const Raster small(10, 5, kBlack);
    EXPECT_EQ(ThresholdPicture(small, settings, ui)->SetCount(), 50);
    WriteText(settings, keys::ImportLevel, "16777215");
    EXPECT_EQ(ThresholdPicture(small, settings, ui)->SetCount(), PictureCells);
    // A large image: only its top-left part counts.
    Raster large(200, 100, kWhite);
    large.FillRect(0, 0, 71, 27, kBlack);
    WriteText(settings, keys::ImportLevel, "0");
    EXPECT_EQ(ThresholdPicture(large, settings, ui)->SetCount(), PictureCells);
}

TEST(ThresholdPicture, ANonNumericLevelEndsTheImport) {
    for (const char* level : {"dark", "", "12abc", "99999999999"}) {
        MemorySettingsStore settings;
        WriteText(settings, keys::ImportLevel, level);
        FakeUserInterface ui;
        EXPECT_FALSE(ThresholdPicture(Raster(72, 28, kBlack), settings, ui).has_value()) << level;
        EXPECT_TRUE(ui.messages.empty());
    }
}

}  // namespace
}  // namespace pixora
