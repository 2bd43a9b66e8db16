// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/raster_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "core/picture_views.h"
#include "platform/raster_image.h"

namespace pixora {

namespace {

// The first path of a drop, or empty when its first entry is not a local file.
QString FirstDroppedPath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
        return QString();
    }
    const QUrl first = data->urls().first();
    return first.isLocalFile() ? first.toLocalFile() : QString();
}

}  // namespace

int ButtonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) {
        mask |= 1;
    }
    if (buttons & Qt::RightButton) {
        mask |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        mask |= 4;
    }
    return mask;
}

RasterView::RasterView(const Raster* source, QWidget* parent) : QWidget(parent), source_(source) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
}

QSize RasterView::sizeHint() const {
    if (ShowsSourceAsIs()) {
        return QSize(source_->Width(), source_->Height());
    }
    // Whole device pixels per cell: the logical size rounds up so no device pixel is cut off.
    const double ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::ceil(PictureWidth * cellPixels_ / ratio)),
                 static_cast<int>(std::ceil(PictureHeight * cellPixels_ / ratio)));
}

void RasterView::SetCellPixels(int cellPixels) {
    cellPixels_ = std::clamp(cellPixels, MinCellPixels, MaxCellPixels);
    UpdateSize();
}

void RasterView::SetGridShown(bool shown) {
    gridShown_ = shown;
    update();
}

void RasterView::SetMarkedCell(std::optional<QPoint> cell) {
    if (cell != marked_) {
        marked_ = cell;
        update();
    }
}

bool RasterView::ShowsSourceAsIs() const {
    return cellPixels_ == 0 ||
           (cellPixels_ == CellSize && gridShown_ && devicePixelRatioF() == 1.0);
}

QPointF RasterView::ToSource(QPointF position) const {
    if (cellPixels_ == 0) {
        return position;
    }
    return position * devicePixelRatioF() * CellSize / cellPixels_;
}

void RasterView::UpdateSize() {
    setFixedSize(sizeHint());
    updateGeometry();
    update();
}

void RasterView::showEvent(QShowEvent* event) {
    // The screen, and with it the device pixel ratio, is known only once the view is shown.
    if (cellPixels_ != 0) {
        UpdateSize();
    }
    QWidget::showEvent(event);
}

void RasterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (ShowsSourceAsIs()) {
        painter.drawImage(QRect(0, 0, source_->Width(), source_->Height()),
                          ImageViewOfRaster(*source_));
        PaintMarkedCell(painter);
        return;
    }
    // Drawn in device pixels, so every grid line is one device pixel at any scale factor.
    DrawZoomedCanvas(*source_, cellPixels_, gridShown_, zoomed_);
    QImage image = ImageViewOfRaster(zoomed_);
    image.setDevicePixelRatio(devicePixelRatioF());
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPointF(0, 0), image);
    PaintMarkedCell(painter);
}

void RasterView::PaintMarkedCell(QPainter& painter) const {
    if (!marked_ || cellPixels_ == 0) {
        return;
    }
    // Two rings: the outer one on the grid lines in the highlight colour, the inner one inside
    // the cell in the opposite of the cell's own colour, so the outline shows on set and clear
    // cells alike, whatever the palette.
    const bool asIs = ShowsSourceAsIs();
    const int n = asIs ? CellSize : cellPixels_;
    const int ring = std::max(1, n / CellSize);
    const QColor cell = QColor::fromRgb(source_->Pixel(CellSize * marked_->x() + CellSize / 2,
                                                       CellSize * marked_->y() + CellSize / 2));
    const QColor inner = cell.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
    painter.save();
    if (!asIs) {
        painter.scale(1.0 / devicePixelRatioF(), 1.0 / devicePixelRatioF());
    }
    const auto frame = [&painter](const QRect& r, int width, const QColor& colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
    };
    const QRect outer(n * marked_->x(), n * marked_->y(), n + 1, n + 1);
    frame(outer, ring, palette().color(QPalette::Highlight));
    frame(outer.adjusted(ring, ring, -ring, -ring), ring, inner);
    painter.restore();
}

void RasterView::mousePressEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseDown(ButtonMask(event->button()), ToSource(event->position()));
}

void RasterView::mouseMoveEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseMove(ButtonMask(event->buttons()), ToSource(event->position()));
}

void RasterView::mouseReleaseEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseUp(ButtonMask(event->button()), ToSource(event->position()));
}

void RasterView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Space:
        case Qt::Key_Backspace:
        case Qt::Key_Escape:
            emit KeyDown(event->key());
            event->accept();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void RasterView::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstDroppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void RasterView::dragMoveEvent(QDragMoveEvent* event) {
    if (!FirstDroppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void RasterView::dropEvent(QDropEvent* event) {
    const QString path = FirstDroppedPath(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    emit FileDropped(path);
}

}  // namespace pixora
