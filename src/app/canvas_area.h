// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The room the canvas takes in the window. While the canvas follows the window, its cells are the
// largest whole number of device pixels (up to 32) that lets the whole picture fit the room, so
// it grows and shrinks as the user resizes the window, down to the actual size. Once the user picks
// a zoom, that zoom stays and scroll bars appear where the canvas is larger than the room.

#include <QScrollArea>
#include <functional>

namespace pixora {

class RasterView;

class CanvasArea : public QScrollArea {
public:
    // frame holds canvas; the area takes frame.
    CanvasArea(RasterView* canvas, QWidget* frame, QWidget* parent);
    // The natural size: the canvas at its actual size, whatever the zoom now.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Called with the new cell size whenever following the window changed it.
    void OnFitted(std::function<void(int)> fitted) { fitted_ = std::move(fitted); }
    void SetFollowsWindow(bool follows);
    bool FollowsWindow() const { return follows_; }
    // The cell size fitting the room now.
    int FittingCells() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    RasterView* canvas_;
    QWidget* frame_;
    bool follows_ = true;
    std::function<void(int)> fitted_;
};

}  // namespace pixora
