// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The private temporary folder for web pages and pictures handed to the siblings: one folder per
// user in the system's temporary location, readable by that user only.
//
// The temporary location is shared with every other user, so the folder's usual name
// ("pixora-<uid>") can be taken by someone else before we first need it. A folder found under that
// name is used only when it is ours beyond doubt; otherwise one of our own from an earlier run
// ("pixora-<uid>-XXXXXX") is used, or a fresh one is made with mkdtemp. The folder in use is
// never the current folder and never a path that merely looks right.

#include <string>

namespace pixora {

// True when path is a folder only this user can use: a real directory (lstat, so a symbolic link
// counts as a stranger), owned by this user and of mode exactly 0700. Nothing is changed, not even
// a mode that is too open: someone may have used the folder while it was open.
bool IsPrivateFolder(const std::string& path);

// The folder, ending in "/". Empty only when the temporary location refuses a new folder of ours;
// callers must then write nothing at all.
std::string PrivateTempFolder();
// Deletes folder + "PMTMP*.HTM" and folder + "PMTMP*.NPM"; errors are ignored.
void DeleteTempPictureFiles(const std::string& folder);

}  // namespace pixora
