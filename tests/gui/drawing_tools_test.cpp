#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/raster_view.h"
#include "core/picture_views.h"
#include "gui/gui_support.h"

namespace pixora::testing {
namespace {

QPoint At(CellPoint c) {
    return QPoint(7 * c.x + 3, 7 * c.y + 3);
}

// The cells of a box of the picture as rows of '#' (set) and '.', joined by '|'.
std::string Rows(const PictureGrid& p, int left, int top, int width, int height) {
    std::string s;
    for (int y = top; y < top + height; ++y) {
        if (y > top) {
            s += '|';
        }
        for (int x = left; x < left + width; ++x) {
            s += p.IsSet(x, y) ? '#' : '.';
        }
    }
    return s;
}

// Shortcuts reach only an active window.
::testing::AssertionResult StartActive(EditorHarness& h) {
    if (!h.Start()) {
        return ::testing::AssertionFailure() << "start-up failed";
    }
    QApplication::setActiveWindow(h.window.get());
    if (!QTest::qWaitForWindowActive(h.window.get())) {
        return ::testing::AssertionFailure() << "window not active";
    }
    return ::testing::AssertionSuccess();
}

struct ToolCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers keyModifiers;
    const char* action;
    bool filledFirst;  // the picture starts all set (the right button clears)
    Qt::MouseButton button;
    Qt::KeyboardModifiers dragModifiers;
    CellPoint from;
    CellPoint via;
    CellPoint to;
    CellPoint corner;  // the box of the picture the expected rows show; nothing changes outside
    std::string expected;
};

const ToolCase toolCases[] = {
    {"line",
     Qt::Key_L,
     Qt::NoModifier,
     "mnuToolLine",
     false,
     Qt::LeftButton,
     Qt::NoModifier,
     {2, 1},
     {9, 9},
     {6, 3},
     {2, 1},
     "#....|.##..|...##"},
    {"line snapped to 45 degrees",
     Qt::Key_L,
     Qt::NoModifier,
     "mnuToolLine",
     false,
     Qt::LeftButton,
     Qt::ShiftModifier,
     {10, 10},
     {10, 10},
     {14, 11},
     {10, 10},
     "#####|....."},
    {"line cleared with the right button",
     Qt::Key_L,
     Qt::NoModifier,
     "mnuToolLine",
     true,
     Qt::RightButton,
     Qt::NoModifier,
     {0, 3},
     {0, 3},
     {3, 0},
     {0, 0},
     "###.|##.#|#.##|.###"},
    {"rectangle",
     Qt::Key_R,
     Qt::NoModifier,
     "mnuToolRectangle",
     false,
     Qt::LeftButton,
     Qt::NoModifier,
     {5, 4},
     {1, 1},
     {2, 2},
     {2, 2},
     "####|#..#|####"},
    {"square",
     Qt::Key_R,
     Qt::NoModifier,
     "mnuToolRectangle",
     false,
     Qt::LeftButton,
     Qt::ShiftModifier,
     {0, 0},
     {0, 0},
     {3, 1},
     {0, 0},
     "####|#..#|#..#|####"},
    {"filled rectangle",
     Qt::Key_R,
     Qt::ShiftModifier,
     "mnuToolFilledRectangle",
     false,
     Qt::LeftButton,
     Qt::NoModifier,
     {70, 26},
     {70, 26},
     {71, 27},
     {70, 26},
     "##|##"},
    {"ellipse",
     Qt::Key_E,
     Qt::NoModifier,
     "mnuToolEllipse",
     false,
     Qt::LeftButton,
     Qt::NoModifier,
     {6, 4},
     {6, 4},
     {0, 0},
     {0, 0},
     "..###..|.#...#.|#.....#|.#...#.|..###.."},
    {"circle",
     Qt::Key_E,
     Qt::NoModifier,
     "mnuToolEllipse",
     false,
     Qt::LeftButton,
     Qt::ShiftModifier,
     {20, 5},
     {20, 5},
     {23, 7},
     {20, 5},
     ".##.|#..#|#..#|.##."},
    {"filled ellipse",
     Qt::Key_E,
     Qt::ShiftModifier,
     "mnuToolFilledEllipse",
     false,
     Qt::LeftButton,
     Qt::NoModifier,
     {30, 10},
     {30, 10},
     {34, 14},
     {30, 10},
     ".###.|#####|#####|#####|.###."},
};

TEST(DrawingTools, EachToolDrawsItsShapeAsOneUndoStep) {
    for (const ToolCase& c : toolCases) {
        SCOPED_TRACE(c.what);
        EditorHarness h;
        ASSERT_TRUE(StartActive(h));
        auto* canvas = h.Find<RasterView>("picMain");
        if (c.filledFirst) {
            PictureGrid all;
            for (int y = 0; y < PictureHeight; ++y) {
                for (int x = 0; x < PictureWidth; ++x) {
                    all.Set(x, y, 1);
                }
            }
            h.window->Doc().SetPicture(all);
        }
        const PictureGrid before = h.window->Doc().Picture();
        const size_t steps = h.window->Doc().History().Count();
        canvas->setFocus();
        QTest::keyClick(canvas, c.key, c.keyModifiers);
        EXPECT_TRUE(h.Find<QAction>(c.action)->isChecked());

        QTest::mousePress(canvas, c.button, c.dragModifiers, At(c.from));
        QTest::mouseMove(canvas, At(c.via));
        QTest::mouseMove(canvas, At(c.to));
        // Dragging shows the shape but leaves the document alone.
        EXPECT_EQ(h.window->Doc().Picture(), before);
        EXPECT_EQ(ModifiedOf(*h.window), 0);
        QTest::mouseRelease(canvas, c.button, c.dragModifiers, At(c.to));

        const PictureGrid& after = h.window->Doc().Picture();
        const int width = static_cast<int>(c.expected.find('|'));
        const int height = static_cast<int>(std::count(c.expected.begin(), c.expected.end(), '|'));
        EXPECT_EQ(Rows(after, c.corner.x, c.corner.y, width, height + 1), c.expected);
        const long changed = c.filledFirst ? std::count(c.expected.begin(), c.expected.end(), '.')
                                           : std::count(c.expected.begin(), c.expected.end(), '#');
        EXPECT_EQ(c.filledFirst ? PictureCells - after.SetCount() : after.SetCount(), changed);
        EXPECT_EQ(ModifiedOf(*h.window), 1);
        EXPECT_EQ(h.window->Doc().History().Count(), steps + 1);
        ASSERT_TRUE(h.window->Doc().Undo());
        EXPECT_EQ(h.window->Doc().Picture(), before);
    }
}

TEST(DrawingTools, PreviewShowsOnBothViewsAndFollowsThePointer) {
    EditorHarness h;
    ASSERT_TRUE(StartActive(h));
    auto* canvas = h.Find<RasterView>("picMain");
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_L);
    const auto canvasSet = [&](int px, int py) {
        return h.window->Views().Canvas().Pixel(7 * px + 3, 7 * py + 3) == SetColour;
    };
    const auto phoneSet = [&](int px, int py) {
        return h.window->Views().Preview().Pixel(px + PreviewPictureLeft, py + PreviewPictureTop) ==
               SetColour;
    };
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, At({0, 5}));
    QTest::mouseMove(canvas, At({10, 5}));
    EXPECT_TRUE(canvasSet(10, 5));
    EXPECT_TRUE(phoneSet(10, 5));
    // The output bitmap that copy and export take keeps the picture.
    EXPECT_NE(h.window->Views().Output().Pixel(10, 5), SetColour);
    QTest::mouseMove(canvas, At({4, 5}));
    EXPECT_FALSE(canvasSet(10, 5));
    EXPECT_FALSE(phoneSet(10, 5));
    EXPECT_TRUE(canvasSet(4, 5));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, At({4, 5}));
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(4, 5));
    EXPECT_EQ(h.window->Views().Output().Pixel(4, 5), SetColour);
}

TEST(DrawingTools, FillFillsTheFourConnectedAreaUnderThePointer) {
    EditorHarness h;
    ASSERT_TRUE(StartActive(h));
    auto* canvas = h.Find<RasterView>("picMain");
    // A wall down column 5 with a diagonal gap, which a 4-connected fill does not pass.
    PictureGrid wall;
    for (int y = 0; y < PictureHeight; ++y) {
        wall.Set(y == 10 ? 6 : 5, y, 1);
    }
    wall.Set(4, 10, 1);
    h.window->Doc().SetPicture(wall);
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_F);
    EXPECT_TRUE(h.Find<QAction>("mnuToolFill")->isChecked());
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, At({1, 1}));
    const PictureGrid& filled = h.window->Doc().Picture();
    // The five columns left of the wall all set, right of it nothing new.
    EXPECT_EQ(filled.SetCount(), 5 * PictureHeight + wall.SetCount() - 1);
    EXPECT_TRUE(filled.IsSet(0, 27));
    EXPECT_FALSE(filled.IsSet(5, 10));
    EXPECT_FALSE(filled.IsSet(7, 0));
    EXPECT_EQ(h.window->Doc().History().Count(), 1u);
    EXPECT_EQ(ModifiedOf(*h.window), 1);
    // The right button clears the set area under the pointer again, wall included.
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, At({0, 0}));
    EXPECT_EQ(h.window->Doc().Picture().SetCount(), 1);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(6, 10));
    EXPECT_EQ(h.window->Doc().History().Count(), 2u);
}

TEST(DrawingTools, FastPencilDragLeavesAConnectedLineAsOneStep) {
    EditorHarness h;
    ASSERT_TRUE(StartActive(h));
    auto* canvas = h.Find<RasterView>("picMain");
    EXPECT_TRUE(h.Find<QAction>("mnuToolPencil")->isChecked());
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, At({0, 0}));
    QTest::mouseMove(canvas, At({71, 27}));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, At({71, 27}));
    const PictureGrid& p = h.window->Doc().Picture();
    // One cell per column, each next to the one before.
    int previousRow = 0;
    for (int x = 0; x < PictureWidth; ++x) {
        std::vector<int> rows;
        for (int y = 0; y < PictureHeight; ++y) {
            if (p.IsSet(x, y)) {
                rows.push_back(y);
            }
        }
        ASSERT_EQ(rows.size(), 1u) << x;
        EXPECT_LE(std::abs(rows[0] - previousRow), 1) << x;
        previousRow = rows[0];
    }
    EXPECT_TRUE(p.IsSet(71, 27));
    EXPECT_EQ(h.window->Doc().History().Count(), 1u);
}

TEST(DrawingTools, LettersSwitchToolsOnlyOnTheCanvasAndArrowsStillMove) {
    EditorHarness h;
    ASSERT_TRUE(StartActive(h));
    auto* canvas = h.Find<RasterView>("picMain");
    auto* text = h.Find<QPlainTextEdit>("txtPMText");
    ASSERT_NE(text, nullptr);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_L);
    EXPECT_TRUE(h.Find<QAction>("mnuToolPencil")->isChecked());
    EXPECT_EQ(PictureTextOf(*h.window), "l");

    canvas->setFocus();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* action;
    } keys[] = {{Qt::Key_F, Qt::NoModifier, "mnuToolFill"},
                {Qt::Key_E, Qt::ShiftModifier, "mnuToolFilledEllipse"},
                {Qt::Key_B, Qt::NoModifier, "mnuToolPencil"}};
    for (const auto& k : keys) {
        QTest::keyClick(canvas, k.key, k.modifiers);
        EXPECT_TRUE(h.Find<QAction>(k.action)->isChecked()) << k.action;
    }
    QTest::keyClick(canvas, Qt::Key_L);
    SetCell(*h.window, 3, 0, 1);
    QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_TRUE(h.window->Doc().Picture().IsSet(3, 27));
    EXPECT_TRUE(h.Find<QAction>("mnuToolLine")->isChecked());
}

}  // namespace
}  // namespace pixora::testing
