#pragma once
// Whole-file reads and writes. Every format here is read and written in one piece.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pixora {

// Phone graphics are a few hundred bytes; anything this big is no file the editor can open, and
// refusing it keeps a mistaken choice (a disk image, a video) from filling memory.
inline constexpr size_t MaxOpenFileSize = 64u * 1024u * 1024u;

// The whole file, or nullopt when it cannot be opened or read, is no regular file (a folder, a
// pipe that would block) or is larger than maxSize.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxSize = MaxOpenFileSize);

// Writes bytes to a new file beside path and renames it over path, so that a failed write (full
// disk, removed medium, no permission) leaves any old file at path as it was. An existing file's
// permission bits are kept. False on any failure; no temporary file is left behind then.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Writes all of bytes to an open descriptor, going on after interrupted or partial writes.
bool WriteAllToDescriptor(int fd, std::string_view bytes);

}  // namespace pixora
