// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/fake_user_interface.h"

#include <gtest/gtest.h>

namespace pixora::testing {

Answer FakeUserInterface::MessageBox(const std::string& text, const std::string& title,
                                     MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (whileAsking) {
        whileAsking();
    }
    if (buttons == MessageButtons::Ok) {
        return AnswerOk;
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unplanned question: " << text;
        return AnswerCancel;
    }
    const Answer answer = static_cast<Answer>(answers.front());
    answers.pop_front();
    return answer;
}

std::string FakeUserInterface::InputBox(const std::string& prompt, const std::string&,
                                        const std::string&, int, int) {
    prompts.push_back(prompt);
    if (whileAsking) {
        whileAsking();
    }
    if (inputs.empty()) {
        ADD_FAILURE() << "unplanned input box: " << prompt;
        return "unplanned";
    }
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
}

std::string FakeUserInterface::OpenFile(const std::string& filter, int filterIndex,
                                        const std::string& initialFolder) {
    dialogs.push_back({filter, filterIndex, initialFolder, "", ""});
    if (whileAsking) {
        whileAsking();
    }
    if (openPaths.empty()) {
        ADD_FAILURE() << "unplanned open dialog";
        return "";
    }
    std::string path = openPaths.front();
    openPaths.pop_front();
    return path;
}

std::string FakeUserInterface::SaveFile(const std::string& initialName, const std::string& filter,
                                        int filterIndex, const std::string& initialFolder,
                                        const std::string& defaultExtension, int* chosenFilter) {
    dialogs.push_back({filter, filterIndex, initialFolder, initialName, defaultExtension});
    if (whileAsking) {
        whileAsking();
    }
    if (savePaths.empty()) {
        ADD_FAILURE() << "unplanned save dialog";
        return "";
    }
    std::string path = savePaths.front();
    savePaths.pop_front();
    if (chosenFilter != nullptr) {
        *chosenFilter = saveFilter != 0 ? saveFilter : filterIndex;
    }
    return path;
}

}  // namespace pixora::testing
