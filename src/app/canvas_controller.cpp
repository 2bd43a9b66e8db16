#include "app/canvas_controller.h"

#include <QLineEdit>

#include "core/picture_views.h"

namespace pixora {

CanvasController::CanvasController(Document& document, QLineEdit& position,
                                   std::function<void(int)> moveKey)
    : doc_(document), txtPos_(position), moveKey_(std::move(moveKey)) {}

void CanvasController::SetPixelFromMouse(int button, double x, double y) {
    const int px = CellFromCanvas(x);
    const int py = CellFromCanvas(y);
    if (PictureGrid::Contains(px, py) && (button == 1 || button == 2)) {
        doc_.Paint(px, py, button == 1);
    }
}

void CanvasController::picMain_MouseDown(int button, double x, double y) {
    buttonHeld_ = true;
    doc_.BeginStroke();
    SetPixelFromMouse(button, x, y);
}

void CanvasController::picMain_MouseMove(int buttons, double x, double y) {
    if (buttonHeld_) {
        SetPixelFromMouse(buttons, x, y);
    }
    const int px = CellFromCanvas(x);
    const int py = CellFromCanvas(y);
    if (PictureGrid::Contains(px, py)) {
        txtPos_.setText(QString::fromStdString(PositionReadout(px, py)));
    }
}

void CanvasController::picMain_MouseUp() {
    buttonHeld_ = false;
    doc_.EndStroke();
}

void CanvasController::picMain_KeyDown(int key) {
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
        moveKey_(key);
    }
}

}  // namespace pixora
