// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/raster_view.h"
#include "core/edit_ops.h"
#include "core/picture_views.h"
#include "core/pixel_fonts.h"
#include "gui/gui_support.h"
#include "support/picture_rows.h"

namespace pixora::testing {
namespace {

QPoint At(CellPoint c) {
    return QPoint(7 * c.x + 3, 7 * c.y + 3);
}

// Shortcuts reach only an active window.
void StartActive(EditorHarness& h) {
    ASSERT_TRUE(h.Start());
    QApplication::setActiveWindow(h.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.Find<RasterView>("picMain")->setFocus();
}

TEST(DrawingTools, EachToolDrawsItsShapeOnReleaseAsOneUndoStep) {
    // The right button starts from an all-set picture and clears the shape.
    const struct {
        const char* keys;
        const char* action;
        bool right;
        bool shift;
        CellPoint from, to, corner;
        std::string expected;
    } cases[] = {
        {"L", "mnuToolLine", false, false, {2, 1}, {6, 3}, {2, 1}, "#....|.##..|...##"},
        {"L", "mnuToolLine", false, true, {10, 10}, {14, 11}, {10, 10}, "#####|....."},
        {"L", "mnuToolLine", true, false, {0, 3}, {3, 0}, {0, 0}, "###.|##.#|#.##|.###"},
        {"R", "mnuToolRectangle", false, false, {5, 4}, {2, 2}, {2, 2}, "####|#..#|####"},
        {"R", "mnuToolRectangle", false, true, {0, 0}, {3, 1}, {0, 0}, "####|#..#|#..#|####"},
        {"Shift+R", "mnuToolFilledRectangle", false, false, {70, 26}, {71, 27}, {70, 26}, "##|##"},
        {"E",
         "mnuToolEllipse",
         false,
         false,
         {6, 4},
         {0, 0},
         {0, 0},
         "..###..|.#...#.|#.....#|.#...#.|..###.."},
        {"E", "mnuToolEllipse", false, true, {20, 5}, {23, 7}, {20, 5}, ".##.|#..#|#..#|.##."},
        {"Shift+E",
         "mnuToolFilledEllipse",
         false,
         false,
         {30, 10},
         {34, 14},
         {30, 10},
         ".###.|#####|#####|#####|.###."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EditorHarness h;
        StartActive(h);
        auto* canvas = h.Find<RasterView>("picMain");
        const bool clearing = c.right;
        const Qt::MouseButton button = c.right ? Qt::RightButton : Qt::LeftButton;
        const Qt::KeyboardModifiers shift = c.shift ? Qt::ShiftModifier : Qt::NoModifier;
        if (clearing) {
            PictureGrid all;
            DrawRectangle(all, {0, 0}, {71, 27}, true, 1);
            h.window->Doc().SetPicture(all);
        }
        const PictureGrid before = h.window->Doc().Picture();
        QTest::keySequence(canvas, QKeySequence(c.keys));
        EXPECT_TRUE(h.Find<QAction>(c.action)->isChecked());

        // The drag wanders off first: only where it is released counts.
        QTest::mousePress(canvas, button, shift, At(c.from));
        QTest::mouseMove(canvas, At({71, 0}));
        QTest::mouseMove(canvas, At(c.to));
        EXPECT_EQ(h.window->Doc().Picture(), before);
        EXPECT_EQ(ModifiedOf(*h.window), 0);
        QTest::mouseRelease(canvas, button, shift, At(c.to));

        const PictureGrid& after = h.window->Doc().Picture();
        const int width = static_cast<int>(c.expected.find('|'));
        const int height = static_cast<int>(std::count(c.expected.begin(), c.expected.end(), '|'));
        EXPECT_EQ(Rows(after, c.corner, width, height + 1), c.expected);
        // Nothing changed outside the box.
        EXPECT_EQ(clearing ? PictureCells - after.SetCount() : after.SetCount(),
                  std::count(c.expected.begin(), c.expected.end(), clearing ? '.' : '#'));
        EXPECT_EQ(ModifiedOf(*h.window), 1);
        EXPECT_EQ(h.window->Doc().History().Count(), 1u);
        ASSERT_TRUE(h.window->Doc().Undo());
        EXPECT_EQ(h.window->Doc().Picture(), before);
    }
}

TEST(DrawingTools, PreviewShowsOnBothViewsAndFollowsThePointer) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    QTest::keyClick(canvas, Qt::Key_L);
    const PictureViews& views = h.window->Views();
    const auto shown = [&](int px) {
        const bool onCanvas = views.Canvas().Pixel(7 * px + 3, 7 * 5 + 3) == SetColour;
        const bool onPhone =
            views.Preview().Pixel(px + PreviewPictureLeft, 5 + PreviewPictureTop) == SetColour;
        EXPECT_EQ(onCanvas, onPhone) << px;
        return onCanvas;
    };
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, At({0, 5}));
    QTest::mouseMove(canvas, At({10, 5}));
    EXPECT_TRUE(shown(10));
    // The output bitmap that copy and export take keeps the picture.
    EXPECT_NE(views.Output().Pixel(10, 5), SetColour);
    QTest::mouseMove(canvas, At({4, 5}));
    EXPECT_FALSE(shown(10));
    EXPECT_TRUE(shown(4));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, At({4, 5}));
    EXPECT_EQ(views.Output().Pixel(4, 5), SetColour);
}

TEST(DrawingTools, FillTakesTheFourConnectedAreaUnderThePointer) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    // A wall down column 5 with a diagonal step at row 10 that a 4-connected fill cannot pass.
    PictureGrid wall;
    DrawLine(wall, {5, 0}, {5, 27}, 1);
    wall.Set(5, 10, 0);
    wall.Set(4, 10, 1);
    wall.Set(6, 10, 1);
    h.window->Doc().SetPicture(wall);
    QTest::keyClick(canvas, Qt::Key_F);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At({1, 1}));
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), 5 * PictureHeight + wall.SetCount() - 1);
    EXPECT_FALSE(h.window->Doc().Picture().IsSet(5, 10));
    EXPECT_EQ(ModifiedOf(*h.window), 1);
    // The right button clears the set area again, the wall with it, but not the lone cell.
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, At({0, 0}));
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), 1);
    EXPECT_EQ(h.window->Doc().History().Count(), 2u);
}

TEST(DrawingTools, FastPencilDragLeavesAConnectedLineAsOneStep) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    EXPECT_TRUE(h.Find<QAction>("mnuToolPencil")->isChecked());
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, At({0, 0}));
    QTest::mouseMove(canvas, At({71, 27}));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, At({71, 27}));
    const PictureGrid& p = h.window->Doc().Picture();
    // One cell per column, each beside the one before, from corner to corner.
    EXPECT_EQ(p.SetCount(), PictureWidth);
    int previous = 0;
    for (int x = 0; x < PictureWidth; ++x) {
        int y = 0;
        while (y < PictureHeight && !p.IsSet(x, y)) {
            ++y;
        }
        ASSERT_LT(y, PictureHeight) << x;
        ASSERT_LE(std::abs(y - previous), 1) << x;
        previous = y;
    }
    EXPECT_TRUE(p.IsSet(71, 27));
    EXPECT_EQ(h.window->Doc().History().Count(), 1u);
}

TEST(DrawingTools, LettersSwitchToolsOnlyOnTheCanvasAndArrowsStillMove) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    auto* text = h.Find<QPlainTextEdit>("txtPMText");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_L);
    EXPECT_TRUE(h.Find<QAction>("mnuToolPencil")->isChecked());
    EXPECT_EQ(PictureTextOf(*h.window), "l");

    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_F);
    QTest::keyClick(canvas, Qt::Key_B);
    EXPECT_TRUE(h.Find<QAction>("mnuToolPencil")->isChecked());
    QTest::keyClick(canvas, Qt::Key_L);
    SetCell(*h.window, 3, 0, 1);
    QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(3, 27));
    EXPECT_TRUE(h.Find<QAction>("mnuToolLine")->isChecked());
}

// The tools' letters are text while typing: "Bell" holds B, E and L.
TEST(DrawingTools, TextIsTypedAtTheCellAndCommittedAsOneStep) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    QTest::keyClick(canvas, Qt::Key_T);
    ASSERT_TRUE(h.Find<QAction>("mnuToolText")->isChecked());
    h.Find<QAction>("mnuFontBold")->trigger();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At({4, 3}));
    QTest::keyClicks(canvas, "Bellx");
    QTest::keyClick(canvas, Qt::Key_Backspace);
    QTest::keyClick(canvas, Qt::Key_Left);
    EXPECT_TRUE(h.Find<QAction>("mnuToolText")->isChecked());
    EXPECT_EQ(h.window->Doc().Picture(), PictureGrid());
    QTest::keyClick(canvas, Qt::Key_Return);

    PictureGrid expected;
    DrawText(expected, 4, 3, U"Bell", PixelFontId::Bold);
    EXPECT_EQ(h.window->Doc().Picture(), expected);
    EXPECT_EQ(h.window->Views().Output().Pixel(4, 4), SetColour);
    EXPECT_EQ(ModifiedOf(*h.window), 1);
    EXPECT_EQ(h.window->Doc().History().Count(), 1u);
    // With nothing pending the letters switch tools again.
    QTest::keyClick(canvas, Qt::Key_L);
    EXPECT_TRUE(h.Find<QAction>("mnuToolLine")->isChecked());
    ASSERT_TRUE(h.window->Doc().Undo());
    EXPECT_EQ(h.window->Doc().Picture(), PictureGrid());
}

TEST(DrawingTools, ACommandFirstPutsThePendingTextIntoThePicture) {
    EditorHarness h;
    StartActive(h);
    auto* canvas = h.Find<RasterView>("picMain");
    QTest::keyClick(canvas, Qt::Key_T);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At({2, 2}));
    QTest::keyClicks(canvas, "Hi");
    h.Find<QAction>("mnuInvert")->trigger();
    PictureGrid expected;
    DrawText(expected, 2, 2, U"Hi", PixelFontId::Normal);
    InvertPicture(expected);
    EXPECT_EQ(h.window->Doc().Picture(), expected);
    EXPECT_EQ(h.window->Doc().History().Count(), 2u);
    // Nothing is left over to land in the next picture.
    QTest::keyClick(canvas, Qt::Key_L);
    EXPECT_TRUE(h.Find<QAction>("mnuToolLine")->isChecked());
}

}  // namespace
}  // namespace pixora::testing
