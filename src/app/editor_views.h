// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window's client area: the canvas, the preview with its arrow buttons and the web
// label beside it, and the text row below (text box, read-out, branding picture).

class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPalette;
class QString;

#include "core/picture_views.h"

namespace pixora {

struct EditorActions;
class PictureViews;
class PMTextEdit;
class RasterView;
class CanvasArea;

struct EditorViews {
    RasterView* picMain = nullptr;
    CanvasArea* canvasArea = nullptr;
    RasterView* picDisplay = nullptr;
    PMTextEdit* txtPMText = nullptr;
    QLineEdit* txtPos = nullptr;
    QFrame* picPMTextXP = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* picBranding = nullptr;
    // The status bar: the cell under the pointer, the tool and the zoom.
    QLabel* lblStatusCell = nullptr;
    QLabel* lblStatusTool = nullptr;
    QLabel* lblStatusZoom = nullptr;
};

// A palette is dark when its window colour is darker than middle grey.
bool IsDarkPalette(const QPalette& palette);
// The web label's colour as a style sheet, while pressed or not: blue and red on a light
// palette; on a dark one those would hardly show, so the palette's own link colours.
QString LinkStyle(const QPalette& palette, bool pressed);
// The phone front's surroundings in the palette's colours, its edge a light line on a dark one.
PhoneFrontColours PhoneFrontFor(const QPalette& palette);

// The zoom as the status bar shows it.
QString ZoomText(int cellPixels);

// Builds the widgets into window's central widget; the arrow buttons trigger the move actions.
EditorViews BuildEditorViews(QMainWindow& window, PictureViews& views, const EditorActions& actions,
                             const QString& urlText);

}  // namespace pixora
