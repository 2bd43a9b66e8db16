// SPDX-License-Identifier: GPL-2.0-or-later
// Importing a photo only ever needs 72 x 28 pixels. A JPEG of more pixels than one decode may
// hold (12 million here) is read at a DCT scale and shrunk row by row, without a full-size copy.
// This compares that import with a plain full-size decode of the same 4000 x 3000 file. The
// import should cost less, but not by the factor a 1/8 read would give: it takes the least
// reduction that fits, so that thin lines keep as much of their darkness as they can.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/image_loader.h"

namespace {

// A photo-like picture: smooth gradients, hard-edged discs and stripes, and a little sensor
// noise, so that every block carries detail (about 2 bits per pixel at quality 90, the range of
// a real photo) rather than compressing to nothing.
QImage DetailedPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = static_cast<int>(seed >> 29);  // 0..7
            const bool stripe = ((x / 37) + (y / 23)) % 3 == 0;
            const int dx = (x % 500) - 250;
            const int dy = (y % 500) - 250;
            const bool disc = dx * dx + dy * dy < 180 * 180;
            const int r = x * 255 / width;
            const int g = stripe ? 200 : y * 255 / height;
            const int b = disc ? 40 : ((x + y) / 16) % 256;
            line[x] =
                qRgb(std::min(255, r + noise), std::min(255, g + noise), std::min(255, b + noise));
        }
    }
    return image;
}

class JpegFile {
public:
    JpegFile() {
        path_ = dir_.filePath("photo.jpg");
        QImageWriter writer(path_, "jpeg");
        writer.setQuality(90);
        if (!writer.write(DetailedPicture(4000, 3000))) {
            std::abort();
        }
    }
    const QString& Path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

const JpegFile& Photo() {
    static const JpegFile file;
    return file;
}

void BM_ImportForFit(benchmark::State& state) {
    const std::string path = Photo().Path().toStdString();
    for (auto _ : state) {
        auto image = pixora::LoadPictureFileForFit(path, 72, 28);
        if (!image) {
            state.SkipWithError("the loader read nothing");
            break;
        }
        benchmark::DoNotOptimize(image);
    }
    state.counters["file_MB"] = static_cast<double>(QFileInfo(Photo().Path()).size()) / 1e6;
}
BENCHMARK(BM_ImportForFit)->Unit(benchmark::kMillisecond);

// The import preview's one decode: the working copy and a thumbnail, fed from the same rows.
void BM_ImportForPreview(benchmark::State& state) {
    const std::string path = Photo().Path().toStdString();
    for (auto _ : state) {
        auto source = pixora::LoadPictureFileForPreview(path, 240, 180);
        if (!source) {
            state.SkipWithError("the loader read nothing");
            break;
        }
        benchmark::DoNotOptimize(source);
    }
}
BENCHMARK(BM_ImportForPreview)->Unit(benchmark::kMillisecond);

void BM_FullSizeQImageDecode(benchmark::State& state) {
    const QString path = Photo().Path();
    for (auto _ : state) {
        QImage image(path);
        if (image.isNull()) {
            state.SkipWithError("Qt read nothing");
            break;
        }
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_FullSizeQImageDecode)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
