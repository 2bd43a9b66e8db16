// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// pixora-cli send: the editor's picture-message send through a phone on a serial port, from a
// script. The conversation itself runs in the send module (Qt Core and Qt SerialPort), loaded
// only for this command; here are its options and the hand-over.

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "cli/qt_modules.h"

namespace pixora::cli {

struct SendOptions {
    std::string input;
    std::string to;
    std::string device;               // empty: by port number
    std::optional<int> port;          // nullopt: the "COMPort" setting
    std::optional<std::string> smsc;  // nullopt: the "SMSC" setting
    int timeoutSeconds = 0;           // 0: no time limit
};

// nullopt, with the reason in error, for options the command cannot run with.
// A whole decimal number from low to high, as the --port and --timeout options take it.
std::optional<int> OptionNumber(const std::string& text, int low, int high);

// --device, --port and --timeout: the phone line that send and phonebook choose alike.
bool IsLineOption(const std::string& word);
// Takes value for the line option word; false, with error set, when the value does not fit it.
bool ParseLineOption(const std::string& word, const std::string& value, std::string& device,
                     std::optional<int>& port, int& timeoutSeconds, std::string& error);

std::optional<SendOptions> ParseSendOptions(std::span<const std::string> operands,
                                            std::string& error);

inline constexpr const char* SendOperands =
    "INPUT --to DIGITS [--device PATH | --port N] [--smsc DIGITS] [--timeout SECONDS]";

}  // namespace pixora::cli
