// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Running an independent Python tool (python3-gammu) over lines our code produced, for tests that
// let a decoder that is not ours check our output.

#include <string>
#include <string_view>
#include <vector>

namespace pixora::testing {

inline constexpr const char* PythonPath = "/usr/bin/python3";

// True when the Python interpreter can import the module.
bool PythonModuleAvailable(std::string_view module);

// Runs the script with one argument, a file holding the lines; returns what it printed (standard
// output and error together), or empty when it could not run.
std::string RunPythonOverLines(std::string_view script, const std::vector<std::string>& lines);

}  // namespace pixora::testing
