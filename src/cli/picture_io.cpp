#include "cli/picture_io.h"

#include <algorithm>
#include <cctype>

#include "cli/batch_user_interface.h"
#include "core/picture_views.h"
#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/utf8.h"
#include "formats/bmp_file.h"
#include "formats/file_io.h"
#include "formats/import_fit.h"
#include "formats/npm_file.h"
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

// The editor's message, then which file and why, for a file that could not be read at all.
std::string UnreadableFileMessage(const std::string& path, FileKind kind,
                                  const FileStatus& status) {
    return ReadErrorMessage(ReadErrorOf(status), kind) + "\n" + QuotedName(path) + ": " +
           FileStatusText(status) + "\n";
}

OpenOutcome ImportPicture(const std::string& path, SettingsStore& settings, BatchUserInterface& ui,
                          const PictureLoader& loadPicture) {
    OpenOutcome outcome;
    // Judged before any decoder sees the name: a pipe named like a picture would block it.
    if (const FileStatus status = CheckRegularFile(path); !status.Ok()) {
        outcome.message = UnreadableFileMessage(path, FileKind::ImportPicture, status);
        return outcome;
    }
    std::string error;
    std::optional<ImportedImage> image =
        loadPicture ? loadPicture(path, PictureWidth, PictureHeight, error) : std::nullopt;
    if (!image || image->shrunk.Empty()) {
        // The editor's import gives up without a word here; a script needs one.
        outcome.message = error.empty() ? std::string(CantReadFileMessage) + "\n" : error + "\n";
        return outcome;
    }
    const Raster fitted = FitImportedPicture(*image, path, settings, ui);
    const std::optional<PictureGrid> picture = ThresholdPicture(fitted, settings, ui);
    if (!picture) {
        // The editor's import ends quietly on a level that is no number; say which setting.
        outcome.message = ui.Messages().empty()
                              ? "The \"ImportLevel\" setting is no colour number; nothing was "
                                "imported.\n"
                              : Joined(ui.Messages());
        return outcome;
    }
    outcome.opened = OpenedPicture{*picture, {}};
    return outcome;
}

bool EndsWithUpper(const std::string& path, std::string_view upperSuffix) {
    if (path.size() < upperSuffix.size()) {
        return false;
    }
    return std::equal(
        upperSuffix.begin(), upperSuffix.end(),
        path.end() - static_cast<std::ptrdiff_t>(upperSuffix.size()), [](char upper, char c) {
            return upper == static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        });
}

}  // namespace

OpenOutcome OpenPicture(const std::string& path, SettingsStore& settings, BatchUserInterface& ui,
                        const PictureLoader& loadPicture) {
    const FileKind kind = ChooseReader(path);
    if (kind == FileKind::ImportPicture || kind == FileKind::ImportI61) {
        return ImportPicture(path, settings, ui, loadPicture);
    }
    const FileRead read = ReadFile(path);
    OpenOutcome outcome;
    if (!read.status.Ok()) {
        outcome.message = UnreadableFileMessage(path, kind, read.status);
        return outcome;
    }
    const OpenResult result = OpenGraphicFile(path, std::string_view(read.bytes));
    if (result.action != OpenAction::Adopt && result.action != OpenAction::AdoptAsUntitled) {
        // Some rejections are silent in the editor (its picture simply stays); a script still
        // needs to know why nothing came out.
        outcome.message = TerminalText(ReadErrorMessage(result.error, result.kind)) + "\n";
        return outcome;
    }
    outcome.opened = OpenedPicture{result.picture, result.textChanged ? result.text : U""};
    return outcome;
}

std::optional<OutputFormat> ChooseOutputFormat(const std::string& path) {
    // Save writes a picture message whatever the name; Export picks WBMP by ".WBM" anywhere in
    // the name and BMP otherwise. Here the name must say which one is meant.
    if (EndsWithUpper(path, ".NPM")) {
        return OutputFormat::PictureMessage;
    }
    if (IsWbmpExportName(path)) {
        return OutputFormat::Wbmp;
    }
    if (EndsWithUpper(path, ".BMP")) {
        return OutputFormat::Bmp;
    }
    return std::nullopt;
}

std::string EncodeOutput(OutputFormat format, const OpenedPicture& picture,
                         SettingsStore& settings) {
    switch (format) {
        case OutputFormat::PictureMessage:
            return WritePictureMessageFile(picture.picture, picture.text,
                                           ReadText(settings, keys::UserName));
        case OutputFormat::Wbmp:
            return WriteWbmpFile(picture.picture);
        case OutputFormat::Bmp: {
            // Export saves the output bitmap: the picture in the two view colours. Drawn here
            // directly, as the views' RefreshPreview draws it, without the canvas and phone front.
            Raster output(PictureWidth, PictureHeight, ClearColour);
            for (int y = 0; y < PictureHeight; ++y) {
                for (int x = 0; x < PictureWidth; ++x) {
                    if (picture.picture.IsSet(x, y)) {
                        output.SetPixel(x, y, SetColour);
                    }
                }
            }
            return WriteBmpFile(output);
        }
    }
    return {};
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
