// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Handing the current picture to another application: the siblings Tamsel Editor and Vornik
// Uploader, and up to two "Send to" targets that other applications register in the settings.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/translate.h"
#include "core/user_interface.h"
#include "shell/shell_host.h"
#include "web/temp_files.h"

namespace pixora {

inline constexpr const char* TamselDisplayName = "Tamsel Editor";
inline constexpr const char* VornikDisplayName = "Vornik Uploader";

// mnuSendToAdd1 / mnuSendToAdd2 as configured from "SendToAdd1" / "SendToAdd2".
struct SendToEntry {
    bool usable = false;  // enabled and visible
    std::string caption =
        PIXORA_TRANSLATE_NOOP("Shell", "Send to ...");  // "Send to &" + display name when usable
    std::string tag;                                    // the whole setting when usable
};

// A value needs a ";" to be used: "My Tool;MyTool Settings" gives "Send to &My Tool".
SendToEntry ParseSendToEntry(std::string_view value);
std::array<SendToEntry, 2> LoadSendToEntries(SettingsStore& store);

struct SendToTarget {
    std::string displayName;
    std::string section;
};
// Splits an item's tag at the first ";"; nullopt without one.
std::optional<SendToTarget> SplitSendToTag(std::string_view tag);

// tempFolder + "PMTMP" + number + ".NPM", sharing the counter with the web pages.
std::string NextTempPictureFile(std::string_view tempFolder, TempFileCounter& counter);

inline constexpr const char* SiblingMissingText =
    PIXORA_TRANSLATE_NOOP("Shell",
                          "Can't find a supported version of %1.\r\n\r\n"
                          "Please download and install the latest version, then try again.");
inline constexpr const char* SiblingBusyText = PIXORA_TRANSLATE_NOOP(
    "Shell",
    "Can't send your image to %1,\r\nIt seems that the application is busy right now.\r\n\r\n"
    "Please check and then try again.");

// Writes the picture to the next temporary file and starts the application registered under
// section with its path, or tells the user why not (an empty tempFolder included). Runs busy from
// start to end.
void SendToSibling(SettingsStore& store, UserInterface& ui, ShellHost& host,
                   std::string_view tempFolder, TempFileCounter& counter,
                   const std::string& section, const std::string& displayName);

}  // namespace pixora
