// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The three retained images that show the picture: the enlarged canvas with its grid, the phone
// preview at true size inside a phone front, and the hidden 72 x 28 output bitmap that copy and
// export take. Everything here only paints; the document state is the editor's business.

#include "core/picture.h"
#include "core/raster.h"

namespace pixora {

inline constexpr Rgb SetColour = MakeRgb(0, 0, 0);
inline constexpr Rgb ClearColour = MakeRgb(120, 190, 110);
inline constexpr Rgb ThinGridColour = MakeRgb(95, 153, 89);
inline constexpr Rgb ThickGridColour = MakeRgb(79, 128, 74);
inline constexpr Rgb TextBackColour = MakeRgb(110, 190, 120);

inline constexpr int CanvasWidth = PictureWidth * CellSize;    // 504
inline constexpr int CanvasHeight = PictureHeight * CellSize;  // 196
inline constexpr int PreviewWidth = 102;
inline constexpr int PreviewHeight = 79;
inline constexpr int PreviewPictureLeft = 15;
inline constexpr int PreviewPictureTop = 31;

// What lies around the phone's bezel (its rounded corners) and the bezel's outer edge; the
// editor takes both from the desktop's colours so the phone stands out on light and dark ones.
struct PhoneFrontColours {
    Rgb backdrop = MakeRgb(240, 240, 240);
    Rgb edge = MakeRgb(24, 26, 30);
};

class PictureViews {
public:
    PictureViews();

    const Raster& Canvas() const { return canvas_; }
    const Raster& Preview() const { return preview_; }
    const Raster& Output() const { return output_; }
    // Import and paste load a foreign bitmap of any size into the output bitmap first.
    Raster& MutableOutput() { return output_; }

    // One cell on all three views, black for 1 and the clear colour otherwise.
    void PaintCell(const PictureGrid& grid, int px, int py);
    // One cell on the canvas and the phone preview only: what a drag would draw is shown there
    // while the output bitmap keeps the picture.
    void ShowCell(const PictureGrid& grid, int px, int py);
    void ClearPreview();
    void RefreshPreview(const PictureGrid& grid);
    void DrawGrid();
    void BlankCanvas();
    // Draws the phone front anew in these colours; the screen keeps what it shows.
    void SetPhoneFrontColours(const PhoneFrontColours& colours);

private:
    Raster canvas_;
    Raster preview_;
    Raster output_;
};

// The phone front around the preview's screen: dark bezel, a word mark above the screen and the
// screen itself in the clear colour with rounded corners.
void DrawPhoneFront(Raster& preview, const PhoneFrontColours& colours = {});

// Canvas pixel position to picture cell, floored toward minus infinity.
int CellFromCanvas(double coordinate);

// The canvas can be shown with cells of any whole number of screen pixels in this range; the
// canvas raster above is the 7-pixel size.
inline constexpr int MinCellPixels = 4;
inline constexpr int MaxCellPixels = 32;
int ZoomedIn(int cellPixels);
int ZoomedOut(int cellPixels);
// The largest cell size whose canvas fits width x height pixels, kept within the range.
int FittingCellPixels(int width, int height);

// The picture in the two view colours, one pixel a cell: what Export writes to a colour BMP.
Raster OutputBitmap(const PictureGrid& picture);

// The canvas redrawn with cells of cellPixels pixels: the cell colours are read from the 7-pixel
// canvas (which carries what a tool would draw), the grid is drawn as there, every cellPixels a
// one-pixel line, the thick lines every eight cells, none on the right and bottom edges.
void DrawZoomedCanvas(const Raster& canvas, int cellPixels, bool grid, Raster& out);

}  // namespace pixora
