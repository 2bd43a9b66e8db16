// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Records what the shell logic asked of the main window.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/shell_host.h"

namespace pixora::testing {

class FakeShellHost : public ShellHost {
public:
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    void SetBusy(bool busy) override { busyMarks.push_back(busy); }
    void FocusMainWindow() override { ++focused; }
    bool WritePictureMessageFile(const std::string& path) override {
        written.push_back(path);
        return writeSucceeds;
    }
    void RunWithArgument(const std::string& program, const std::string& argument) override {
        started.emplace_back(program, argument);
    }

    std::set<std::string> files;
    bool writeSucceeds = true;
    std::vector<bool> busyMarks;
    int focused = 0;
    std::vector<std::string> written;
    std::vector<std::pair<std::string, std::string>> started;
};

}  // namespace pixora::testing
