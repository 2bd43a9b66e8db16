// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/frm_import_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/raster_view.h"
#include "core/picture_views.h"
#include "core/settings_keys.h"

namespace pixora {

namespace {

// The preview raster: every cell a PreviewZoom square, black where set and the display's clear
// colour elsewhere, as the phone preview paints it.
void PaintPreview(const PictureGrid& picture, Raster& image) {
    constexpr int zoom = frmImportPreview::PreviewZoom;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            const Rgb colour = picture.IsSet(x, y) ? SetColour : ClearColour;
            for (int dy = 0; dy < zoom; ++dy) {
                for (int dx = 0; dx < zoom; ++dx) {
                    image.SetPixel(x * zoom + dx, y * zoom + dy, colour);
                }
            }
        }
    }
}

QSlider* MakeSlider(QWidget* parent, const char* name, const QString& accessible, int minimum,
                    int maximum, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setAccessibleName(accessible);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setMinimumWidth(200);
    return slider;
}

QLabel* MakeValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-255")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

frmImportPreview::frmImportPreview(ImportWorkingCopy copy, const Raster& sourceThumbnail,
                                   int threshold, QWidget* parent)
    : QDialog(parent),
      copy_(std::move(copy)),
      sourceImage_(sourceThumbnail),
      previewImage_(PictureWidth * PreviewZoom, PictureHeight * PreviewZoom) {
    setObjectName("frmImportPreview");
    setWindowTitle(tr("Import with Preview"));
    // The first preview equals the plain Import's picture: its fit and a plain threshold.
    settings_.fit = FitMode::Stretch;
    settings_.dither = DitherMethod::None;
    settings_.threshold = std::clamp(threshold, 0, 255);

    picSource_ = new RasterView(&sourceImage_, this);
    picSource_->setObjectName("picSource");
    picSource_->setAccessibleName(tr("Source picture"));
    picSource_->setAcceptDrops(false);
    picImportPreview_ = new RasterView(&previewImage_, this);
    picImportPreview_->setObjectName("picImportPreview");
    picImportPreview_->setAccessibleName(tr("Preview"));
    picImportPreview_->setAcceptDrops(false);
    picImportPreview_->setFocusPolicy(Qt::StrongFocus);
    picImportPreview_->setToolTip(
        tr("With \"Fill and crop\", drag or use the arrow keys to choose the part kept"));

    cboFit_ = new QComboBox(this);
    cboFit_->setObjectName("cboFit");
    cboFit_->setAccessibleName(tr("Fit"));
    // In the order of FitMode.
    cboFit_->addItems(
        {tr("Stretch"), tr("Keep proportions"), tr("Fill and crop"), tr("Top-left, unscaled")});
    sldThreshold_ = MakeSlider(this, "sldThreshold", tr("Threshold"), 0, 255, settings_.threshold);
    sldBrightness_ = MakeSlider(this, "sldBrightness", tr("Brightness"), -255, 255, 0);
    sldContrast_ = MakeSlider(this, "sldContrast", tr("Contrast"), -100, 100, 0);
    lblThresholdValue_ = MakeValueLabel(this, "lblThresholdValue");
    lblBrightnessValue_ = MakeValueLabel(this, "lblBrightnessValue");
    lblContrastValue_ = MakeValueLabel(this, "lblContrastValue");
    cboDither_ = new QComboBox(this);
    cboDither_->setObjectName("cboDither");
    cboDither_->setAccessibleName(tr("Dithering"));
    // In the order of DitherMethod.
    cboDither_->addItems(
        {tr("None"), tr("Floyd-Steinberg"), tr("Atkinson"), tr("Ordered (Bayer 4 x 4)")});
    chkInvert_ = new QCheckBox(tr("&Invert"), this);
    chkInvert_->setObjectName("chkInvert");
    chkInvert_->setAccessibleName(tr("Invert"));
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setAccessibleName(tr("OK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = new QPushButton(tr("Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setAccessibleName(tr("Cancel"));

    const auto withValue = [this](QSlider* slider, QLabel* value) {
        auto* row = new QHBoxLayout;
        row->addWidget(slider, 1);
        row->addWidget(value);
        return row;
    };
    auto* form = new QFormLayout;
    // Labels with a buddy, so their mnemonics reach the control beside them.
    const auto addRow = [this, form](const QString& text, QWidget* buddy, QLayout* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        if (field != nullptr) {
            form->addRow(label, field);
        } else {
            form->addRow(label, buddy);
        }
    };
    addRow(tr("&Fit:"), cboFit_, nullptr);
    addRow(tr("&Threshold:"), sldThreshold_, withValue(sldThreshold_, lblThresholdValue_));
    addRow(tr("&Brightness:"), sldBrightness_, withValue(sldBrightness_, lblBrightnessValue_));
    addRow(tr("&Contrast:"), sldContrast_, withValue(sldContrast_, lblContrastValue_));
    addRow(tr("&Dithering:"), cboDither_, nullptr);
    form->addRow(QString(), chkInvert_);

    auto* right = new QVBoxLayout;
    right->addWidget(picImportPreview_, 0, Qt::AlignHCenter);
    right->addLayout(form);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picSource_, 0, Qt::AlignTop);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    const auto update = [this] {
        ReadControls();
        Render();
    };
    connect(cboFit_, &QComboBox::currentIndexChanged, this, update);
    connect(cboDither_, &QComboBox::currentIndexChanged, this, update);
    connect(chkInvert_, &QCheckBox::toggled, this, update);
    for (QSlider* slider : {sldThreshold_, sldBrightness_, sldContrast_}) {
        connect(slider, &QSlider::valueChanged, this, update);
    }
    connect(picImportPreview_, &RasterView::MouseDown, this, &frmImportPreview::PreviewMouseDown);
    connect(picImportPreview_, &RasterView::MouseMove, this, &frmImportPreview::PreviewMouseMove);
    connect(picImportPreview_, &RasterView::MouseUp, this, [this] { dragging_ = false; });
    connect(picImportPreview_, &RasterView::KeyDown, this, &frmImportPreview::PreviewKeyDown);
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        result_ = shown_;
        accept();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { result_.reset(); });
    update();
}

std::optional<PictureGrid> frmImportPreview::Result() const {
    return result_;
}

void frmImportPreview::ReadControls() {
    settings_.fit = static_cast<FitMode>(std::clamp(cboFit_->currentIndex(), 0, 3));
    settings_.dither = static_cast<DitherMethod>(std::clamp(cboDither_->currentIndex(), 0, 3));
    settings_.threshold = sldThreshold_->value();
    settings_.brightness = sldBrightness_->value();
    settings_.contrast = sldContrast_->value();
    settings_.invert = chkInvert_->isChecked();
    lblThresholdValue_->setNum(settings_.threshold);
    lblBrightnessValue_->setNum(settings_.brightness);
    lblContrastValue_->setNum(settings_.contrast);
}

void frmImportPreview::Render() {
    shown_ = copy_.Render(settings_);
    PaintPreview(shown_, previewImage_);
    picImportPreview_->update();
}

void frmImportPreview::PreviewMouseDown(int buttons, QPointF position) {
    dragging_ = (buttons & 1) != 0;
    dragFrom_ = position;
}

void frmImportPreview::PreviewMouseMove(int buttons, QPointF position) {
    if (!dragging_ || (buttons & 1) == 0) {
        return;
    }
    const QPointF moved = position - dragFrom_;
    dragFrom_ = position;
    MoveCrop(moved / PreviewZoom);
}

void frmImportPreview::PreviewKeyDown(int key) {
    // The arrows move the picture a cell at a time, as a drag would.
    switch (key) {
        case Qt::Key_Left:
            MoveCrop({-1, 0});
            break;
        case Qt::Key_Right:
            MoveCrop({1, 0});
            break;
        case Qt::Key_Up:
            MoveCrop({0, -1});
            break;
        case Qt::Key_Down:
            MoveCrop({0, 1});
            break;
        default:
            break;
    }
}

void frmImportPreview::MoveCrop(QPointF cells) {
    if (settings_.fit != FitMode::FillAndCrop || copy_.SourceWidth() <= 0 ||
        copy_.SourceHeight() <= 0) {
        return;
    }
    // The covering fit leaves an overhang of this many cells on one axis; the crop position
    // says how much of it lies left of (above) the picture. The picture follows the mouse, so
    // moving it to the right shows more of its left side.
    const double w = copy_.SourceWidth();
    const double h = copy_.SourceHeight();
    const double scale = std::max(PictureWidth / w, PictureHeight / h);
    const double overX = w * scale - PictureWidth;
    const double overY = h * scale - PictureHeight;
    if (overX > 0.5) {
        settings_.cropX = std::clamp(settings_.cropX - cells.x() / overX, 0.0, 1.0);
    }
    if (overY > 0.5) {
        settings_.cropY = std::clamp(settings_.cropY - cells.y() / overY, 0.0, 1.0);
    }
    Render();
}

}  // namespace pixora
