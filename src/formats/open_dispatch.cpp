// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/open_dispatch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "core/translate.h"
#include "formats/gms_file.h"
#include "formats/ngg_file.h"
#include "formats/ngl_file.h"
#include "formats/nlm_file.h"
#include "formats/npm_file.h"
#include "formats/nsl_file.h"
#include "formats/otb_file.h"
#include "formats/wbmp_file.h"

namespace pixora {

bool UpperPathContains(std::string_view path, std::string_view upperText) {
    std::string upper(path);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(upperText) != std::string::npos;
}

bool IsImportPictureName(std::string_view path) {
    return UpperPathContains(path, ".BMP") || UpperPathContains(path, ".GIF") ||
           UpperPathContains(path, ".JPG") || UpperPathContains(path, ".ICO");
}

bool IsSiblingHandOverName(std::string_view path) {
    return path.find("GGTMP") != std::string_view::npos ||
           path.find("OLTMP") != std::string_view::npos;
}

bool IsPictureMessageHandOverName(std::string_view path) {
    return path.find("PMTMP") != std::string_view::npos;
}

FileKind ChooseReader(std::string_view path) {
    static constexpr std::array<std::pair<std::string_view, FileKind>, 13> kOrder = {{
        {".NLM", FileKind::Nlm},
        {".GMS", FileKind::Gms},
        {".NSL", FileKind::Nsl},
        {".NGL", FileKind::Ngl},
        {".OTB", FileKind::Otb},
        {".WBM", FileKind::Wbmp},
        {".I61", FileKind::ImportI61},
        {".BMP", FileKind::ImportPicture},
        {".GIF", FileKind::ImportPicture},
        {".JPG", FileKind::ImportPicture},
        {".ICO", FileKind::ImportPicture},
        {".NGG", FileKind::GroupGraphic},
        {".NOL", FileKind::GroupGraphic},
    }};
    for (const auto& [extension, kind] : kOrder) {
        if (UpperPathContains(path, extension)) {
            return kind;
        }
    }
    return FileKind::PictureMessage;
}

namespace {

// The readers that work on a buffer loaded in advance: the editor's picture and text are cleared
// once the file has been read, before the reader judges it.
ReadResult<LoadedPicture> RunBufferReader(FileKind kind, std::string_view bytes) {
    auto pictureOnly = [](const ReadResult<PictureGrid>& read) -> ReadResult<LoadedPicture> {
        if (!read) {
            return read.error;
        }
        return LoadedPicture{*read, {}};
    };
    switch (kind) {
        case FileKind::Nlm:
            return pictureOnly(ReadNlmFile(bytes));
        case FileKind::Gms:
            return ReadGmsFile(bytes);
        case FileKind::Nsl:
            return pictureOnly(ReadNslFile(bytes));
        case FileKind::Ngl:
            return pictureOnly(ReadNglFile(bytes));
        case FileKind::Otb:
            return pictureOnly(ReadOtbFile(bytes));
        case FileKind::Wbmp:
            return pictureOnly(ReadWbmpFile(bytes));
        default:
            return ReadError::UnknownFormat;
    }
}

bool IsFileError(ReadError error) {
    return error == ReadError::NotFound || error == ReadError::NotRegularFile ||
           error == ReadError::FileTooLarge || error == ReadError::ReadFailed;
}

OpenResult Rejected(OpenResult result, ReadError error) {
    result.error = error;
    if (!EditorStaysQuiet(error, result.kind)) {
        result.message = ReadErrorMessage(error, result.kind);
    }
    return result;
}

OpenResult OpenBuffered(OpenResult result, std::optional<std::string_view> bytes) {
    if (!bytes) {
        // Nothing was cleared yet: picture and text stay.
        return Rejected(std::move(result), ReadError::ReadFailed);
    }
    result.pictureChanged = true;
    result.textChanged = true;
    const ReadResult<LoadedPicture> loaded = RunBufferReader(result.kind, *bytes);
    if (!loaded) {
        return Rejected(std::move(result), loaded.error);
    }
    result.picture = loaded->picture;
    result.text = loaded->text;
    result.action = OpenAction::Adopt;
    return result;
}

OpenResult OpenGroupGraphic(OpenResult result, std::string_view path,
                            std::optional<std::string_view> bytes) {
    // The text goes before the file is even opened, so every outcome leaves it empty.
    result.textChanged = true;
    if (!bytes) {
        return Rejected(std::move(result), ReadError::ReadFailed);
    }
    const ReadResult<GroupGraphic> graphic = ReadGroupGraphicFile(*bytes);
    if (!graphic) {
        return Rejected(std::move(result), graphic.error);
    }
    result.pictureChanged = true;
    result.picture = graphic->picture;
    result.beep = graphic->unsupportedSize;
    result.action = IsSiblingHandOverName(path) ? OpenAction::AdoptAsUntitled : OpenAction::Adopt;
    return result;
}

OpenResult OpenPictureMessage(OpenResult result, std::string_view path,
                              std::optional<std::string_view> bytes) {
    result.textChanged = true;
    if (!bytes) {
        return Rejected(std::move(result), ReadError::ReadFailed);
    }
    const ReadResult<LoadedPicture> loaded = ReadPictureMessageFile(*bytes);
    if (!loaded) {
        return Rejected(std::move(result), loaded.error);
    }
    result.pictureChanged = true;
    result.picture = loaded->picture;
    result.text = loaded->text;
    result.action =
        IsPictureMessageHandOverName(path) ? OpenAction::AdoptAsUntitled : OpenAction::Adopt;
    return result;
}

}  // namespace

OpenResult OpenGraphicFile(std::string_view path, std::optional<std::string_view> bytes) {
    OpenResult result;
    result.kind = ChooseReader(path);
    switch (result.kind) {
        case FileKind::ImportI61:
        case FileKind::ImportPicture:
            result.action = OpenAction::Import;
            return result;
        case FileKind::GroupGraphic:
            return OpenGroupGraphic(std::move(result), path, bytes);
        case FileKind::PictureMessage:
            return OpenPictureMessage(std::move(result), path, bytes);
        default:
            return OpenBuffered(std::move(result), bytes);
    }
}

std::string ReadErrorMessage(ReadError error, FileKind kind) {
    if (error == ReadError::None) {
        return {};
    }
    if (IsFileError(error)) {
        return TranslateText("Open", CantReadFileMessage);
    }
    switch (kind) {
        case FileKind::Nlm:
            return TranslateText("Open", "Can't read this NLM file. Try another file.");
        case FileKind::Gms:
            return TranslateText("Open", "Can't read this GMS file. Try another file.");
        case FileKind::Nsl:
            return TranslateText("Open", "Can't read this NSL file. Try another file.");
        case FileKind::Ngl:
            return TranslateText("Open", "Can't read this NGL file. Try another file.");
        case FileKind::Otb:
            return TranslateText("Open", "Can't read this OTB file. Try another file.");
        case FileKind::Wbmp:
            return TranslateText(
                "Open", "Can't read this WBMP file.\r\nMaximum supported size is 127x127 pixel.");
        default:
            return TranslateText("Open", CantReadFileMessage);
    }
}

bool EditorStaysQuiet(ReadError error, FileKind kind) {
    switch (kind) {
        case FileKind::GroupGraphic:
            return error == ReadError::BadDimension || IsFileError(error);
        case FileKind::PictureMessage:
            return IsFileError(error);
        case FileKind::ImportI61:
        case FileKind::ImportPicture:
            return true;
        default:
            return false;
    }
}

std::string ImportRefusalReason(ReadError error) {
    switch (error) {
        case ReadError::NotRegularFile:
            return TranslateText("Files", NotRegularFileText);
        case ReadError::FileTooLarge:
            return TranslateText("Files", "too large a file");
        default:
            return {};
    }
}

void ReportOpenResult(const OpenResult& result, UserInterface& ui) {
    if (result.beep) {
        ui.Beep();
    }
    if (!result.message.empty()) {
        ui.MessageBox(result.message, result.title, result.icon, MessageButtons::Ok);
    }
}

}  // namespace pixora
