// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/canvas_area.h"

#include <QResizeEvent>

#include "app/focus_frame.h"
#include "app/raster_view.h"
#include "core/picture.h"
#include "core/picture_views.h"

namespace pixora {

CanvasArea::CanvasArea(RasterView* canvas, QWidget* frame, QWidget* parent)
    : QScrollArea(parent), canvas_(canvas), frame_(frame) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(frame);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CanvasArea::sizeHint() const {
    const int border = 2 * FocusFrame::Width;
    return QSize(PictureWidth * CellSize + border, PictureHeight * CellSize + border);
}

QSize CanvasArea::minimumSizeHint() const {
    // The window never gets smaller than the actual-size canvas, as before zooming existed:
    // following the window only grows the cells, and smaller cells are the user's choice.
    return sizeHint();
}

int CanvasArea::FittingCells() const {
    const int border = 2 * FocusFrame::Width;
    const double ratio = devicePixelRatioF();
    const int width = static_cast<int>((size().width() - border) * ratio);
    const int height = static_cast<int>((size().height() - border) * ratio);
    return FittingCellPixels(width, height);
}

void CanvasArea::SetFollowsWindow(bool follows) {
    follows_ = follows;
    if (follows_) {
        Fit();
    }
}

void CanvasArea::Fit() {
    if (follows_ && canvas_->CellPixels() != FittingCells()) {
        canvas_->SetCellPixels(FittingCells());
        frame_->adjustSize();
        if (fitted_) {
            fitted_(canvas_->CellPixels());
        }
    }
}

void CanvasArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    Fit();
}

}  // namespace pixora
