// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file-hand-over message a second start sends to the running instance, and what the second
// start does. Byte layout, all integers 32-bit little-endian:
//
//   offset 0  tag     1 (a file to open); the receiver ignores any other tag
//   offset 4  length  number of path bytes + 1
//   offset 8  data    the path bytes (UTF-8 on this platform), then one zero byte
//
// A path is sent whole however long it is; the receiver caps the message size before it reads
// the body, so a hostile length cannot make it allocate or wait for gigabytes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"

namespace pixora {

inline constexpr uint32_t HandOffOpenFileTag = 1;
inline constexpr size_t HandOffHeaderSize = 8;
// Far above any path the system can open (PATH_MAX is 4096), far below a burden.
inline constexpr size_t MaxHandOffDataSize = 64 * 1024;

// nullopt for an empty path (nothing to hand over) or one too long for any receiver.
std::optional<std::vector<uint8_t>> EncodeHandOff(std::string_view path);

enum class HandOffStatus {
    Ok,
    TooShort,      // less than a header, or a header with no data
    WrongTag,      // not a file to open
    TooLong,       // the length field exceeds MaxHandOffDataSize
    WrongLength,   // the length field disagrees with the bytes received
    NoTerminator,  // the data does not end with a zero byte
    EmbeddedZero,  // a zero byte before the end: not a path this program sends
    EmptyPath,     // only the zero byte
};

// The number of data bytes the header announces, so a reader knows how much more to read; the
// tag and the size cap are checked here already.
HandOffStatus HandOffDataSize(std::span<const uint8_t> header, size_t& dataSize);

// Decodes a whole message. path is set only for Ok.
HandOffStatus DecodeHandOff(std::span<const uint8_t> message, std::string& path);

// The command line as one path: the arguments after the program name joined by single spaces,
// as a path with spaces arrives when the desktop does not quote it.
std::string CommandLinePath(int argc, const char* const* argv);

// The command-line path made absolute against the working folder of the process that was given
// it: a second start runs in a folder of its own, and the running instance, the title, the recent
// list and the dialog folders all need the full path. "." segments are dropped; ".." stays, as it
// means the parent of what a link points at. An empty or already absolute path is returned as is.
std::string AbsoluteCommandLinePath(std::string_view path, std::string_view workingFolder);

// What a second start does when an instance runs already.
enum class SecondStartAction { Beep, HandOff };
SecondStartAction DecideSecondStart(SettingsStore& store);

// What a start is told when it cannot learn whether another instance runs: lockPath is the lock
// file that cannot be used, or empty when there is no private folder to put one in.
std::string InstanceLockProblemText(std::string_view lockPath);

}  // namespace pixora
