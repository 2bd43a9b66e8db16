// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/focus_frame.h"
#include "app/raster_view.h"
#include "core/picture_views.h"
#include "gui/gui_support.h"
#include "platform/raster_image.h"

namespace pixora::testing {
namespace {

Raster Drawn(RasterView* canvas) {
    return RasterFromImage(canvas->grab().toImage());
}

int SetCells(const PictureGrid& picture) {
    int n = 0;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            n += picture.IsSet(x, y) ? 1 : 0;
        }
    }
    return n;
}

TEST(Zoom, MenuStepsStayWithinFourAndThirtyTwo) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    const struct {
        const char* action;
        int times;
        int cellPixels;
    } steps[] = {
        {"mnuZoomIn", 1, 8},   {"mnuZoomOut", 2, 6},   {"mnuZoomOut", 9, 4},
        {"mnuZoomIn", 30, 32}, {"mnuZoomReset", 1, 7},
    };
    for (const auto& s : steps) {
        for (int i = 0; i < s.times; ++i) {
            h.Find<QAction>(s.action)->trigger();
        }
        EXPECT_EQ(canvas->CellPixels(), s.cellPixels) << s.action;
        EXPECT_EQ(canvas->size(), QSize(72 * s.cellPixels, 28 * s.cellPixels)) << s.action;
        EXPECT_EQ(h.Find<QLabel>("lblStatusZoom")->text(), ZoomText(s.cellPixels));
    }
}

TEST(Zoom, ClickPaintsTheZoomedCellAndTheStatusBarFollows) {
    const struct {
        int cellPixels, px, py, dx, dy;
    } cases[] = {{4, 0, 0, 1, 1}, {4, 71, 27, 3, 3}, {12, 9, 8, 11, 1}, {32, 40, 20, 31, 31}};
    for (const auto& c : cases) {
        EditorHarness h;
        ASSERT_TRUE(h.Start());
        auto* canvas = h.Find<RasterView>("picMain");
        canvas->SetCellPixels(c.cellPixels);
        const QPoint at(c.cellPixels * c.px + c.dx, c.cellPixels * c.py + c.dy);
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_TRUE(h.window->Doc().Picture().IsSet(c.px, c.py)) << c.cellPixels;
        EXPECT_EQ(SetCells(h.window->Doc().Picture()), 1) << c.cellPixels;
        // Sent to the canvas itself: the zoomed canvas may be larger than the offscreen window.
        QMouseEvent move(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        EXPECT_EQ(h.Find<QLabel>("lblStatusCell")->text(),
                  QString("%1, %2").arg(c.px + 1).arg(c.py + 1));
        // The zoomed cell shows the pixel black, its grid line (top-left) stays.
        const Raster drawn = Drawn(canvas);
        EXPECT_EQ(drawn.Pixel(at.x(), at.y()), SetColour) << c.cellPixels;
        EXPECT_NE(drawn.Pixel(c.cellPixels * c.px, c.cellPixels * c.py), SetColour);
    }
}

TEST(Zoom, ActualSizeDrawsTheCanvasRasterAndTheGridSwitches) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 8, 8, 1);
    SetCell(*h.window, 71, 27, 1);
    auto* canvas = h.Find<RasterView>("picMain");
    const Raster& raster = h.window->Views().Canvas();
    Raster zoomed;
    DrawZoomedCanvas(raster, CellSize, true, zoomed);
    EXPECT_EQ(zoomed, raster);
    EXPECT_EQ(Drawn(canvas), raster);

    canvas->SetCellPixels(10);
    const struct {
        bool grid;
        Rgb thin, thick;
    } cases[] = {{true, ThinGridColour, ThickGridColour}, {false, ClearColour, ClearColour}};
    for (const auto& c : cases) {
        h.Find<QAction>("mnuGrid")->setChecked(c.grid);
        const Raster drawn = Drawn(canvas);
        EXPECT_EQ(drawn.Pixel(10, 5), c.thin) << c.grid;
        EXPECT_EQ(drawn.Pixel(80, 5), c.thick) << c.grid;
        EXPECT_EQ(drawn.Pixel(85, 85), SetColour) << c.grid;
        EXPECT_EQ(drawn.Pixel(11, 5), ClearColour) << c.grid;
    }
    h.Find<QAction>("mnuGrid")->setChecked(true);
    h.Find<QAction>("mnuZoomReset")->trigger();
    EXPECT_EQ(Drawn(canvas), raster);
}

TEST(Zoom, TheCellsFollowTheWindowUntilTheUserZooms) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    auto* area = h.Find<QWidget>("fraCanvasArea");
    ASSERT_EQ(canvas->CellPixels(), CellSize);
    const QSize start = h.window->size();
    // Each step: the window's growth over its start size, and the cells the canvas should have.
    const struct {
        const char* action;
        int grow;
        bool fitted;
    } steps[] = {{nullptr, 300, true}, {nullptr, 0, true},        {"mnuZoomIn", 300, false},
                 {nullptr, 0, false},  {"mnuZoomFit", 300, true}, {"mnuZoomReset", 300, false}};
    for (const auto& s : steps) {
        if (s.action != nullptr) {
            h.Find<QAction>(s.action)->trigger();
        }
        const int before = canvas->CellPixels();
        h.window->resize(start + QSize(s.grow, s.grow));
        QApplication::processEvents();
        const int fitting = std::min((area->width() - 4) / 72, (area->height() - 4) / 28);
        if (s.fitted) {
            EXPECT_EQ(canvas->CellPixels(), std::clamp(fitting, 4, 32)) << s.grow;
            EXPECT_GE(canvas->CellPixels(), s.grow > 0 ? CellSize + 1 : CellSize) << s.grow;
        } else {
            EXPECT_EQ(canvas->CellPixels(), before) << (s.action ? s.action : "resize");
        }
        EXPECT_EQ(h.Find<QLabel>("lblStatusZoom")->text(), ZoomText(canvas->CellPixels()));
    }
}

TEST(Zoom, ViewsHaveAccessibleNames) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Find<RasterView>("picMain")->accessibleName(), "Picture, 72 by 28 cells");
    EXPECT_FALSE(h.Find<RasterView>("picDisplay")->accessibleName().isEmpty());
}

TEST(Zoom, TheFocusFrameShowsOnlyWhileTheCanvasHasTheFocus) {
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    QApplication::setActiveWindow(h.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    auto* canvas = h.Find<RasterView>("picMain");
    auto* frame = h.Find<FocusFrame>("fraCanvasFocus");
    const QColor highlight = frame->palette().color(QPalette::Highlight);
    const Raster before = Drawn(canvas);
    for (const bool focused : {true, false, true}) {
        if (focused) {
            canvas->setFocus();
        } else {
            h.Find<QWidget>("txtPMText")->setFocus();
        }
        QApplication::processEvents();
        ASSERT_EQ(canvas->hasFocus(), focused);
        const QImage image = frame->grab().toImage();
        // The corner and the middle of each side; the cells inside keep their pixels.
        const int w = image.width() - 1;
        const int h2 = image.height() - 1;
        for (const QPoint p : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w, h2 / 2), QPoint(w / 2, h2),
                               QPoint(0, h2 / 2), QPoint(1, 1)}) {
            EXPECT_EQ(image.pixelColor(p) == highlight, focused) << p.x() << "," << p.y();
        }
        EXPECT_EQ(canvas->pos(), QPoint(FocusFrame::Width, FocusFrame::Width));
        EXPECT_EQ(Drawn(canvas), before);
    }
}

}  // namespace
}  // namespace pixora::testing
