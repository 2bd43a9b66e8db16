#pragma once
// The private temporary folder for web pages and pictures handed to the siblings: one folder per
// user in the system's temporary location, readable by that user only.

#include <string>

namespace pixora {

// The folder, ending in "/", created with mode 0700 when missing. Empty when it cannot be made
// safely (it exists but is a link or belongs to someone else).
std::string PrivateTempFolder();
// Deletes folder + "PMTMP*.HTM" and folder + "PMTMP*.NPM"; errors are ignored.
void DeleteTempPictureFiles(const std::string& folder);

}  // namespace pixora
