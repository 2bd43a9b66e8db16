// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/file_use_cases.h"

#include "core/picture_views.h"
#include "formats/bmp_file.h"
#include "formats/npm_file.h"
#include "formats/save_dispatch.h"
#include "formats/wbmp_file.h"

namespace pixora {

OpenedFile OpenGraphicFileAt(const std::string& path) {
    OpenedFile opened;
    const FileKind kind = ChooseReader(path);
    if (kind == FileKind::ImportI61 || kind == FileKind::ImportPicture) {
        opened.outcome = OpenedFile::Outcome::Import;
        return opened;
    }
    const FileRead read = ReadFile(path);
    if (!read.status.Ok()) {
        opened.status = read.status;
        return opened;
    }
    opened.outcome = OpenedFile::Outcome::Read;
    opened.result = OpenGraphicFile(path, std::string_view(read.bytes));
    return opened;
}

bool AdoptOpenedFile(Document& document, const OpenResult& result, const std::string& path) {
    if (result.action == OpenAction::KeepDocument || result.action == OpenAction::Import) {
        // A rejected file leaves the picture and the text the user had; clearing them would
        // leave a saved-looking document that Save would overwrite with nothing.
        return false;
    }
    // Loading: what the file brings in is no edit of the user's.
    document.SetModified(ModifiedState::Loading);
    if (result.textChanged) {
        document.SetText(result.text, false);
    }
    document.ClearHistory();
    const bool adopt = result.action == OpenAction::Adopt;
    document.AdoptFile(result.pictureChanged ? result.picture : document.Picture(),
                       adopt ? path : std::string(UntitledName),
                       adopt ? ModifiedState::Saved : ModifiedState::Modified, {});
    return true;
}

ImportedPicture ImportPictureFile(const std::string& path, const PictureDecoder& decode,
                                  SettingsStore& settings, UserInterface& ui) {
    ImportedPicture imported;
    // A pipe or a device named like a picture would keep the decoder waiting for ever.
    if (const FileStatus status = CheckRegularFile(path);
        status.error == FileError::NotRegularFile) {
        imported.outcome = ImportedPicture::Outcome::NotRegularFile;
        imported.status = status;
        return imported;
    }
    const std::optional<ImportedImage> image = decode ? decode(path, imported.error) : std::nullopt;
    if (!image || image->shrunk.Empty()) {
        return imported;
    }
    imported.fitted = FitImportedPicture(*image, path, settings, ui);
    const std::optional<PictureGrid> picture = ThresholdPicture(imported.fitted, settings, ui);
    if (!picture) {
        imported.outcome = ImportedPicture::Outcome::LevelRejected;
        return imported;
    }
    imported.outcome = ImportedPicture::Outcome::Imported;
    imported.picture = *picture;
    return imported;
}

void AdoptImportedPicture(Document& document, const PictureGrid& picture, const std::string& path) {
    document.AdoptFile(picture, path, ModifiedState::Saved, "Import");
}

FileStatus SavePictureMessage(const std::string& path, const PictureGrid& picture,
                              const std::u32string& text, const std::string& author) {
    return WriteFile(path, WritePictureMessageFile(picture, text, author));
}

SaveResult SaveDocument(Document& document, const std::string& path, const std::string& author) {
    SaveResult saved;
    saved.status = SavePictureMessage(path, document.Picture(), document.Text(), author);
    // A failed save keeps the name and the modified mark; a hand-over file never becomes the
    // document.
    if (saved.status.Ok() && !IsPictureMessageHandOverName(path)) {
        saved.adopted = true;
        document.SetNameAndState(path, ModifiedState::Saved);
    }
    return saved;
}

FileStatus ExportPicture(const std::string& path, const PictureGrid& picture, const Raster& output,
                         std::u32string_view text) {
    return WriteFile(path, EncodePicture(ExportFormatForName(path), picture, text, output, {}));
}

FileStatus ExportPicture(const std::string& path, int filterIndex, const PictureGrid& picture,
                         const Raster& output, std::u32string_view text) {
    return WriteFile(path,
                     EncodePicture(ExportFormatFor(path, filterIndex), picture, text, output, {}));
}

}  // namespace pixora
