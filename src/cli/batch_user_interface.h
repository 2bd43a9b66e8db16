// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The user interface of a program that never waits for a person: every question is answered Yes
// (so an oversized picture is shrunk and an empty one written), every input box keeps its default
// and every file dialog is cancelled. What the shared code says is kept for the caller to print.

#include <string>
#include <vector>

#include "core/user_interface.h"

namespace pixora::cli {

class BatchUserInterface : public UserInterface {
public:
    Answer MessageBox(const std::string& text, const std::string& title, MessageIcon icon,
                      MessageButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, int x, int y) override;
    void Beep() override {}
    void SetBusyPointer(bool) override {}
    std::string OpenFile(const std::string&, int, const std::string&) override { return {}; }
    std::string SaveFile(const std::string&, const std::string&, int, const std::string&,
                         const std::string&, int*) override {
        return {};
    }
    void ProcessEvents() override {}

    // Messages that were only told, not asked, with "\r\n" turned into "\n".
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

// "\r\n" line breaks as a terminal shows them.
std::string TerminalText(std::string text);

}  // namespace pixora::cli
