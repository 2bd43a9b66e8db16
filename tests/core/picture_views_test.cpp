// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/picture_views.h"

#include <gtest/gtest.h>

#include "core/edit_ops.h"

namespace pixora {
namespace {

// The canvas colour a grid line position should have, or 0 inside a cell.
Rgb ExpectedGridColour(int x, int y) {
    const bool thickColumn = x % 56 == 0 && x >= 56 && x <= 448;
    const bool thickRow = y % 56 == 0 && y >= 56;
    if (thickColumn || thickRow) {
        return ThickGridColour;
    }
    if (x % CellSize == 0 || y % CellSize == 0) {
        return ThinGridColour;
    }
    return 0;
}

TEST(PictureViews, BlankCanvasShowsTheGridInItsColoursAndPlaces) {
    PictureViews views;
    views.BlankCanvas();
    const Raster& canvas = views.Canvas();
    ASSERT_EQ(canvas.Width(), 504);
    ASSERT_EQ(canvas.Height(), 196);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb expected = ExpectedGridColour(x, y);
            ASSERT_EQ(canvas.Pixel(x, y), expected == 0 ? ClearColour : expected)
                << "at " << x << "," << y;
        }
    }
    // The picture's own edges carry thin lines only; right and bottom carry none.
    EXPECT_EQ(canvas.Pixel(0, 100), ThinGridColour);
    EXPECT_EQ(canvas.Pixel(503, 100), ClearColour);
    EXPECT_EQ(canvas.Pixel(100, 195), ClearColour);
    EXPECT_EQ(canvas.Pixel(56, 3), ThickGridColour);
    EXPECT_EQ(canvas.Pixel(3, 168), ThickGridColour);
}

TEST(PictureViews, PaintCellDrawsOnAllThreeViews) {
    PictureViews views;
    PictureGrid grid;
    grid.Set(71, 27, 1);
    views.PaintCell(grid, 71, 27);
    // The 6 x 6 square inside the grid lines.
    EXPECT_EQ(views.Canvas().Pixel(7 * 71 + 1, 7 * 27 + 1), SetColour);
    EXPECT_EQ(views.Canvas().Pixel(7 * 71 + 6, 7 * 27 + 6), SetColour);
    EXPECT_EQ(views.Canvas().Pixel(7 * 71, 7 * 27 + 3), ThinGridColour);
    EXPECT_EQ(views.Preview().Pixel(71 + 15, 27 + 31), SetColour);
    EXPECT_EQ(views.Output().Pixel(71, 27), SetColour);
    grid.Set(71, 27, 5);  // anything but 1 is clear
    views.PaintCell(grid, 71, 27);
    EXPECT_EQ(views.Canvas().Pixel(7 * 71 + 3, 7 * 27 + 3), ClearColour);
    EXPECT_EQ(views.Output().Pixel(71, 27), ClearColour);
}

TEST(PictureViews, ClearPreviewResetsTheOutputBitmapAndOnlyThePictureArea) {
    PictureViews views;
    views.MutableOutput().Reset(300, 20, SetColour);
    const Rgb bezel = views.Preview().Pixel(3, 40);
    PictureGrid grid;
    InvertPicture(grid);
    views.RefreshPreview(grid);
    EXPECT_EQ(views.Preview().Pixel(15, 31), SetColour);
    EXPECT_EQ(views.Preview().Pixel(86, 58), SetColour);
    EXPECT_EQ(views.Preview().Pixel(87, 58), ClearColour);  // screen around the picture
    views.ClearPreview();
    EXPECT_EQ(views.Output().Width(), 72);
    EXPECT_EQ(views.Output().Height(), 28);
    for (int y = 31; y <= 58; ++y) {
        for (int x = 15; x <= 86; ++x) {
            ASSERT_EQ(views.Preview().Pixel(x, y), ClearColour);
        }
    }
    EXPECT_EQ(views.Preview().Pixel(3, 40), bezel);
    EXPECT_NE(bezel, ClearColour);
}

TEST(CellFromCanvas, MapsCellBordersAndFloorsNegatives) {
    struct Case {
        double coordinate;
        int cell;
    } cases[] = {{0, 0},      {6.99, 0}, {7, 1},     {496.9, 70}, {497, 71},
                 {503.9, 71}, {504, 72}, {-0.1, -1}, {-7, -1},    {-7.01, -2}};
    for (const auto& c : cases) {
        EXPECT_EQ(CellFromCanvas(c.coordinate), c.cell) << c.coordinate;
    }
}

}  // namespace
}  // namespace pixora
