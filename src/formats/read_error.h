// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why a file gave no picture: one code per distinct failure, from the file itself (missing, no
// regular file, too large, unreadable) to its contents (cut short, wrong tag, a header field or
// a size the format does not have) and, for pictures to import, the decoder's verdict. Readers
// return a code and never a text; what the user is told is chosen from the code in one place
// (read_messages.h), so the editor and pixora-cli say the same.

#include <cstdint>
#include <utility>

#include "formats/file_io.h"

namespace pixora {

enum class ReadError : uint8_t {
    None,
    // The file as a whole.
    NotFound,        // no such file, or a folder on the way is missing
    NotRegularFile,  // a folder, a pipe, a device
    FileTooLarge,    // larger than the read takes
    ReadFailed,      // opening or reading failed
    // Its contents.
    TooShort,      // ends inside the header or the pixels
    BadMagic,      // does not start with the format's tag
    BadVersion,    // a version or type byte the format does not have
    BadField,      // a fixed header byte or field of another value
    BadSize,       // a width and height the format does not take
    BadDimension,  // a negative size or more pixels than the format can count
    // Pictures for import.
    UnknownFormat,  // no decoder takes the contents
    Damaged,        // the decoder gave up inside the data
    TooManyPixels,  // the declared size is more than a decode may take
};

// The code of a failed whole-file read; None for a read that worked.
ReadError ReadErrorOf(const FileStatus& status);

// What a reader hands back: the value when error is None, else the value T starts as (an empty
// picture), so a caller that shows the outcome either way needs no second case.
template <typename T>
struct ReadResult {
    ReadError error = ReadError::None;
    T value{};

    ReadResult() = default;
    ReadResult(ReadError failure) : error(failure) {}  // NOLINT: a reader returns its code
    ReadResult(T read) : value(std::move(read)) {}     // NOLINT: or what it read

    bool Ok() const { return error == ReadError::None; }
    explicit operator bool() const { return Ok(); }
    const T& operator*() const { return value; }
    const T* operator->() const { return &value; }
    bool operator==(const ReadResult&) const = default;
    // A result equals a value only when the read worked and gave that value.
    friend bool operator==(const ReadResult& result, const T& expected) {
        return result.Ok() && result.value == expected;
    }
};

}  // namespace pixora
