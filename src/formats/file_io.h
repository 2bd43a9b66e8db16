// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whole-file reads and writes. Every format here is read and written in one piece.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include "core/translate.h"

namespace pixora {

// Phone graphics are a few hundred bytes; anything this big is no file the editor can open, and
// refusing it keeps a mistaken choice (a disk image, a video) from filling memory.
inline constexpr size_t MaxOpenFileSize = 64u * 1024u * 1024u;

enum class FileError {
    None,
    NotFound,        // no such file, or a folder on the way is missing
    NotRegularFile,  // a folder, a pipe, a device, a socket
    TooLarge,        // larger than the limit of the read
    ReadFailed,      // opening or reading failed; errnum says why
    WriteFailed,     // creating, writing or replacing failed; errnum says why
};

struct FileStatus {
    FileError error = FileError::None;
    int errnum = 0;  // the errno of the failing call, 0 when the failure is no system error

    bool Ok() const { return error == FileError::None; }
};

inline constexpr const char* NotRegularFileText =
    PIXORA_TRANSLATE_NOOP("Files", "not a regular file");

// Why a file could not be read or written, in the system's words ("No such file or
// directory", "Permission denied") or, for what is no system error, "not a regular file" and
// "file too large".
std::string FileStatusText(const FileStatus& status);

struct FileRead {
    std::string bytes;
    FileStatus status;
};

// The whole file. It is opened without blocking and without becoming the controlling terminal,
// and refused at once when it is no regular file (a pipe would wait for a writer for ever, a
// device could hang or never end) or is larger than maxSize.
FileRead ReadFile(const std::string& path, size_t maxSize = MaxOpenFileSize);
// As ReadFile, for callers that need no reason: nullopt on any failure.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxSize = MaxOpenFileSize);

// Whether path names an existing regular file, without opening it: for files handed to a loader
// that would block on a pipe.
FileStatus CheckRegularFile(const std::string& path);

// Saves bytes at path so that a failure never costs the old file where that can be helped.
// Normally the bytes go to a new temporary file beside path (named by TempSaveFileName), which
// is synced and renamed over path; a failed write leaves the old file as it was. Where a rename
// would not give the same result as deleting and creating the file, the file is rewritten in
// place instead: when the folder cannot take a new file but the file itself is writable, when
// the temporary name does not fit, when the file has further hard links (a rename would split
// them), or when it has an owner other than us or an access-control list (a new file would
// drop both). An existing file's permission bits and group are kept; a file we may not write
// is refused even where its folder would allow replacing it. A real failure (no space, no
// permission) reports errno; a failed atomic save leaves no temporary file behind.
FileStatus WriteFile(const std::string& path, std::string_view bytes);
// Many new files at once: while one of these is alive, WriteFile skips its two flushes for a
// name that does not exist yet (an existing file is still replaced only once its new contents
// are on disk), and Finish flushes the file system holding folder once for all of them. Nothing
// may be reported as saved before Finish returned Ok. For one thread at a time.
class DeferredFlush {
public:
    DeferredFlush();
    ~DeferredFlush();
    DeferredFlush(const DeferredFlush&) = delete;
    DeferredFlush& operator=(const DeferredFlush&) = delete;
    FileStatus Finish(const std::string& folder);
};
// As WriteFile, for callers that need no reason.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Writes all of bytes to an open descriptor, going on after interrupted or partial writes.
bool WriteAllToDescriptor(int fd, std::string_view bytes);

// Temporary save files older than this are taken as left over even when their process id runs.
inline constexpr long StaleSaveFileAge = 6L * 60 * 60;

// The name of a temporary save file: ".pixora-save-<pid>-<random hex>.tmp".
std::string TempSaveFileName(long pid, unsigned random);
// Removes the temporary save files that a killed save left in folder: only files named by
// TempSaveFileName, owned by us, whose process no longer runs or which are older than
// maxAgeSeconds (a process id may have been reused). Every other file stays. Returns how many
// were removed; errors are ignored.
int RemoveStaleSaveFiles(const std::string& folder, long maxAgeSeconds = StaleSaveFileAge);

}  // namespace pixora
