// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What pixora-cli needs to print the web-send address the editor would build: the same web
// context the editor sets up at start-up, from this program's folder and the user's locale.

#include <string>

#include "web/web_address.h"

namespace pixora::cli {

// Version code of this build, the keyboard region's dialling code (the system locale: a batch
// run has no input method) and the media code of the branding file "KALDRIX.INI" in
// programFolder. When the region cannot be found the country code stays empty and warning says
// why.
WebContext EditorWebContext(const std::string& programFolder, std::string& warning);

}  // namespace pixora::cli
