// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A user interface for tests: records everything shown and hands out planned answers. A question,
// input box or file dialog that the test did not plan for fails the test.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/user_interface.h"

namespace pixora::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeUserInterface : public UserInterface {
public:
    Answer MessageBox(const std::string& text, const std::string& title, MessageIcon icon,
                      MessageButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, int x, int y) override;
    void Beep() override { ++beeps; }
    void SetBusyPointer(bool busy) override { busyPointer.push_back(busy); }
    std::string OpenFile(const std::string& filter, int filterIndex,
                         const std::string& initialFolder) override;
    std::string SaveFile(const std::string& initialName, const std::string& filter, int filterIndex,
                         const std::string& initialFolder, const std::string& defaultExtension,
                         int* chosenFilter = nullptr) override;
    void ProcessEvents() override { ++eventPumps; }

    // Runs whenever a question, input box or file dialog comes up, as a real dialog's own event
    // loop lets timers and other events in while the user looks at it.
    std::function<void()> whileAsking;

    // Plans, used in order.
    std::deque<int> answers;            // for Yes/No(/Cancel) and OK/Cancel boxes
    std::deque<std::string> inputs;     // for input boxes
    std::deque<std::string> openPaths;  // for open dialogs ("" = cancel)
    std::deque<std::string> savePaths;  // for save dialogs ("" = cancel)
    int saveFilter = 0;                 // the filter the user picks; 0 leaves the proposed one

    // What happened.
    std::vector<ShownMessage> messages;
    std::vector<std::string> prompts;
    struct Dialog {
        std::string filter;
        int filterIndex;
        std::string folder;
        std::string initialName;
        std::string defaultExtension;
    };
    std::vector<Dialog> dialogs;
    int beeps = 0;
    int eventPumps = 0;
    std::vector<bool> busyPointer;

    std::string LastText() const { return messages.empty() ? std::string() : messages.back().text; }
};

}  // namespace pixora::testing
