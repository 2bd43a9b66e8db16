// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/picture_views.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pixora {

namespace {

constexpr Rgb BezelColour = MakeRgb(46, 50, 58);
constexpr Rgb BezelEdgeColour = MakeRgb(24, 26, 30);
constexpr Rgb MarkColour = MakeRgb(200, 204, 210);

// Fills a rectangle whose corners are cut round with the given radius.
void FillRounded(Raster& r, int x1, int y1, int x2, int y2, int radius, Rgb colour) {
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            int dx = 0;
            int dy = 0;
            if (x < x1 + radius) {
                dx = x1 + radius - x;
            } else if (x > x2 - radius) {
                dx = x - (x2 - radius);
            }
            if (y < y1 + radius) {
                dy = y1 + radius - y;
            } else if (y > y2 - radius) {
                dy = y - (y2 - radius);
            }
            if (dx * dx + dy * dy <= radius * radius) {
                r.SetPixel(x, y, colour);
            }
        }
    }
}

// A 3 x 5 pixel font, just the letters of the word mark.
struct Glyph {
    char letter;
    const char* rows[5];
};
constexpr Glyph kGlyphs[] = {
    {'P', {"###", "#.#", "###", "#..", "#.."}}, {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}}, {'O', {"###", "#.#", "#.#", "#.#", "###"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}}, {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
};

void DrawWord(Raster& r, const char* word, int x, int y, Rgb colour) {
    for (const char* c = word; *c != '\0'; ++c) {
        for (const Glyph& g : kGlyphs) {
            if (g.letter != *c) {
                continue;
            }
            for (int row = 0; row < 5; ++row) {
                for (int col = 0; col < 3; ++col) {
                    if (g.rows[row][col] == '#') {
                        r.SetPixel(x + col, y + row, colour);
                    }
                }
            }
        }
        x += 4;
    }
}

}  // namespace

int CellFromCanvas(double coordinate) {
    return static_cast<int>(std::floor(coordinate / CellSize));
}

namespace {

// The zoom steps: single pixels where a step is still a large change, coarser further up.
constexpr int kZoomSteps[] = {4, 5, 6, 7, 8, 10, 12, 14, 16, 20, 24, 28, 32};

}  // namespace

int ZoomedIn(int cellPixels) {
    for (int step : kZoomSteps) {
        if (step > cellPixels) {
            return step;
        }
    }
    return MaxCellPixels;
}

int ZoomedOut(int cellPixels) {
    int result = MinCellPixels;
    for (int step : kZoomSteps) {
        if (step < cellPixels) {
            result = step;
        }
    }
    return result;
}

Raster OutputBitmap(const PictureGrid& picture) {
    Raster output(PictureWidth, PictureHeight, ClearColour);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            if (picture.IsSet(x, y)) {
                output.SetPixel(x, y, SetColour);
            }
        }
    }
    return output;
}

int FittingCellPixels(int width, int height) {
    const int fit = std::min(width / PictureWidth, height / PictureHeight);
    return std::clamp(fit, MinCellPixels, MaxCellPixels);
}

void DrawZoomedCanvas(const Raster& canvas, int cellPixels, bool grid, Raster& out) {
    const int n = std::clamp(cellPixels, MinCellPixels, MaxCellPixels);
    out.Reset(PictureWidth * n, PictureHeight * n, ClearColour);
    const int inset = grid ? 1 : 0;
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            const Rgb colour = canvas.Pixel(CellSize * px + 3, CellSize * py + 3);
            out.FillRect(n * px + inset, n * py + inset, n * px + n - 1, n * py + n - 1, colour);
        }
    }
    if (!grid) {
        return;
    }
    const int right = out.Width() - 1;
    const int bottom = out.Height() - 1;
    // Thin lines first, then the thick columns, then the thick rows over them.
    for (int k = 0; k < PictureHeight; ++k) {
        out.FillRect(0, n * k, right, n * k, ThinGridColour);
    }
    for (int k = 0; k < PictureWidth; ++k) {
        out.FillRect(n * k, 0, n * k, bottom, ThinGridColour);
    }
    for (int k = 8; k < PictureWidth; k += 8) {
        out.FillRect(n * k, 0, n * k, bottom, ThickGridColour);
    }
    for (int k = 8; k < PictureHeight; k += 8) {
        out.FillRect(0, n * k, right, n * k, ThickGridColour);
    }
}

void DrawPhoneFront(Raster& preview, const PhoneFrontColours& colours) {
    preview.Reset(PreviewWidth, PreviewHeight, colours.backdrop);
    FillRounded(preview, 0, 0, PreviewWidth - 1, PreviewHeight - 1, 9, colours.edge);
    FillRounded(preview, 1, 1, PreviewWidth - 2, PreviewHeight - 2, 8, BezelColour);
    // Earpiece slot and the word mark above the screen.
    preview.FillRect(43, 3, 58, 4, BezelEdgeColour);
    const char* word = "PIXORA";
    const int wordWidth = static_cast<int>(std::strlen(word)) * 4 - 1;
    DrawWord(preview, word, (PreviewWidth - wordWidth) / 2, 9, MarkColour);
    FillRounded(preview, 6, 18, 94, 71, 4, ClearColour);
}

PictureViews::PictureViews()
    : canvas_(CanvasWidth, CanvasHeight, ClearColour),
      output_(PictureWidth, PictureHeight, ClearColour) {
    DrawPhoneFront(preview_);
    DrawGrid();
}

void PictureViews::SetPhoneFrontColours(const PhoneFrontColours& colours) {
    Raster picture(PictureWidth, PictureHeight);
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            picture.SetPixel(px, py,
                             preview_.Pixel(px + PreviewPictureLeft, py + PreviewPictureTop));
        }
    }
    DrawPhoneFront(preview_, colours);
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            preview_.SetPixel(px + PreviewPictureLeft, py + PreviewPictureTop,
                              picture.Pixel(px, py));
        }
    }
}

void PictureViews::PaintCell(const PictureGrid& grid, int px, int py) {
    ShowCell(grid, px, py);
    output_.SetPixel(px, py, grid.IsSet(px, py) ? SetColour : ClearColour);
}

void PictureViews::ShowCell(const PictureGrid& grid, int px, int py) {
    const Rgb colour = grid.IsSet(px, py) ? SetColour : ClearColour;
    canvas_.FillRect(CellSize * px + 1, CellSize * py + 1, CellSize * px + 6, CellSize * py + 6,
                     colour);
    preview_.SetPixel(px + PreviewPictureLeft, py + PreviewPictureTop, colour);
}

void PictureViews::ClearPreview() {
    preview_.FillRect(PreviewPictureLeft, PreviewPictureTop, PreviewPictureLeft + PictureWidth - 1,
                      PreviewPictureTop + PictureHeight - 1, ClearColour);
    output_.Reset(PictureWidth, PictureHeight, ClearColour);
}

void PictureViews::RefreshPreview(const PictureGrid& grid) {
    ClearPreview();
    for (int py = 0; py < PictureHeight; ++py) {
        for (int px = 0; px < PictureWidth; ++px) {
            if (grid.IsSet(px, py)) {
                preview_.SetPixel(px + PreviewPictureLeft, py + PreviewPictureTop, SetColour);
                output_.SetPixel(px, py, SetColour);
            }
        }
    }
}

void PictureViews::DrawGrid() {
    // Lines run one pixel past the drawing area; the raster clips them, so the right and bottom
    // edges carry no line, as on the phone-sized original.
    for (int k = 0; k <= PictureHeight; ++k) {
        canvas_.FillRect(0, CellSize * k, 505, CellSize * k, ThinGridColour);
    }
    for (int k = 0; k <= PictureWidth; ++k) {
        canvas_.FillRect(CellSize * k, 0, CellSize * k, 197, ThinGridColour);
    }
    for (int k = 0; k <= 7; ++k) {
        canvas_.FillRect(56 * k + 56, 0, 56 * k + 56, 197, ThickGridColour);
    }
    for (int d = 1; d <= 4; ++d) {
        canvas_.FillRect(0, 56 * d, 505, 56 * d, ThickGridColour);
    }
}

void PictureViews::BlankCanvas() {
    canvas_.FillRect(0, 0, CanvasWidth, CanvasHeight, ClearColour);
    DrawGrid();
}

}  // namespace pixora
