// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/python_peer.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace pixora::testing {

bool PythonModuleAvailable(std::string_view module) {
    if (!std::filesystem::exists(PythonPath)) {
        return false;
    }
    const std::string command =
        std::string(PythonPath) + " -c 'import " + std::string(module) + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string RunPythonOverLines(std::string_view script, const std::vector<std::string>& lines) {
    static int runs = 0;
    const auto dir = std::filesystem::temp_directory_path();
    const std::string stem =
        "pixora_peer_" + std::to_string(::getpid()) + "_" + std::to_string(runs++);
    const auto scriptPath = dir / (stem + ".py");
    const auto inputPath = dir / (stem + ".txt");
    std::ofstream(scriptPath) << script;
    {
        std::ofstream out(inputPath);
        for (const std::string& line : lines) {
            out << line << "\n";
        }
    }
    std::string output;
    const std::string command =
        std::string(PythonPath) + " " + scriptPath.string() + " " + inputPath.string() + " 2>&1";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, n);
        }
        ::pclose(pipe);
    }
    std::filesystem::remove(scriptPath);
    std::filesystem::remove(inputPath);
    return output;
}

}  // namespace pixora::testing
