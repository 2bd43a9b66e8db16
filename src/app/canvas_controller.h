#pragma once
// Painting on the canvas with the mouse (left button sets a cell, right button clears it), the
// position read-out, and the arrow keys that move the picture.

#include <functional>

#include "document/document.h"

class QLineEdit;

namespace pixora {

class CanvasController {
public:
    // moveKey is called with the arrow key pressed on the canvas.
    CanvasController(Document& document, QLineEdit& position, std::function<void(int)> moveKey);

    void picMain_MouseDown(int button, double x, double y);
    void picMain_MouseMove(int buttons, double x, double y);
    void picMain_MouseUp();
    void picMain_KeyDown(int key);

private:
    void SetPixelFromMouse(int button, double x, double y);

    Document& doc_;
    QLineEdit& txtPos_;
    std::function<void(int)> moveKey_;
    bool buttonHeld_ = false;
};

}  // namespace pixora
