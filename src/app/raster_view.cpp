#include "app/raster_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

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
    return QSize(source_->Width(), source_->Height());
}

void RasterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, source_->Width(), source_->Height()),
                      ImageViewOfRaster(*source_));
}

void RasterView::mousePressEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseDown(ButtonMask(event->button()), event->position());
}

void RasterView::mouseMoveEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseMove(ButtonMask(event->buttons()), event->position());
}

void RasterView::mouseReleaseEvent(QMouseEvent* event) {
    mouseModifiers_ = event->modifiers();
    emit MouseUp(ButtonMask(event->button()), event->position());
}

void RasterView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
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
