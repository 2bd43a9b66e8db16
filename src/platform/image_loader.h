#pragma once
// Decodes the picture files the Import command accepts (BMP with or without RLE compression,
// GIF, JPEG, icon, Windows metafile and enhanced metafile) into a plain RGB raster.
//
// The decoder is chosen by the file's first bytes, then by its extension. A file that is cut
// short, corrupt, absurdly large or of another kind gives nothing: the caller then leaves its
// picture as it was, so a half-read image never reaches the document. Transparent areas (icons,
// GIF) come out white, the colour of an empty picture. Metafiles are drawn at their own size,
// at most 2000 pixels on a side; they need a QGuiApplication because their text uses Qt's fonts.

#include <optional>
#include <string>

#include "core/raster.h"

namespace pixora {

// The whole image at its own size. `path` is UTF-8.
std::optional<Raster> LoadPictureFile(const std::string& path);

// The image for a fit into maxWidth x maxHeight: large images are decoded already reduced
// (JPEG through DCT scaling), each axis on its own, to at least min(width, 4 * maxWidth) by
// min(height, 4 * maxHeight) pixels, so shrinking the result to min(width, maxWidth) by
// min(height, maxHeight) still shows the whole image. Smaller images come back unchanged.
std::optional<Raster> LoadPictureFileForFit(const std::string& path, int maxWidth, int maxHeight);

}  // namespace pixora
