// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Everything the program says to or asks of the user goes through this one interface: message
// boxes, questions, the input box, the beep, the busy pointer and the file dialogs. The program
// shows real dialogs; the tests script the answers.

#include <string>

namespace pixora {

enum class MessageIcon { None, Error, Question, Warning, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The answers of a message box, with the numbers they have always had (scripts of answers and
// the tests' plans hold them as numbers).
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Texts may hold "\r\n" line breaks. Returns one of the answers above.
    virtual Answer MessageBox(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) = 0;
    // Cancel gives an empty answer, as an empty entry would. The position is in screen pixels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, int x, int y) = 0;
    virtual void Beep() = 0;
    virtual void SetBusyPointer(bool busy) = 0;
    // The filter is "description|pattern" pairs joined by "|"; the index is 1-based.
    // Both return the chosen path, or empty when the user cancels. chosenFilter, where given,
    // receives the 1-based index of the filter the user left selected.
    virtual std::string OpenFile(const std::string& filter, int filterIndex,
                                 const std::string& initialFolder) = 0;
    virtual std::string SaveFile(const std::string& initialName, const std::string& filter,
                                 int filterIndex, const std::string& initialFolder,
                                 const std::string& defaultExtension,
                                 int* chosenFilter = nullptr) = 0;
    // Lets queued input and paint events run before the next step.
    virtual void ProcessEvents() = 0;
};

}  // namespace pixora
