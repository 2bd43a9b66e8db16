// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The formats a picture can be written in, one table for pixora-cli and the editor's Export:
// which name picks which writer, the sizes each format takes and how the picture is encoded.
//
// A name picks the format whose extension ends it, case ignored; ".WBM" anywhere in the name
// picks WBMP first, as Export always has. PNG has no encoder here: its bytes come from Qt, so
// EncodePicture leaves it to the caller (pixora-cli's import module).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/raster.h"
#include "formats/nlm_file.h"

namespace pixora {

enum class SaveFormat {
    PictureMessage,
    Bmp,
    MonoBmp,
    Wbmp,
    Otb,
    Nlm,
    Ngg,
    Nol,
    Gms,
    Nsl,
    Ngl,
    Png
};

struct LogoSize {
    int width = PictureWidth;
    int height = PictureHeight;
    bool operator==(const LogoSize&) const = default;
};

struct SaveFormatInfo {
    SaveFormat format;
    std::string_view key;                     // as "--type"-like words and tests name it
    std::span<const std::string_view> names;  // lower-case extensions, the first the default
    std::string_view filter;                  // "Text (*.ext)|*.ext" for a file dialog
    bool carriesText;
    std::span<const LogoSize> sizes;  // the first is the default
    bool exported;                    // offered by the editor's Export
};

std::span<const SaveFormatInfo> SaveFormats();
const SaveFormatInfo& SaveFormatOf(SaveFormat format);
const SaveFormatInfo* SaveFormatByKey(std::string_view key);
// nullptr for a name that no format claims.
const SaveFormatInfo* SaveFormatForName(std::string_view path);

// The Export dialog's filters, one per exported format, the BMP first.
std::string ExportDialogFilter();
// What Export writes for the final name: the exported format its extension names (".WBM"
// anywhere for WBMP), else a BMP, as Export always wrote for a name it did not know.
SaveFormat ExportFormatForName(std::string_view path);
// As ExportFormatForName, except that the filter the user picked (1-based, in the order of
// ExportDialogFilter) wins where it takes the name's extension: the 1-bit BMP over the colour one.
SaveFormat ExportFormatFor(std::string_view path, int filterIndex);

struct WriteOptions {
    std::optional<LogoSize> size;    // nullopt: the format's default (for NLM: by the type)
    std::optional<NlmType> nlmType;  // nullopt: by the size (72 x 28 picture, 84 x 48 startup...)
    int mcc = 0;                     // NOL operator codes
    int mnc = 0;
};

// Empty when the options fit the format, else why not (a size it does not take, a type or
// operator for a format without one).
std::string CheckWriteOptions(SaveFormat format, const WriteOptions& options);

// The file bytes; output is the 72 x 28 output bitmap the colour BMP is made of. Options are
// taken as CheckWriteOptions allows. Empty for PNG.
std::string EncodePicture(SaveFormat format, const PictureGrid& picture, std::u32string_view text,
                          const Raster& output, const WriteOptions& options);

}  // namespace pixora
