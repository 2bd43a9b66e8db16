// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The tools that draw one shape from where a drag starts to where it is released: lines,
// rectangles and ellipses, outlined or filled. While dragging they preview the shape; Shift
// makes a line 45-degree, a box a square. The release draws the shape into the picture as one
// undo step.

#include <string>

#include "document/tools/tool.h"

namespace pixora {

class Document;

class ShapeTool : public Tool {
public:
    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent& event) override;
    void Release(const ToolEvent& event) override;
    std::optional<PictureGrid> Preview() const override;

protected:
    ShapeTool(Document& document, std::string undoName)
        : doc_(document), undoName_(std::move(undoName)) {}
    // Draws the shape from anchor to pointer (already constrained) with value.
    virtual void Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
                      int16_t value) const = 0;
    // What Shift makes of the pointer.
    virtual CellPoint Constrain(CellPoint anchor, CellPoint pointer) const = 0;

private:
    PictureGrid Drawn() const;

    Document& doc_;
    std::string undoName_;
    bool live_ = false;
    int16_t value_ = 1;
    CellPoint anchor_;
    CellPoint pointer_;
    bool shift_ = false;
};

class LineTool : public ShapeTool {
public:
    explicit LineTool(Document& document) : ShapeTool(document, "Line") {}

protected:
    void Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
              int16_t value) const override;
    CellPoint Constrain(CellPoint anchor, CellPoint pointer) const override;
};

class RectangleTool : public ShapeTool {
public:
    RectangleTool(Document& document, bool filled)
        : ShapeTool(document, filled ? "Filled Rectangle" : "Rectangle"), filled_(filled) {}

protected:
    void Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
              int16_t value) const override;
    CellPoint Constrain(CellPoint anchor, CellPoint pointer) const override;

private:
    bool filled_;
};

class EllipseTool : public ShapeTool {
public:
    EllipseTool(Document& document, bool filled)
        : ShapeTool(document, filled ? "Filled Ellipse" : "Ellipse"), filled_(filled) {}

protected:
    void Draw(PictureGrid& picture, CellPoint anchor, CellPoint pointer,
              int16_t value) const override;
    CellPoint Constrain(CellPoint anchor, CellPoint pointer) const override;

private:
    bool filled_;
};

}  // namespace pixora
