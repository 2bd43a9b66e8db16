// SPDX-License-Identifier: GPL-2.0-or-later
// Its own program: the scale factor must be set before the application object exists.
#include <gtest/gtest.h>

#include "app/raster_view.h"
#include "core/picture_views.h"
#include "gui/gui_support.h"
#include "platform/raster_image.h"

namespace pixora::testing {
namespace {

TEST(ScaledCanvas, GridLinesAreOneDevicePixelAndEvenlySpaced) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    EditorHarness h;
    ASSERT_TRUE(h.Start());
    auto* canvas = h.Find<RasterView>("picMain");
    ASSERT_DOUBLE_EQ(canvas->devicePixelRatioF(), 1.5);
    for (int n : {7, 10, 13}) {
        canvas->SetCellPixels(n);
        // Read one device pixel per raster pixel, not scaled back to the logical size.
        QImage image = canvas->grab().toImage();
        image.setDevicePixelRatio(1.0);
        const Raster drawn = RasterFromImage(image);
        ASSERT_GE(drawn.Width(), 72 * n) << n;
        ASSERT_GE(drawn.Height(), 28 * n) << n;
        // Across a row of cells and down a column of them, in device pixels.
        for (int x = 0; x < 72 * n; ++x) {
            const bool line = x % n == 0;
            const Rgb expected = !line                       ? ClearColour
                                 : x % (8 * n) == 0 && x > 0 ? ThickGridColour
                                                             : ThinGridColour;
            ASSERT_EQ(drawn.Pixel(x, n / 2), expected) << "zoom " << n << " x " << x;
        }
        for (int y = 0; y < 28 * n; ++y) {
            const bool line = y % n == 0;
            ASSERT_EQ(drawn.Pixel(n / 2, y) == ClearColour, !line) << "zoom " << n << " y " << y;
        }
    }
}

}  // namespace
}  // namespace pixora::testing
