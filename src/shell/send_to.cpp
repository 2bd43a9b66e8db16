// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/send_to.h"

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"

namespace pixora {

namespace {

std::string WithName(std::string text, const std::string& name) {
    const size_t at = text.find("%1");
    return text.replace(at, 2, name);
}

}  // namespace

SendToEntry ParseSendToEntry(std::string_view value) {
    SendToEntry entry;
    const size_t semicolon = value.find(';');
    if (semicolon == std::string_view::npos) {
        return entry;
    }
    entry.usable = true;
    entry.caption = TranslateText("Shell", "Send to &") + std::string(value.substr(0, semicolon));
    entry.tag = std::string(value);
    return entry;
}

std::array<SendToEntry, 2> LoadSendToEntries(SettingsStore& store) {
    return {ParseSendToEntry(ReadText(store, keys::SendToAdd1)),
            ParseSendToEntry(ReadText(store, keys::SendToAdd2))};
}

std::optional<SendToTarget> SplitSendToTag(std::string_view tag) {
    const size_t semicolon = tag.find(';');
    if (semicolon == std::string_view::npos) {
        return std::nullopt;
    }
    return SendToTarget{std::string(tag.substr(0, semicolon)),
                        std::string(tag.substr(semicolon + 1))};
}

std::string NextTempPictureFile(std::string_view tempFolder, TempFileCounter& counter) {
    return NextTempFile(tempFolder, counter, TempPictureExtension);
}

void SendToSibling(SettingsStore& store, UserInterface& ui, ShellHost& host,
                   std::string_view tempFolder, TempFileCounter& counter,
                   const std::string& section, const std::string& displayName) {
    host.SetBusy(true);
    const TextKey applicationKey{section.c_str(), "Application", ""};
    const BoolKey busyKey{section.c_str(), "CurrentBusy", false};
    const std::string program = ReadText(store, applicationKey);
    if (program.empty() || !host.FileExists(program)) {
        ui.MessageBox(WithName(TranslateText("Shell", SiblingMissingText), displayName),
                      ProductName, MessageIcon::Warning, MessageButtons::Ok);
    } else if (ReadBool(store, busyKey)) {
        ui.MessageBox(WithName(TranslateText("Shell", SiblingBusyText), displayName), ProductName,
                      MessageIcon::Warning, MessageButtons::Ok);
    } else if (tempFolder.empty()) {
        ui.MessageBox(TranslateText("Web", NoTempFolderText), ProductName, MessageIcon::Warning,
                      MessageButtons::Ok);
    } else {
        const std::string path = NextTempPictureFile(tempFolder, counter);
        if (host.WritePictureMessageFile(path)) {
            host.RunWithArgument(program, path);
        }
    }
    host.SetBusy(false);
}

}  // namespace pixora
