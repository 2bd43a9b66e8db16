// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/read_error.h"

namespace pixora {

ReadError ReadErrorOf(const FileStatus& status) {
    switch (status.error) {
        case FileError::None:
            return ReadError::None;
        case FileError::NotFound:
            return ReadError::NotFound;
        case FileError::NotRegularFile:
            return ReadError::NotRegularFile;
        case FileError::TooLarge:
            return ReadError::FileTooLarge;
        case FileError::ReadFailed:
        case FileError::WriteFailed:
            break;
    }
    return ReadError::ReadFailed;
}

}  // namespace pixora
