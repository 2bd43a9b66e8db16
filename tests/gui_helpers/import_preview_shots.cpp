// SPDX-License-Identifier: GPL-2.0-or-later
// import_preview_shots PICTURE OUTDIR: opens the Import with Preview dialog on PICTURE and saves
// the dialog as OUTDIR/import-preview-<method>.png for each dither method (fill and crop,
// threshold at mid grey), plus import-preview-first.png as it opens. It also says how many of the
// 2016 cells of the first preview differ from what the plain Import makes of the same file.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QSlider>
#include <cstdio>

#include "app/frm_import_preview.h"
#include "formats/import_fit.h"
#include "formats/open_dispatch.h"
#include "platform/image_loader.h"
#include "support/fake_user_interface.h"

using namespace pixora;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE OUTDIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    ReadError error = ReadError::None;
    std::optional<PreviewSource> source = LoadPictureFileForPreview(argv[1], 240, 180, &error);
    if (!source) {
        std::fprintf(stderr, "%s: %s\n", argv[1],
                     ReadErrorMessage(error, FileKind::ImportPicture).c_str());
        return 1;
    }
    MemorySettingsStore settings;
    testing::FakeUserInterface ui;
    const std::optional<int> threshold = ImportPreviewThreshold(settings);
    frmImportPreview dialog(source->copy, source->thumbnail, threshold.value_or(64));
    dialog.show();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const auto grab = [&](const QString& name) {
        app.processEvents();
        const QString path = out.filePath("import-preview-" + name + ".png");
        if (!dialog.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };
    // The plain import of the same file, with the same settings.
    const std::optional<ImportedImage> plainImage = LoadPictureFileForFit(argv[1], 72, 28);
    if (plainImage) {
        const std::optional<PictureGrid> plain =
            ThresholdPicture(FitImportedPicture(*plainImage, argv[1], settings, ui), settings, ui);
        int differ = 0;
        for (int y = 0; y < PictureHeight; ++y) {
            for (int x = 0; x < PictureWidth; ++x) {
                differ += plain && plain->IsSet(x, y) != dialog.Shown().IsSet(x, y);
            }
        }
        std::printf("first preview vs plain import: %d of %d cells differ\n", differ, PictureCells);
    }
    if (!grab("first")) {
        return 1;
    }
    // The darkest-pixel shrink of the plain fit keeps lines but darkens a photo; the covering fit
    // averages, which is what a photo wants, and the dithers' midpoint sits at mid grey.
    dialog.findChild<QComboBox*>("cboFit")->setCurrentIndex(static_cast<int>(FitMode::FillAndCrop));
    dialog.findChild<QSlider*>("sldThreshold")->setValue(128);
    auto* dither = dialog.findChild<QComboBox*>("cboDither");
    const char* names[] = {"none", "floyd-steinberg", "atkinson", "ordered"};
    for (int method = 0; method < 4; ++method) {
        dither->setCurrentIndex(method);
        if (!grab(names[method])) {
            return 1;
        }
    }
    return 0;
}
