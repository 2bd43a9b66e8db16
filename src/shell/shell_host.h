// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the shell logic needs from the running program besides the settings store and the user
// interface: file checks, the busy mark, writing the current picture and starting other programs.
// The main window implements it; the tests record what was asked.

#include <string>

namespace pixora {

class ShellHost {
public:
    virtual ~ShellHost() = default;
    virtual bool FileExists(const std::string& path) = 0;
    // SetBusy of the main window: mirrors the mark into "CurrentBusy".
    virtual void SetBusy(bool busy) = 0;
    // Gives the main window the focus before a question, so the box comes up in front of it.
    virtual void FocusMainWindow() = 0;
    // Writes the current picture and text as a picture-message file; the writer reports its own
    // errors and returns false then.
    virtual bool WritePictureMessageFile(const std::string& path) = 0;
    // Starts program with argument as its one argument; the result is not examined.
    virtual void RunWithArgument(const std::string& program, const std::string& argument) = 0;
};

}  // namespace pixora
