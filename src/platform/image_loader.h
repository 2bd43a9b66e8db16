// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Decodes the picture files the Import command accepts (BMP with or without RLE compression,
// GIF, JPEG, icon, Windows metafile and enhanced metafile, and whatever else Qt's image plugins
// read: PNG, TIFF, WebP, ...) into a plain RGB raster.
//
// The decoder is chosen by the file's first bytes, then by its extension. A file that is cut
// short, corrupt, of another kind or no regular file gives nothing: the caller then leaves its
// picture as it was, so a half-read image never reaches the document. Transparent areas (icons,
// GIF) come out white, the colour of an empty picture. Metafiles are drawn at their own size,
// at most 2000 pixels on a side; they need a QGuiApplication because their text uses Qt's fonts.
//
// Memory and time stay bounded whatever size a header declares: the size is read before any
// pixel is, no single decode may allocate more than kMaxDecodeBytes, and a picture too large
// for that is decoded in bands of rows (uncompressed bitmaps), row by row (RLE bitmaps) or at a
// reduced DCT scale (JPEG, where thin lines may then fade), or refused (other kinds).

#include <optional>
#include <string>
#include <vector>

#include "core/raster.h"
#include "formats/image_adjust.h"
#include "formats/import_fit.h"
#include "formats/read_error.h"

namespace pixora {

inline constexpr long long kMaxDecodeBytes = 32LL * 1024 * 1024;

// The whole image at its own size, when it fits in kMaxDecodeBytes. `path` is UTF-8. When
// `error` is given it receives why nothing came out (None on success): the file's own failure
// (NotRegularFile, FileTooLarge, ...), TooShort for data cut short, UnknownFormat, Damaged or
// TooManyPixels.
std::optional<Raster> LoadPictureFile(const std::string& path, ReadError* error = nullptr);

// The image for a fit into maxWidth x maxHeight: shrunk with the darkest-pixel shrink, whatever
// its size, and its own unscaled top-left part.
std::optional<ImportedImage> LoadPictureFileForFit(const std::string& path, int maxWidth,
                                                   int maxHeight, ReadError* error = nullptr);

// A picture file decoded once for the import preview: the reduced working copy every preview
// renders from, and a colour thumbnail of the whole picture, box-averaged to fit
// thumbnailWidth x thumbnailHeight and never enlarged. The same kinds, limits and failures as
// LoadPictureFileForFit; a JPEG too large for one decode is read at a reduced DCT scale, and
// the working copy then knows the picture at that scale (its unscaled top-left part included).
struct PreviewSource {
    ImportWorkingCopy copy;
    Raster thumbnail;
};
std::optional<PreviewSource> LoadPictureFileForPreview(const std::string& path, int thumbnailWidth,
                                                       int thumbnailHeight,
                                                       ReadError* error = nullptr);

// Lower-case extensions of every kind the loader reads: the fixed ones first, then those of
// Qt's image plugins.
std::vector<std::string> ImportableExtensions();

}  // namespace pixora
