// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Import with Preview: the source picture on the left, on the right the 72 x 28 result in the
// phone display's colours, rendered again from the reduced working copy whenever a control
// moves. The dialog only shows; the caller adopts Result() the way the plain Import does.

#include <QDialog>
#include <optional>

#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "formats/image_adjust.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace pixora {

class RasterView;

class frmImportPreview : public QDialog {
    Q_OBJECT
public:
    // Screen pixels of one picture cell on the preview.
    static constexpr int PreviewZoom = 4;

    frmImportPreview(ImportWorkingCopy copy, const Raster& sourceThumbnail, int threshold,
                     QWidget* parent = nullptr);

    // The picture shown when OK was pressed; nothing after Cancel or before either.
    std::optional<PictureGrid> Result() const;
    const PictureGrid& Shown() const { return shown_; }
    const AdjustSettings& Settings() const { return settings_; }

private:
    void ReadControls();
    void Render();
    void PreviewMouseDown(int buttons, QPointF position);
    void PreviewMouseMove(int buttons, QPointF position);
    void PreviewKeyDown(int key);
    // Moves the fill-and-crop picture by `cells` picture cells; other fits have nothing to move.
    void MoveCrop(QPointF cells);

    ImportWorkingCopy copy_;
    AdjustSettings settings_;
    PictureGrid shown_;
    Raster sourceImage_;
    Raster previewImage_;
    std::optional<PictureGrid> result_;
    QPointF dragFrom_;
    bool dragging_ = false;

    QComboBox* cboFit_ = nullptr;
    QSlider* sldThreshold_ = nullptr;
    QSlider* sldBrightness_ = nullptr;
    QSlider* sldContrast_ = nullptr;
    QLabel* lblThresholdValue_ = nullptr;
    QLabel* lblBrightnessValue_ = nullptr;
    QLabel* lblContrastValue_ = nullptr;
    QComboBox* cboDither_ = nullptr;
    QCheckBox* chkInvert_ = nullptr;
    RasterView* picSource_ = nullptr;
    RasterView* picImportPreview_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace pixora
