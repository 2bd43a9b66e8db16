// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/focus_frame.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace pixora {

FocusFrame::FocusFrame(QWidget* child, QWidget* parent) : QWidget(parent), child_(child) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Width, Width, Width, Width);
    layout->setSpacing(0);
    layout->addWidget(child);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    child->installEventFilter(this);
}

bool FocusFrame::Shown() const {
    return child_->hasFocus();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == child_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    if (!Shown()) {
        return;
    }
    QPainter painter(this);
    const QRect outer = rect();
    const QColor colour = palette().color(QPalette::Highlight);
    // Four bands instead of a stroked rectangle, so the frame is Width pixels at any pen rounding.
    painter.fillRect(QRect(0, 0, outer.width(), Width), colour);
    painter.fillRect(QRect(0, outer.height() - Width, outer.width(), Width), colour);
    painter.fillRect(QRect(0, 0, Width, outer.height()), colour);
    painter.fillRect(QRect(outer.width() - Width, 0, Width, outer.height()), colour);
}

}  // namespace pixora
