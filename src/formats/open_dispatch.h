// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The choice of reader when a file is opened, and what the editor does with the outcome.
//
// The extension test upper-cases the whole path and looks for each extension text anywhere in
// it, in a fixed order, so "/pics.nlm/logo.npm" is read as an NLM file. Everything that matches
// no other text (".npm" and unknown names alike) goes to the picture-message reader.
//
// Usage from the window:
//   FileKind kind = ChooseReader(path);
//   if (kind is ImportI61 or ImportPicture) -> ImportPicture(path)
//   else result = OpenGraphicFile(path, ReadWholeFile(path)); ReportOpenResult(result, ui);
//        then apply result.picture / result.text / result.action to the document.
//
// Every failure, of the file or of its contents, is a ReadError; ReadErrorMessage is the one
// place that turns it into the text the editor shows and pixora-cli prints.

#include <optional>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/picture.h"
#include "core/translate.h"
#include "core/user_interface.h"
#include "formats/read_error.h"

namespace pixora {

enum class FileKind {
    Nlm,
    Gms,
    Nsl,
    Ngl,
    Otb,
    Wbmp,
    ImportI61,      // an image for the platform loader, despite its phone-like name
    ImportPicture,  // .bmp .gif .jpg .ico
    GroupGraphic,   // .ngg .nol
    PictureMessage  // .npm and every other name
};

FileKind ChooseReader(std::string_view path);

// True when the upper-cased path contains upperText (which is given in upper case).
bool UpperPathContains(std::string_view path, std::string_view upperText);
// Names that a drop or a hand-over sends straight to picture import.
bool IsImportPictureName(std::string_view path);
// Temporary files of the sibling tools ("GGTMP", "OLTMP", exact case): they never become the
// document, and their folder never becomes the Open folder.
bool IsSiblingHandOverName(std::string_view path);
// Temporary picture-message files of this program ("PMTMP", exact case).
bool IsPictureMessageHandOverName(std::string_view path);

enum class OpenAction {
    Adopt,            // the file is the document: name, recent list, title saved
    AdoptAsUntitled,  // a hand-over file: "Untitled", modified, recent list untouched
    Import,           // the path goes to picture import; nothing was read here
    KeepDocument      // the document name and title stay; see message
};

struct OpenResult {
    FileKind kind = FileKind::PictureMessage;
    OpenAction action = OpenAction::KeepDocument;
    // When set, the editor's picture becomes `picture` (an empty one after a rejected read that
    // had already cleared it).
    bool pictureChanged = false;
    PictureGrid picture;
    // When set, PictureText and the text box become `text` (often empty).
    bool textChanged = false;
    std::u32string text;
    bool beep = false;
    // None when the file was read; otherwise why not, also when the editor says nothing.
    ReadError error = ReadError::None;
    // Empty: nothing to say. Otherwise shown with title and icon and an OK button.
    std::string message;
    std::string title = ProductName;
    MessageIcon icon = MessageIcon::Warning;
};

inline constexpr const char* CantReadFileMessage =
    PIXORA_TRANSLATE_NOOP("Open", "Can't read this file. Try another file.");

// What the user is told when a file taken for `kind` gives `error`: the format's own message for
// rejected contents, CantReadFileMessage for a file that could not be read (the file's name and
// the system's reason go with it) and for every reader without a message of its own. Empty for
// None.
std::string ReadErrorMessage(ReadError error, FileKind kind);
// The failures the editor passes over in silence, leaving its picture as it was: a group
// graphic whose size no 16 bits count, a group-graphic or picture-message file that could not be
// read here, a picture the import cannot decode. A script is still told ReadErrorMessage.
bool EditorStaysQuiet(ReadError error, FileKind kind);
// The short reason the import gives for a picture it refused before decoding it ("not a regular
// file", "too large a file"); empty for every other failure.
std::string ImportRefusalReason(ReadError error);

// bytes is the whole file, or nullopt when it could not be read. For the import kinds the bytes
// are not looked at.
OpenResult OpenGraphicFile(std::string_view path, std::optional<std::string_view> bytes);

// Sounds the beep and shows the message, if the result has them.
void ReportOpenResult(const OpenResult& result, UserInterface& ui);

}  // namespace pixora
