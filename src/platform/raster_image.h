// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Conversions between Qt images and the plain rasters the layers below work on.

#include <QImage>

#include "core/raster.h"

namespace pixora {

// Transparent areas become white, as on a sheet of paper.
Raster RasterFromImage(const QImage& image);
QImage ImageFromRaster(const Raster& raster);
// The raster's pixels as an image without a copy: for drawing at once, while the raster lives
// and stays unchanged.
QImage ImageViewOfRaster(const Raster& raster);

}  // namespace pixora
