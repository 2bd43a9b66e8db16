// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli: the editor's readers and writers for scripts and batch work.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/qt_modules.h"

int main(int argc, char** argv) {
    using namespace pixora::cli;
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);

    ReadOnlySettings settings([]() -> std::unique_ptr<pixora::SettingsStore> {
        std::string error;
        std::unique_ptr<pixora::SettingsStore> store = OpenUserSettings(error);
        if (!store) {
            // Defaults still give a correct conversion; only the author name would be missing.
            std::cerr << "pixora-cli: settings: " << error << "\n";
        }
        return store;
    });
    Context context{std::cout, std::cerr, settings, LoadPictureForFit, LoadWorkingCopy};
    const int status = RunCli(args, context);
    std::cout.flush();
    if (!std::cout) {
        return ExitFailure;
    }
    return status;
}
