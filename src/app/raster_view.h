// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shows one retained image (canvas or phone preview) at its own size, pixel for pixel: no
// smoothing when a high-DPI screen scales it, so the cells stay crisp. Files dropped on it are
// reported by path; the canvas also reports mouse and arrow-key input.

#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <optional>

#include "core/raster.h"

class QPainter;

namespace pixora {

class RasterView : public QWidget {
    Q_OBJECT
public:
    RasterView(const Raster* source, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // The keyboard modifiers of the last mouse event (Shift constrains a drawing tool's drag).
    Qt::KeyboardModifiers MouseModifiers() const { return mouseModifiers_; }

    // The canvas can be zoomed: its cells are then cellPixels device pixels wide, and mouse
    // positions are still reported in the 7-pixel canvas' coordinates, so the tools need not
    // know the zoom. The 7-pixel size with the grid shows the source raster as it is.
    void SetCellPixels(int cellPixels);
    int CellPixels() const { return cellPixels_; }
    void SetGridShown(bool shown);
    bool GridShown() const { return gridShown_; }
    // Outlines one cell of the canvas (the keyboard cursor); nothing: no outline.
    void SetMarkedCell(std::optional<QPoint> cell);
    std::optional<QPoint> MarkedCell() const { return marked_; }

signals:
    // Buttons as the old mouse events numbered them: 1 left, 2 right, 4 middle, added up.
    void MouseDown(int button, QPointF position);
    void MouseMove(int buttons, QPointF position);
    void MouseUp(int button, QPointF position);
    void KeyDown(int key);
    void FileDropped(QString path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool ShowsSourceAsIs() const;
    void PaintMarkedCell(QPainter& painter) const;
    QPointF ToSource(QPointF position) const;
    void UpdateSize();

    const Raster* source_;
    int cellPixels_ = 0;
    bool gridShown_ = true;
    std::optional<QPoint> marked_;
    Raster zoomed_;
    Qt::KeyboardModifiers mouseModifiers_;
};

// Mouse buttons of a Qt event as the 1/2/4 mask.
int ButtonMask(Qt::MouseButtons buttons);

}  // namespace pixora
