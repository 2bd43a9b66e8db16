// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/batch_user_interface.h"

namespace pixora::cli {

std::string TerminalText(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

Answer BatchUserInterface::MessageBox(const std::string& text, const std::string&, MessageIcon,
                                      MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return AnswerYes;
        case MessageButtons::OkCancel:
        case MessageButtons::Ok:
            break;
    }
    messages_.push_back(TerminalText(text));
    return AnswerOk;
}

std::string BatchUserInterface::InputBox(const std::string&, const std::string&,
                                         const std::string& defaultText, int, int) {
    return defaultText;
}

}  // namespace pixora::cli
