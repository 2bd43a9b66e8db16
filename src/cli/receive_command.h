// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// pixora-cli receive: the picture messages stored on the phone, listed or written as .npm files.
// Options and the naming of the files here; the read runs in the phone module beside the send.

#include <optional>
#include <set>
#include <span>
#include <string>

#include "sms/received_message.h"

namespace pixora::cli {

struct ReceiveOptions {
    std::string device;       // empty: by port number
    std::optional<int> port;  // nullopt: the "COMPort" setting
    std::string outDir;       // empty: list only
    int timeoutSeconds = 0;   // 0: no time limit
};

// nullopt, with the reason in error, for options the command cannot run with.
std::optional<ReceiveOptions> ParseReceiveOptions(std::span<const std::string> operands,
                                                  std::string& error);

// "+4412345678_20261208-113737.npm": the sender's digits and '+' only ("unknown" when none are
// left), the time as sent (without one, the sender alone). A name in `taken` gets "-2", "-3", ...
// before the extension; the name chosen is added to `taken`.
std::string ReceivedFileName(const ReceivedMessage& message, std::set<std::string>& taken);

inline constexpr const char* ReceiveOperands =
    "[--device PATH | --port N] [--out-dir DIR] [--timeout SECONDS]";

}  // namespace pixora::cli
