// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names of the temporary files the editor leaves for the browser (redirect pages) and for other
// applications (picture messages). Both kinds draw their numbers from one counter per run, so a
// page and a picture never share a number.

#include <cstdint>
#include <string>
#include <string_view>
#include "core/translate.h"

namespace pixora {

inline constexpr const char* TempFilePrefix = "PMTMP";
inline constexpr const char* TempPageExtension = ".HTM";
inline constexpr const char* TempPictureExtension = ".NPM";

class TempFileCounter {
public:
    // The number for the next name, then one more for the one after. After 32767 the numbers
    // start again at 0: the files of this run are long gone to the browser or sibling by then.
    int Take();
    int Peek() const { return next_; }

private:
    int16_t next_ = 0;
};

// folder + "/" (when missing) + "PMTMP" + the number with at least three digits + extension.
std::string TempFileName(std::string_view folder, int number, std::string_view extension);

// Takes the next number from the counter and names the file.
std::string NextTempFile(std::string_view folder, TempFileCounter& counter,
                         std::string_view extension);

// True for a name this program produced ("PMTMP", digits, ".HTM" or ".NPM", exact case), so that
// clearing the temporary folder removes nothing else.
bool IsTempFileName(std::string_view fileName);

// Told instead of writing when there is no private temporary folder: a temporary file never goes
// to the current folder.
inline constexpr const char* NoTempFolderText = PIXORA_TRANSLATE_NOOP(
    "Web",
    "Can't find a temporary folder that only you can use.\r\n\r\n"
    "Please check that the temporary folder (TMPDIR) exists and can be written, then try again.");

// Writing a temporary file. The folder is private to the user, and the write must create the
// file afresh: something planted at the name (a symbolic link above all) is removed or refused,
// never followed.
class TempFileWriter {
public:
    virtual ~TempFileWriter() = default;
    virtual bool WriteNewFile(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace pixora
