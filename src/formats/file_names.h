// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Name rules and dialog filters of Save, Save As, Export and Open.

#include <string>
#include <string_view>
#include <vector>
#include "core/translate.h"

namespace pixora {

inline constexpr const char* PictureMessageFilter =
    PIXORA_TRANSLATE_NOOP("Files", "Nokia Picture Message (*.npm)|*.npm");
inline constexpr const char* PictureMessageExtension = "npm";
inline constexpr const char* OpenFilter = PIXORA_TRANSLATE_NOOP(
    "Files",
    "Nokia Graphics|*.npm;*.ngg;*.nol;*.nlm;*.gms;*.nsl;*.otb;*.ngl;*.i61;*.wbmp;*.wbm|"
    "Nokia Picture Message (*.npm)|*.npm|Nokia Group Graphic (*.ngg)|*.ngg|"
    "Nokia Operator Logo (*.nol)|*.nol");
inline constexpr const char* ExportExtension = "bmp";
inline constexpr const char* ImportFilter =
    PIXORA_TRANSLATE_NOOP("Files",
                          "Pictures (*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf)|"
                          "*.bmp;*.gif;*.jpg;*.ico;*.rle;*.wmf;*.emf");

// The Import dialog's filters: ImportFilter first, then every picture the loader reads, given
// as lower-case extensions; extensions already in ImportFilter are not repeated on their own.
std::string ImportDialogFilter(const std::vector<std::string>& extensions);

// The name offered by Save As and Export: the document's file name without its extension,
// "net" for "/logos/net.nol"; empty for "Untitled" and for names without a "." or a folder.
std::string ProposedFileName(std::string_view documentName);

// Save writes in place only to a picture-message file; anything else (a new document, an opened
// logo, an imported picture) goes through Save As. The ".NPM" test ignores case.
bool SaveNeedsDialog(std::string_view documentName);

}  // namespace pixora
