// SPDX-License-Identifier: GPL-2.0-or-later
// The Import with Preview dialog driven through its own controls on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <functional>
#include <vector>

#include "app/frm_import_preview.h"
#include "app/raster_view.h"
#include "core/settings_keys.h"
#include "formats/import_fit.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "import-preview-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// Grey from `from` at the left to `to` at the right.
Raster Gradient(int width, int height, int from, int to) {
    Raster image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = from + (to - from) * x / std::max(1, width - 1);
            image.SetPixel(x, y, MakeRgb(v, v, v));
        }
    }
    return image;
}

struct Dialog {
    explicit Dialog(const Raster& image, int threshold = 64)
        : window((EnsureApplication(), ImportWorkingCopy(image)), Raster(8, 8), threshold) {}
    template <typename T>
    T* Find(const char* name) {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    frmImportPreview window;
};

PictureGrid Inverted(const PictureGrid& picture) {
    PictureGrid inverted;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            inverted.Set(x, y, picture.IsSet(x, y) ? 0 : 1);
        }
    }
    return inverted;
}

TEST(ImportPreview, FirstPreviewIsThePlainImport) {
    // Grey pictures, where the luminance and the plain import's channel-wise test agree: larger
    // (shrunk), smaller (on the background) and of other proportions.
    for (const Raster& image :
         {Gradient(500, 300, 0, 255), Gradient(40, 20, 30, 200), Gradient(72, 200, 0, 255)}) {
        for (const char* level : {"4210752", "8421504", "0"}) {
            MemorySettingsStore settings;
            settings.Write(keys::ImportLevel.section, keys::ImportLevel.key, level);
            testing::FakeUserInterface ui;
            const std::optional<PictureGrid> plain = ThresholdPicture(
                FitImportedPicture(MakeImportedImage(image), "photo.jpg", settings, ui), settings,
                ui);
            ASSERT_TRUE(plain.has_value());
            Dialog dialog(image, *ImportPreviewThreshold(settings));
            EXPECT_EQ(dialog.window.Shown(), *plain) << image.Width() << " " << level;
        }
    }
}

TEST(ImportPreview, StartingThresholdIsTheLevelsLuminance) {
    const struct {
        const char* level;
        std::optional<int> threshold;
    } cases[] = {{"4210752", 64}, {"0", 0},         {"16777215", 255},
                 {"255", 76},     {"16711680", 29}, {"grey", std::nullopt}};
    for (const auto& c : cases) {
        MemorySettingsStore settings;
        settings.Write(keys::ImportLevel.section, keys::ImportLevel.key, c.level);
        EXPECT_EQ(ImportPreviewThreshold(settings), c.threshold) << c.level;
    }
}

TEST(ImportPreview, EachControlChangesThePreview) {
    const Raster gradient = Gradient(288, 112, 10, 245);
    const Raster square = Gradient(100, 100, 10, 245);
    const struct {
        const char* name;
        const Raster& image;
        std::function<void(Dialog&)> move;
        std::function<bool(const PictureGrid& before, const PictureGrid& after)> expected;
    } cases[] = {
        {"invert flips every covered cell", gradient,
         [](Dialog& d) { d.Find<QCheckBox>("chkInvert")->setChecked(true); },
         [](const PictureGrid& before, const PictureGrid& after) {
             return after == Inverted(before);
         }},
        {"threshold 0 clears all", gradient,
         [](Dialog& d) { d.Find<QSlider>("sldThreshold")->setValue(0); },
         [](const PictureGrid&, const PictureGrid& after) { return after.SetCount() == 0; }},
        {"threshold 255 sets all", gradient,
         [](Dialog& d) { d.Find<QSlider>("sldThreshold")->setValue(255); },
         [](const PictureGrid&, const PictureGrid& after) {
             return after.SetCount() == PictureCells;
         }},
        {"brightness lightens", gradient,
         [](Dialog& d) { d.Find<QSlider>("sldBrightness")->setValue(30); },
         [](const PictureGrid& before, const PictureGrid& after) {
             return after.SetCount() > 0 && after.SetCount() < before.SetCount();
         }},
        {"brightness darkens", gradient,
         [](Dialog& d) { d.Find<QSlider>("sldBrightness")->setValue(-100); },
         [](const PictureGrid& before, const PictureGrid& after) {
             return after.SetCount() > before.SetCount();
         }},
        {"no contrast leaves mid grey above the threshold", gradient,
         [](Dialog& d) { d.Find<QSlider>("sldContrast")->setValue(-100); },
         [](const PictureGrid&, const PictureGrid& after) { return after.SetCount() == 0; }},
        {"keep proportions of a square leaves margins", square,
         [](Dialog& d) { d.Find<QComboBox>("cboFit")->setCurrentIndex(1); },
         [](const PictureGrid& before, const PictureGrid& after) {
             return after != before && !after.IsSet(0, 14) && !after.IsSet(71, 14);
         }},
    };
    for (const auto& c : cases) {
        Dialog dialog(c.image);
        const PictureGrid before = dialog.window.Shown();
        c.move(dialog);
        EXPECT_TRUE(c.expected(before, dialog.window.Shown())) << c.name;
    }
}

TEST(ImportPreview, EachDitherGivesItsOwnPicture) {
    Dialog dialog(Gradient(288, 112, 0, 255), 128);
    std::vector<PictureGrid> pictures;
    for (int method = 0; method < 4; ++method) {
        dialog.Find<QComboBox>("cboDither")->setCurrentIndex(method);
        // Each method renders about half the gradient black, each in its own pattern.
        EXPECT_NEAR(dialog.window.Shown().SetCount(), PictureCells / 2, PictureCells / 10)
            << method;
        for (const PictureGrid& other : pictures) {
            EXPECT_NE(dialog.window.Shown(), other) << method;
        }
        pictures.push_back(dialog.window.Shown());
    }
}

TEST(ImportPreview, DraggingMovesTheCropInFillAndCrop) {
    // 400 x 100 covers 72 x 28 as 112 x 28: 40 cells left over across, none down.
    const struct {
        int fit;
        int dragX, dragY;  // screen pixels
        Qt::Key key;       // pressed after the drag, when not Key_unknown
        double cropX;
    } cases[] = {
        {2, 40, 0, Qt::Key_unknown, 0.25},  {2, -40, 30, Qt::Key_unknown, 0.75},
        {2, 1000, 0, Qt::Key_unknown, 0.0}, {2, -1000, 0, Qt::Key_unknown, 1.0},
        {0, 40, 0, Qt::Key_unknown, 0.5},   {3, -40, 0, Qt::Key_unknown, 0.5},
        {2, 0, 0, Qt::Key_Left, 0.525},     {2, 40, 0, Qt::Key_Right, 0.225},
        {2, 0, 0, Qt::Key_Down, 0.5},       {1, 0, 0, Qt::Key_Left, 0.5},
    };
    const Raster wide = Gradient(400, 100, 0, 255);
    for (const auto& c : cases) {
        Dialog dialog(wide, 128);
        dialog.Find<QComboBox>("cboFit")->setCurrentIndex(c.fit);
        auto* view = dialog.Find<RasterView>("picImportPreview");
        const QPoint start(140, 50);
        QTest::mousePress(view, Qt::LeftButton, {}, start);
        QTest::mouseMove(view, start + QPoint(c.dragX / 2, c.dragY / 2));
        QTest::mouseMove(view, start + QPoint(c.dragX, c.dragY));
        QTest::mouseRelease(view, Qt::LeftButton, {}, start + QPoint(c.dragX, c.dragY));
        if (c.key != Qt::Key_unknown) {
            QTest::keyClick(view, c.key);
        }
        EXPECT_NEAR(dialog.window.Settings().cropX, c.cropX, 1e-9) << c.dragX;
        EXPECT_EQ(dialog.window.Settings().cropY, 0.5) << c.dragX;
        AdjustSettings expected = dialog.window.Settings();
        expected.cropX = c.cropX;
        EXPECT_EQ(dialog.window.Shown(), ImportWorkingCopy(wide).Render(expected)) << c.dragX;
    }
}

TEST(ImportPreview, OkReturnsTheShownPictureAndCancelNothing) {
    for (const char* button : {"cmdOK", "cmdCancel"}) {
        Dialog dialog(Gradient(288, 112, 0, 255));
        EXPECT_FALSE(dialog.window.Result().has_value());
        dialog.Find<QComboBox>("cboDither")->setCurrentIndex(2);
        dialog.Find<QCheckBox>("chkInvert")->setChecked(true);
        const PictureGrid shown = dialog.window.Shown();
        QTest::mouseClick(dialog.Find<QPushButton>(button), Qt::LeftButton);
        if (button == std::string("cmdOK")) {
            EXPECT_EQ(dialog.window.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.window.Result(), shown);
        } else {
            EXPECT_EQ(dialog.window.result(), QDialog::Rejected);
            EXPECT_FALSE(dialog.window.Result().has_value());
        }
    }
}

}  // namespace
}  // namespace pixora
