// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/picture_io.h"

#include "cli/batch_user_interface.h"
#include "cli/qt_modules.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/utf8.h"
#include "document/file_use_cases.h"
#include "formats/file_io.h"
#include "formats/open_dispatch.h"
#include "formats/wbmp_file.h"

namespace pixora::cli {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// The editor's message, then why, for a file that could not be read at all; the caller names the
// file in front of every line.
std::string UnreadableFileMessage(FileKind kind, const FileStatus& status) {
    return ReadErrorMessage(ReadErrorOf(status), kind) + "\n" + FileStatusText(status) + "\n";
}

OpenOutcome ImportPicture(const std::string& path, SettingsStore& settings, BatchUserInterface& ui,
                          const PictureLoader& loadPicture) {
    // Any file that cannot be read is refused before a decoder sees it, with its reason.
    const PictureDecoder decode = [&loadPicture](
                                      const std::string& file,
                                      std::string& error) -> std::optional<ImportedImage> {
        if (const FileStatus status = CheckRegularFile(file); !status.Ok()) {
            error = UnreadableFileMessage(FileKind::ImportPicture, status);
            error.pop_back();
            return std::nullopt;
        }
        return loadPicture ? loadPicture(file, PictureWidth, PictureHeight, error) : std::nullopt;
    };
    const ImportedPicture imported = ImportPictureFile(path, decode, settings, ui);
    OpenOutcome outcome;
    switch (imported.outcome) {
        case ImportedPicture::Outcome::NotRegularFile:
            outcome.message = UnreadableFileMessage(FileKind::ImportPicture, imported.status);
            break;
        case ImportedPicture::Outcome::NotDecoded:
            // The editor's import gives up without a word here; a script needs one.
            outcome.message = imported.error.empty() ? std::string(CantReadFileMessage) + "\n"
                                                     : imported.error + "\n";
            break;
        case ImportedPicture::Outcome::LevelRejected:
            // The editor's import ends quietly on a level that is no number; say which setting.
            outcome.message = ui.Messages().empty()
                                  ? "The \"ImportLevel\" setting is no colour number; nothing "
                                    "was imported.\n"
                                  : Joined(ui.Messages());
            break;
        case ImportedPicture::Outcome::Imported:
            outcome.opened = OpenedPicture{imported.picture, {}};
            break;
    }
    return outcome;
}

}  // namespace

OpenOutcome ImportAdjusted(const std::string& path, const AdjustSettings& adjust,
                           const WorkingCopyLoader& loadWorkingCopy) {
    OpenOutcome outcome;
    // Judged before any decoder sees the name: a pipe named like a picture would block it.
    if (const FileStatus status = CheckRegularFile(path); !status.Ok()) {
        outcome.message = UnreadableFileMessage(FileKind::ImportPicture, status);
        return outcome;
    }
    std::string error;
    const std::optional<ImportWorkingCopy> copy =
        loadWorkingCopy ? loadWorkingCopy(path, error) : std::nullopt;
    if (!copy) {
        outcome.message = error.empty() ? std::string(CantReadFileMessage) + "\n" : error + "\n";
        return outcome;
    }
    outcome.opened = OpenedPicture{copy->Render(adjust), {}};
    return outcome;
}

namespace {
OpenOutcome OutcomeOf(const OpenResult& result);
}  // namespace

OpenOutcome OpenPicture(const std::string& path, SettingsStore& settings, BatchUserInterface& ui,
                        const PictureLoader& loadPicture) {
    const OpenedFile opened = OpenGraphicFileAt(path);
    if (opened.outcome == OpenedFile::Outcome::Import) {
        return ImportPicture(path, settings, ui, loadPicture);
    }
    if (opened.outcome == OpenedFile::Outcome::Unreadable) {
        OpenOutcome outcome;
        outcome.message = UnreadableFileMessage(ChooseReader(path), opened.status);
        return outcome;
    }
    return OutcomeOf(opened.result);
}

OpenOutcome OpenPictureBytes(const std::string& standInPath, std::string_view bytes) {
    return OutcomeOf(OpenGraphicFile(standInPath, bytes));
}

namespace {

OpenOutcome OutcomeOf(const OpenResult& result) {
    OpenOutcome outcome;
    if (result.action != OpenAction::Adopt && result.action != OpenAction::AdoptAsUntitled) {
        // Some rejections are silent in the editor (its picture simply stays); a script still
        // needs to know why nothing came out.
        outcome.message = TerminalText(ReadErrorMessage(result.error, result.kind)) + "\n";
        return outcome;
    }
    outcome.opened = OpenedPicture{result.picture, result.textChanged ? result.text : U""};
    return outcome;
}

}  // namespace

std::optional<OutputFormat> ChooseOutputFormat(const std::string& path, bool mono) {
    // Save writes a picture message whatever the name and Export a BMP for any name without
    // ".WBM"; here the name must say which writer is meant.
    const SaveFormatInfo* info = SaveFormatForName(path);
    if (info == nullptr) {
        return std::nullopt;
    }
    if (mono && info->format == SaveFormat::Bmp) {
        return SaveFormat::MonoBmp;
    }
    return info->format;
}

std::optional<OutputFormat> OutputFormatForType(std::string_view type, bool mono) {
    if (type.empty() || type.find_first_of("./") != std::string_view::npos) {
        return std::nullopt;
    }
    return ChooseOutputFormat("-." + std::string(type), mono);
}

FileStatus WriteOutput(OutputFormat format, const std::string& path, const OpenedPicture& picture,
                       SettingsStore& settings, const WriteOptions& options) {
    switch (format) {
        case SaveFormat::PictureMessage:
            return SavePictureMessage(path, picture.picture, picture.text,
                                      ReadText(settings, keys::UserName));
        case SaveFormat::Bmp:
        case SaveFormat::Wbmp:
            return ExportPicture(path, picture.picture, OutputBitmap(picture.picture));
        default:
            return WriteFile(path, EncodePicture(format, picture.picture, picture.text,
                                                 OutputBitmap(picture.picture), options));
    }
}

std::string ShowText(const OpenedPicture& picture) {
    std::string text;
    text.reserve((PictureWidth + 1) * PictureHeight + 8 + picture.text.size() * 4);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            text.push_back(picture.picture.IsSet(x, y) ? '#' : '.');
        }
        text.push_back('\n');
    }
    text += "text: " + U32ToUtf8(picture.text) + "\n";
    return text;
}

}  // namespace pixora::cli
