// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// pixora-cli phonebook: the editor's phonebook read from a script. Options here; the read runs in
// the phone module beside the send.

#include <optional>
#include <span>
#include <string>

namespace pixora::cli {

struct PhonebookOptions {
    std::string device;       // empty: by port number
    std::optional<int> port;  // nullopt: the "COMPort" setting
    std::optional<bool> sim;  // nullopt: the settings' choice
    std::optional<bool> phone;
    bool save = false;
    int timeoutSeconds = 0;  // 0: no time limit
};

// nullopt, with the reason in error, for options the command cannot run with.
std::optional<PhonebookOptions> ParsePhonebookOptions(std::span<const std::string> operands,
                                                      std::string& error);

inline constexpr const char* PhonebookOperands =
    "[--device PATH | --port N] [--sim | --phone | --both] [--save] [--timeout SECONDS]";

}  // namespace pixora::cli
