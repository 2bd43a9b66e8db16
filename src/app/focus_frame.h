// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A thin frame around one widget that shows while that widget has the keyboard focus. The frame
// lies in a margin of its own, so the framed widget keeps its size and its pixels, and mouse
// positions on it mean the same with and without the frame.

#include <QWidget>

namespace pixora {

class FocusFrame : public QWidget {
public:
    static constexpr int Width = 2;
    // Takes child into a layout of its own with a margin of Width on every side.
    FocusFrame(QWidget* child, QWidget* parent);
    bool Shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* child_;
};

}  // namespace pixora
