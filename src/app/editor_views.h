#pragma once
// The main window's client area: the canvas, the preview with its arrow buttons and the web
// label beside it, and the text row below (text box, read-out, branding picture).

class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QString;

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

// The zoom as the status bar shows it.
QString ZoomText(int cellPixels);

// Builds the widgets into window's central widget; the arrow buttons trigger the move actions.
EditorViews BuildEditorViews(QMainWindow& window, PictureViews& views, const EditorActions& actions,
                             const QString& urlText);

}  // namespace pixora
