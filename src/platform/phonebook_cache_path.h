// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the editor keeps its phonebook cache: "KDXPBOOK.CSV" in the user's data folder
// ($XDG_DATA_HOME/Brellow/Pixora, ~/.local/share/Brellow/Pixora by default). The editor and
// pixora-cli phonebook --save write the same file.

#include <string>

namespace pixora {

std::string EditorPhonebookCachePath();

}  // namespace pixora
