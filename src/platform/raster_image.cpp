// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/raster_image.h"

#include <QPainter>
#include <cstring>

namespace pixora {

Raster RasterFromImage(const QImage& image) {
    if (image.isNull()) {
        return Raster();
    }
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    Raster raster(flat.width(), flat.height());
    for (int y = 0; y < flat.height(); ++y) {
        std::memcpy(raster.Data() + static_cast<size_t>(y) * static_cast<size_t>(flat.width()),
                    flat.constScanLine(y), static_cast<size_t>(flat.width()) * 4);
    }
    return raster;
}

QImage ImageViewOfRaster(const Raster& raster) {
    return QImage(reinterpret_cast<const uchar*>(raster.Data()), raster.Width(), raster.Height(),
                  raster.Width() * 4, QImage::Format_RGB32);
}

QImage ImageFromRaster(const Raster& raster) {
    return ImageViewOfRaster(raster).copy();  // detach from the raster's memory
}

}  // namespace pixora
