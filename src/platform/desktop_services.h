// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The desktop services the shell logic asks of the main window that are plain platform calls:
// whether a program file is there, and starting a program with one argument. The main window's
// ShellHost forwards to these.

#include <string>

namespace pixora {

// True for an existing file (a link is followed); false for folders and missing paths.
bool FileExists(const std::string& path);

// Starts program with argument as its one argument, detached: the editor does not wait for it and
// it outlives the editor. The argument is passed as it is, never split or read by a shell. False
// when the program could not be started (missing, not executable); callers ignore it.
bool RunWithArgument(const std::string& program, const std::string& argument);

}  // namespace pixora
