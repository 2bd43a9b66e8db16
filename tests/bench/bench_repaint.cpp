// SPDX-License-Identifier: GPL-2.0-or-later
// How long a whole-picture edit takes: the picture operation plus the repaint of all three views,
// first in the drawing layer alone, then through the main window's Invert command.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/frm_edit.h"
#include "core/edit_ops.h"
#include "core/picture_views.h"
#include "platform/qt_user_interface.h"
#include "platform/serial_link.h"

namespace {

void BM_InvertAndRepaintViews(benchmark::State& state) {
    pixora::PictureGrid picture;
    pixora::PictureViews views;
    for (auto _ : state) {
        pixora::InvertPicture(picture);
        for (int y = 0; y < pixora::PictureHeight; ++y) {
            for (int x = 0; x < pixora::PictureWidth; ++x) {
                views.PaintCell(picture, x, y);
            }
        }
        views.RefreshPreview(picture);
        benchmark::DoNotOptimize(views.Canvas().Data());
    }
}
BENCHMARK(BM_InvertAndRepaintViews);

void BM_InvertCommand(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_repaint";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    pixora::MemorySettingsStore settings;
    settings.Write("Settings", "UserName", "bench");
    pixora::QtUserInterface ui;
    pixora::EditorServices services;
    services.settings = &settings;
    services.ui = &ui;
    pixora::SerialPhone phone(settings, ui);
    services.phone = &phone;
    pixora::frmEdit window(services);
    window.Startup("");
    for (auto _ : state) {
        window.mnuInvert_Click();
    }
    // The history is part of the command's cost; drop it outside the measurement.
    window.Doc().ClearHistory();
}
BENCHMARK(BM_InvertCommand);

}  // namespace

BENCHMARK_MAIN();
