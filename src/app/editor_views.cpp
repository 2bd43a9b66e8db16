// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/editor_views.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/canvas_area.h"
#include "app/editor_actions.h"
#include "app/focus_frame.h"
#include "app/pm_text_edit.h"
#include "app/raster_view.h"
#include "core/picture_views.h"

namespace pixora {

namespace {

QColor ToQColor(Rgb c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QString LinkStyle(const QPalette& palette, bool pressed) {
    if (!IsDarkPalette(palette)) {
        return pressed ? "color: rgb(192, 0, 0);" : "color: rgb(0, 0, 192);";
    }
    const QColor colour = palette.color(pressed ? QPalette::LinkVisited : QPalette::Link);
    return QString("color: rgb(%1, %2, %3);")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

PhoneFrontColours PhoneFrontFor(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    PhoneFrontColours colours;
    colours.backdrop = MakeRgb(window.red(), window.green(), window.blue());
    if (IsDarkPalette(palette)) {
        // Half way to the text colour: the dark bezel gets an outline against a dark window.
        const QColor text = palette.color(QPalette::WindowText);
        colours.edge = MakeRgb((window.red() + text.red()) / 2, (window.green() + text.green()) / 2,
                               (window.blue() + text.blue()) / 2);
    }
    return colours;
}

QString ZoomText(int cellPixels) {
    return QCoreApplication::translate("frmEdit", "%1 px per cell").arg(cellPixels);
}

EditorViews BuildEditorViews(QMainWindow& window, PictureViews& views, const EditorActions& actions,
                             const QString& urlText) {
    EditorViews v;
    auto* central = new QWidget(&window);
    central->setObjectName("frmEditClient");
    auto* grid = new QGridLayout(central);

    v.picMain = new RasterView(&views.Canvas(), central);
    v.picMain->setObjectName("picMain");
    v.picMain->setFocusPolicy(Qt::StrongFocus);
    v.picMain->setMouseTracking(true);
    v.picMain->setCursor(Qt::CrossCursor);
    v.picMain->SetCellPixels(CellSize);
    v.picMain->setAccessibleName(QCoreApplication::translate("frmEdit", "Picture, %1 by %2 cells")
                                     .arg(PictureWidth)
                                     .arg(PictureHeight));
    v.picMain->setAccessibleDescription(QCoreApplication::translate(
        "frmEdit",
        "Left button sets a cell, right button clears it; the arrow keys move the picture. "
        "K switches the keyboard cursor on and off: the arrow keys then move it, Space sets "
        "the cell under it, Backspace clears it and Esc switches it off."));
    auto* frame = new FocusFrame(v.picMain, central);
    frame->setObjectName("fraCanvasFocus");
    v.canvasArea = new CanvasArea(v.picMain, frame, central);
    v.canvasArea->setObjectName("fraCanvasArea");
    grid->addWidget(v.canvasArea, 0, 0, 1, 1);

    auto* side = new QVBoxLayout();
    v.picDisplay = new RasterView(&views.Preview(), central);
    v.picDisplay->setObjectName("picDisplay");
    v.picDisplay->setAccessibleName(
        QCoreApplication::translate("frmEdit", "Phone display preview"));
    v.picDisplay->setAccessibleDescription(QCoreApplication::translate(
        "frmEdit",
        "The picture at its true size, as a phone shows it. Drop a file here to open it."));
    side->addWidget(v.picDisplay, 0, Qt::AlignHCenter);

    auto* arrows = new QGridLayout();
    auto arrow = [&](const char* name, const QString& glyph, const QString& tip, int row, int col,
                     QAction* action) {
        auto* button = new QToolButton(central);
        button->setObjectName(name);
        button->setText(glyph);
        button->setToolTip(tip);
        // The glyph alone says nothing to a screen reader.
        button->setAccessibleName(tip);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
        arrows->addWidget(button, row, col);
    };
    arrow("cmdUp", QString::fromUtf8("\u25B2"), QCoreApplication::translate("frmEdit", "Move up"),
          0, 1, actions.mnuMoveUp);
    arrow("cmdLeft", QString::fromUtf8("\u25C0"),
          QCoreApplication::translate("frmEdit", "Move left"), 1, 0, actions.mnuMoveLeft);
    arrow("cmdRight", QString::fromUtf8("\u25B6"),
          QCoreApplication::translate("frmEdit", "Move right"), 1, 2, actions.mnuMoveRight);
    arrow("cmdDown", QString::fromUtf8("\u25BC"),
          QCoreApplication::translate("frmEdit", "Move down"), 2, 1, actions.mnuMoveDown);
    side->addLayout(arrows);
    side->addStretch(1);
    v.lblURL = new QLabel(urlText, central);
    v.lblURL->setObjectName("lblURL");
    v.lblURL->setCursor(Qt::PointingHandCursor);
    v.lblURL->setAccessibleName(QCoreApplication::translate("frmEdit", "Web site"));
    v.lblURL->setAccessibleDescription(
        QCoreApplication::translate("frmEdit", "Opens the web site in the browser."));
    v.lblURL->setStyleSheet(LinkStyle(window.palette(), false));
    side->addWidget(v.lblURL, 0, Qt::AlignHCenter);
    grid->addLayout(side, 0, 1, 2, 1);

    auto* textRow = new QHBoxLayout();
    v.picPMTextXP = new QFrame(central);
    v.picPMTextXP->setObjectName("picPMTextXP");
    v.picPMTextXP->setVisible(false);
    v.txtPMText = new PMTextEdit(central);
    v.txtPMText->setObjectName("txtPMText");
    v.txtPMText->setToolTip(
        QCoreApplication::translate("frmEdit", "Text for Picture-Message (121 chars)"));
    v.txtPMText->setAccessibleName(QCoreApplication::translate("frmEdit", "Picture message text"));
    v.txtPMText->setAccessibleDescription(
        QCoreApplication::translate("frmEdit", "Up to 121 characters sent with the picture."));
    QPalette palette = v.txtPMText->palette();
    palette.setColor(QPalette::Base, ToQColor(TextBackColour));
    palette.setColor(QPalette::Text, Qt::black);
    v.txtPMText->setPalette(palette);
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    v.txtPMText->setFont(font);
    v.txtPMText->setFixedHeight(48);
    textRow->addWidget(v.txtPMText, 1);

    v.txtPos = new QLineEdit(central);
    v.txtPos->setObjectName("txtPos");
    v.txtPos->setReadOnly(true);
    v.txtPos->setFocusPolicy(Qt::NoFocus);
    v.txtPos->setToolTip(
        QCoreApplication::translate("frmEdit", "Position of cursor OR chars left in text"));
    // The name says what the box shows; its text is the number itself.
    v.txtPos->setAccessibleName(
        QCoreApplication::translate("frmEdit", "Cell position or characters left"));
    v.txtPos->setFixedWidth(64);
    textRow->addWidget(v.txtPos, 0, Qt::AlignTop);
    v.picBranding = new QLabel(central);
    v.picBranding->setObjectName("picBranding");
    v.picBranding->setVisible(false);
    v.picBranding->setAccessibleName(QCoreApplication::translate("frmEdit", "Branding picture"));
    textRow->addWidget(v.picBranding, 0, Qt::AlignTop);
    grid->addLayout(textRow, 1, 0);

    window.setCentralWidget(central);

    QStatusBar* status = window.statusBar();
    status->setObjectName("statusBar");
    auto label = [status](const char* name, const QString& text, int stretch) {
        auto* l = new QLabel(text, status);
        l->setObjectName(name);
        status->addWidget(l, stretch);
        return l;
    };
    v.lblStatusCell = label("lblStatusCell", QString(), 1);
    v.lblStatusTool = label("lblStatusTool", QString(), 0);
    v.lblStatusZoom = label("lblStatusZoom", ZoomText(CellSize), 0);
    return v;
}

}  // namespace pixora
