// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/recent_files.h"

#include "core/document.h"
#include "core/paths.h"
#include "core/settings_keys.h"

namespace pixora {

void AddRecentFile(RecentFiles& files, std::string_view path) {
    // An empty path would blank the whole menu, since the menu stops at the first empty entry.
    if (path.empty() || path == UntitledName || path == files[0]) {
        return;
    }
    if (path != files[1]) {
        if (path != files[2]) {
            files[3] = files[2];
        }
        files[2] = files[1];
    }
    files[1] = files[0];
    files[0] = std::string(path);
}

namespace {

// A menu caption takes "&" as the mark of the access key; a file name's own "&" must show as it
// is and must not steal the entry's number as the key.
std::string MenuLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '&') {
            out += '&';
        }
    }
    return out;
}

}  // namespace

std::vector<RecentMenuEntry> RecentMenuEntries(const RecentFiles& files) {
    std::vector<RecentMenuEntry> entries;
    for (int i = 0; i < RecentFileCount && !files[i].empty(); ++i) {
        std::string caption = "&" + std::to_string(i + 1) + " " + MenuLiteral(FileNameOf(files[i]));
        entries.push_back({i, std::move(caption), files[i]});
    }
    return entries;
}

RecentFiles LoadRecentFiles(SettingsStore& store) {
    RecentFiles files;
    for (int i = 0; i < RecentFileCount; ++i) {
        files[i] = ReadText(store, keys::RecentFiles[i]);
    }
    return files;
}

void SaveRecentFiles(SettingsStore& store, const RecentFiles& files) {
    for (int i = 0; i < RecentFileCount; ++i) {
        WriteText(store, keys::RecentFiles[i], files[i]);
    }
}

}  // namespace pixora
