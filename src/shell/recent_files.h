// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The four most recently opened or saved files at the end of the File menu.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"

namespace pixora {

inline constexpr int RecentFileCount = 4;

// File1 (newest) .. File4; empty text is no entry.
using RecentFiles = std::array<std::string, RecentFileCount>;

// Puts path at the top: a path already listed moves up without a duplicate, a new one pushes the
// oldest out. "Untitled", the newest entry itself and an empty path change nothing. Paths are
// compared exactly, letter case included.
void AddRecentFile(RecentFiles& files, std::string_view path);

struct RecentMenuEntry {
    int index;            // 0 for mnuRecent1 .. 3 for mnuRecent4
    std::string caption;  // "&1 " + file name, its own "&" doubled
    std::string path;
};

// The entries to show, in order; mnuRecentSep shows when the list is not empty. An empty entry
// ends the menu even when later ones are set.
std::vector<RecentMenuEntry> RecentMenuEntries(const RecentFiles& files);

RecentFiles LoadRecentFiles(SettingsStore& store);
void SaveRecentFiles(SettingsStore& store, const RecentFiles& files);

}  // namespace pixora
