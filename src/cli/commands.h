// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// pixora-cli's command table and its runner. A command is one row: its name, its operands, a line
// of help and the function that does it, so a new command is a new function and a new row.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/picture_io.h"
#include "cli/read_only_settings.h"

namespace pixora::cli {

// Exit statuses: done, failed (a file was rejected or could not be written), misused.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

struct Context {
    std::ostream& out;
    std::ostream& err;
    ReadOnlySettings& settings;
    PictureLoader loadPicture;
    WorkingCopyLoader loadWorkingCopy;
};

// A command whose operands include options checks them itself.
inline constexpr size_t AnyOperands = static_cast<size_t>(-1);

struct Command {
    std::string_view name;
    std::string_view operands;  // as the help shows them, e.g. "INPUT OUTPUT"
    std::string_view summary;
    size_t operandCount;
    int (*run)(Context& context, std::span<const std::string> operands);
};

std::span<const Command> Commands();

// args without the program name.
int RunCli(std::span<const std::string> args, Context& context);

std::string HelpText();
std::string VersionText();
// "Usage: pixora-cli NAME OPERANDS", then what the command does.
std::string CommandHelpText(const Command& command);

}  // namespace pixora::cli
