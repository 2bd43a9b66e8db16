// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Open, import, save and export, written once for the editor and pixora-cli. They return what
// happened and never show anything: the callers tell the user in their own way.

#include <functional>
#include <optional>
#include <string>

#include "core/picture.h"
#include "core/picture_views.h"
#include "core/raster.h"
#include "core/settings.h"
#include "core/user_interface.h"
#include "document/document.h"
#include "formats/file_io.h"
#include "formats/import_fit.h"
#include "formats/open_dispatch.h"

namespace pixora {

// ---- Open ----

struct OpenedFile {
    enum class Outcome {
        Import,      // an ordinary picture by its name: it goes to ImportPictureFile
        Unreadable,  // nothing was read; status says why
        Read         // result says what the reader made of it
    };
    Outcome outcome = Outcome::Unreadable;
    FileStatus status;
    OpenResult result;
};

// Reads a graphic file by the extension text in its path.
OpenedFile OpenGraphicFileAt(const std::string& path);

// Makes the document what the file read gave: the text and the picture it carries, the file's
// name and saved, or "Untitled" and modified for a hand-over file. History is forgotten. False,
// with the document untouched, for a file that was rejected.
bool AdoptOpenedFile(Document& document, const OpenResult& result, const std::string& path);

// ---- Import ----

// Decodes an ordinary picture file; nullopt when it cannot, with a reason in error when there
// is one to give. The editor hands in the platform's loader, pixora-cli its import module.
using PictureDecoder =
    std::function<std::optional<ImportedImage>(const std::string& path, std::string& error)>;

struct ImportedPicture {
    enum class Outcome {
        Imported,
        NotRegularFile,  // a pipe or a device named like a picture; status says which
        NotDecoded,      // the decoder gave nothing; error may say why
        LevelRejected    // the "ImportLevel" setting is no number
    };
    Outcome outcome = Outcome::NotDecoded;
    FileStatus status;
    std::string error;
    // The raster the threshold read (after NotDecoded: empty).
    Raster fitted;
    PictureGrid picture;
};

// Decodes, fits (which may ask whether to shrink) and thresholds a picture file.
ImportedPicture ImportPictureFile(const std::string& path, const PictureDecoder& decode,
                                  SettingsStore& settings, UserInterface& ui);

// The imported picture becomes the document: named path, saved, one undo step "Import".
void AdoptImportedPicture(Document& document, const PictureGrid& picture, const std::string& path);

// ---- Save and export ----

// Writes picture and text as a picture-message file with the author's credit, beside the old
// file and renamed over it where that can be done.
FileStatus SavePictureMessage(const std::string& path, const PictureGrid& picture,
                              const std::u32string& text, const std::string& author);

// SavePictureMessage of the document; once written, the document is saved under path, except
// for this program's own hand-over files. adopted says whether it was.
struct SaveResult {
    FileStatus status;
    bool adopted = false;
};
SaveResult SaveDocument(Document& document, const std::string& path, const std::string& author);

// The format the final name says (ExportFormatForName: ".WBM" anywhere a WBMP, a phone format by
// its extension, anything else a BMP of output). The save dialog has already given a name typed
// without an extension the picked filter's one. text goes only into formats that carry one.
FileStatus ExportPicture(const std::string& path, const PictureGrid& picture, const Raster& output,
                         std::u32string_view text = {});
// The same with the filter the user picked in the Export dialog (ExportFormatFor).
FileStatus ExportPicture(const std::string& path, int filterIndex, const PictureGrid& picture,
                         const Raster& output, std::u32string_view text);

}  // namespace pixora
