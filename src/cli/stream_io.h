// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "-" as a file name: standard input read whole, standard output written in one piece, and the
// type a name would otherwise give (--from, --to, or the bytes' own signature). Also the form
// every message takes: "pixora-cli: FILE: " and then the text.

#include <optional>
#include <string>
#include <string_view>

#include "formats/file_io.h"

namespace pixora::cli {

inline constexpr std::string_view StandardStream = "-";

// All of standard input, refused as "file too large" past maxSize as a file of that size would be.
FileRead ReadStandardInput(size_t maxSize = MaxOpenFileSize);

// The type the bytes' signature names ("npm", "nlm", "ngg", "nol", "nsl", "ngl", "bmp", "gif",
// "jpg", "ico"), or nothing for contents without one (OTB, WBMP, GMS, metafiles) and for kinds
// the editor does not open by name (PNG).
std::optional<std::string> SniffedType(std::string_view bytes);

// A name the editor's rules read as a file of type, "-.nlm" for "nlm"; nothing for a word that is
// no plain extension (a dot, a slash, an empty word) or that no reader or import claims.
std::optional<std::string> StandInName(std::string_view type);

// The file name of a batch output: the input's last component without its extension, then
// "." and type, in folder.
std::string BatchOutputPath(const std::string& folder, const std::string& input,
                            std::string_view type);

// A file only this process can see, removed again when the object goes.
class PrivateTempFile {
public:
    // In $TMPDIR (else /tmp), ending in suffix; status says why when it could not be made.
    PrivateTempFile(std::string_view suffix, std::string_view bytes);
    ~PrivateTempFile();
    PrivateTempFile(const PrivateTempFile&) = delete;
    PrivateTempFile& operator=(const PrivateTempFile&) = delete;

    const std::string& Path() const { return path_; }
    const FileStatus& Status() const { return status_; }

private:
    std::string path_;
    FileStatus status_;
};

// The file as a message names it: as given where it is all printable, else quoted with escapes.
std::string MessageName(std::string_view path);
// Every line of text with "pixora-cli: NAME: " in front; text ends in "\n" (one is added if not).
std::string NamedMessage(std::string_view path, std::string_view text);

}  // namespace pixora::cli
