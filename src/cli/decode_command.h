// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "pixora-cli decode": a received picture message (PDU lines, an AT+CMGL / AT+CMGR transcript
// or a gammu SMS backup) shown like "show" or written as a picture-message file.

#include <optional>
#include <span>
#include <string>

#include "cli/commands.h"

namespace pixora::cli {

inline constexpr const char* DecodeOperands = "[FILE|-] [-o OUTPUT.npm]";

struct DecodeOptions {
    std::string input = "-";  // "-": standard input
    std::string output;       // empty: show it
};

std::optional<DecodeOptions> ParseDecodeOptions(std::span<const std::string> operands,
                                                std::string& error);

int RunDecode(Context& context, std::span<const std::string> operands);

}  // namespace pixora::cli
