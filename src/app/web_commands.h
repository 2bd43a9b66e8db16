// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's commands that go through the web and the sibling programs: Send via Internet, the
// other send modes, the help and newsletter pages, the link label, the "Send to" entries, and
// the branding file that decides which of them (and the SMS send) are shown.

#include <functional>
#include <optional>
#include <string>

#include "app/editor_actions.h"
#include "core/picture.h"
#include "core/raster.h"
#include "core/settings.h"
#include "core/user_interface.h"
#include "shell/shell_host.h"
#include "web/temp_files.h"
#include "web/web_address.h"

class QLabel;

namespace pixora {

// What the web commands need of the window they serve and of the desktop.
struct WebCommandHost {
    // The picture and its text as they are at the moment of the send.
    std::function<PictureGrid()> picture;
    std::function<std::u32string()> text;
    // Asks before an empty picture goes out; false stops.
    std::function<bool()> confirmNotEmpty;
    // The private temporary folder as it is now (ending in "/"), or empty when there is none.
    std::function<std::string()> tempFolder;
    // The desktop's default handlers for a file and for a web address.
    std::function<bool(const std::string&)> openDocument;
    std::function<bool(const std::string&)> openAddress;
    // Decodes a picture at its own size (the branding picture).
    std::function<std::optional<Raster>(const std::string&)> loadImage;
    TempFileWriter* tempWriter = nullptr;
    // The branding takes the SMS send away.
    std::function<void()> hideSmsSend;
};

class WebCommands {
public:
    // actions are the window's menu items and toolbar buttons that the commands show or hide.
    WebCommands(SettingsStore& settings, UserInterface& ui, ShellHost& shell, WebCommandHost host,
                const EditorActions& actions);

    void mnuInternet_Click();
    void mnuOther_Click(OtherSend mode);
    void mnuOtherPartner_Click();
    void mnuSendNGG_Click();
    void mnuSendNOL_Click();
    // index 0 or 1 for mnuSendToAdd1, mnuSendToAdd2
    void mnuSendToAdd_Click(int index);
    void mnuHelpInformation_Click();
    void mnuHelpFAQ_Click();
    void mnuNewsletter_Click();
    void mnuHelpSamples_Click();
    void mnuHelpUpdates_Click();
    void lblURL_Click();

    void LoadSendToEntries();
    // Shows or hides the web send, its toolbar button and the other-send submenu together.
    void SetWebCommandsVisible(bool visible);
    // Reads the branding file from the program's folder and applies it; its picture goes into
    // picBranding.
    void ApplyBranding(const std::string& programFolder, QLabel* picBranding);

    WebContext& Context() { return webContext_; }
    const WebContext& Context() const { return webContext_; }
    TempFileCounter& TempCounter() { return tempCounter_; }

private:
    void OpenAddress(const std::string& address);

    SettingsStore& settings_;
    UserInterface& ui_;
    ShellHost& shell_;
    WebCommandHost host_;
    const EditorActions& actions_;
    WebContext webContext_;
    TempFileCounter tempCounter_;
};

}  // namespace pixora
