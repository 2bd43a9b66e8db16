// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing the temporary pages and pictures into the private temporary folder.
//
// The name of a temporary file is predictable (PMTMP000.HTM, PMTMP001.HTM, ...), so the write must
// never land anywhere but in a new file of its own:
//   - the folder must be a real directory (not a link), owned by this user and closed to everyone
//     else, or nothing is written;
//   - whatever already has the name (a symbolic link, a hard link, an old page) is unlinked first,
//     which removes the name only and never touches what it points to; the file is then created
//     with O_CREAT | O_EXCL | O_NOFOLLOW and mode 0600, so a link planted between the two steps
//     makes the create fail instead of being followed, and the pair is tried again a few times.
// Removing rather than refusing keeps the editor working when a page of an earlier run is still
// there; as only this user can write in the folder, nothing of anyone else's is removed.

#include <string>
#include <string_view>

#include "web/temp_files.h"

namespace pixora {

class PrivateTempFileWriter : public TempFileWriter {
public:
    // path is the folder, "/", and a plain file name. False when the folder is not private, the
    // name cannot be taken, or the bytes cannot all be written (a partial file is removed).
    bool WriteNewFile(const std::string& path, std::string_view bytes) override;
};

}  // namespace pixora
