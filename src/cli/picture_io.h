// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Opening and writing pictures for pixora-cli through the editor's own open, import, save and
// export, with what the editor would show turned into text for a script.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch_user_interface.h"
#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "formats/file_io.h"
#include "formats/image_adjust.h"
#include "formats/import_fit.h"
#include "formats/save_dispatch.h"

namespace pixora::cli {

struct OpenedPicture {
    PictureGrid picture;
    std::u32string text;
};

// Decodes an ordinary picture file for a fit into maxWidth x maxHeight. nullopt when it cannot;
// error then says why when the file was refused unread or the module is missing.
using PictureLoader = std::function<std::optional<ImportedImage>(
    const std::string& path, int maxWidth, int maxHeight, std::string& error)>;

// Decodes an ordinary picture file once into the reduced working copy of the adjustable import.
using WorkingCopyLoader =
    std::function<std::optional<ImportWorkingCopy>(const std::string& path, std::string& error)>;

struct OpenOutcome {
    std::optional<OpenedPicture> opened;
    // What the editor would have said, for a rejected file; lines end in "\n".
    std::string message;
};

OpenOutcome OpenPicture(const std::string& path, SettingsStore& settings, BatchUserInterface& ui,
                        const PictureLoader& loadPicture);

// The bytes of a phone graphic or picture message as the reader that standInPath's name chooses
// takes them; for the names of ordinary pictures use OpenPicture on a file.
OpenOutcome OpenPictureBytes(const std::string& standInPath, std::string_view bytes);

// An ordinary picture file made into the picture with fit, threshold, dither and invert as
// adjust says; the messages are those of OpenPicture's import.
OpenOutcome ImportAdjusted(const std::string& path, const AdjustSettings& adjust,
                           const WorkingCopyLoader& loadWorkingCopy);

using OutputFormat = SaveFormat;

// nullopt for a name that none of the writers claims. mono makes a
// ".bmp" name the 1-bit bitmap.
std::optional<OutputFormat> ChooseOutputFormat(const std::string& path, bool mono = false);

// The format a file named "NAME.type" would be written in; nothing for a word that is no plain
// extension.
std::optional<OutputFormat> OutputFormatForType(std::string_view type, bool mono = false);

// Writes the file as Save or Export would; the picture message carries the text and the
// "UserName" author. The other phone formats are written with options, which CheckWriteOptions
// has accepted.
FileStatus WriteOutput(OutputFormat format, const std::string& path, const OpenedPicture& picture,
                       SettingsStore& settings, const WriteOptions& options = {});

// 28 lines of 72 characters, '#' set and '.' clear, then "text: " and the text in UTF-8.
std::string ShowText(const OpenedPicture& picture);

}  // namespace pixora::cli
