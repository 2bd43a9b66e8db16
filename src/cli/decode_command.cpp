// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/decode_command.h"

#include <iostream>
#include <iterator>

#include "core/strings.h"
#include "formats/file_io.h"
#include "sms/received_message.h"

namespace pixora::cli {

namespace {

// A transcript or backup of one message is a few kilobytes; this leaves room for long ones.
constexpr size_t MaxInputSize = 4 * 1024 * 1024;

std::optional<std::string> ReadInput(Context& context, const std::string& input) {
    if (input == "-") {
        std::string text;
        char buffer[4096];
        while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
            text.append(buffer, static_cast<size_t>(std::cin.gcount()));
            if (text.size() > MaxInputSize) {
                context.err << "pixora-cli decode: the input is too large\n";
                return std::nullopt;
            }
        }
        return text;
    }
    FileRead read = ReadFile(input, MaxInputSize);
    if (!read.status.Ok()) {
        context.err << "pixora-cli: " << QuotedName(input)
                    << ": cannot read the file: " << FileStatusText(read.status) << "\n";
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace

std::optional<DecodeOptions> ParseDecodeOptions(std::span<const std::string> operands,
                                                std::string& error) {
    DecodeOptions options;
    bool haveInput = false;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        if (word == "-o" || word == "--output") {
            if (i + 1 >= operands.size()) {
                error = word + " needs a file name";
                return std::nullopt;
            }
            options.output = operands[++i];
        } else if (word.size() > 1 && word[0] == '-') {
            error = "unknown option " + word;
            return std::nullopt;
        } else if (haveInput) {
            error = "only one FILE";
            return std::nullopt;
        } else {
            options.input = word;
            haveInput = true;
        }
    }
    return options;
}

int RunDecode(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<DecodeOptions> options = ParseDecodeOptions(operands, error);
    if (!options) {
        context.err << "pixora-cli decode: " << error << "\n"
                    << "Usage: pixora-cli decode " << DecodeOperands << "\n";
        return ExitUsage;
    }
    std::optional<OutputFormat> format;
    if (!options->output.empty()) {
        format = ChooseOutputFormat(options->output);
        if (!format) {
            context.err << "pixora-cli: " << QuotedName(options->output)
                        << ": unknown output type; use .npm, .bmp or .wbmp\n";
            return ExitFailure;
        }
    }
    const std::optional<std::string> input = ReadInput(context, options->input);
    if (!input) {
        return ExitFailure;
    }
    const std::optional<ReceivedMessage> message = DecodeReceivedMessage(*input, error);
    if (!message) {
        context.err << "pixora-cli decode: " << error << "\n";
        return ExitFailure;
    }
    const OpenedPicture picture{message->picture, message->text};
    if (!format) {
        context.out << ShowText(picture) << "from: " << message->sender << "\n";
        if (!message->timestamp.empty()) {
            context.out << "sent: " << message->timestamp << "\n";
        }
        return ExitOk;
    }
    const FileStatus status = WriteOutput(*format, options->output, picture, context.settings);
    if (!status.Ok()) {
        context.err << "pixora-cli: " << QuotedName(options->output)
                    << ": cannot write the file: " << FileStatusText(status) << "\n";
        return ExitFailure;
    }
    return ExitOk;
}

}  // namespace pixora::cli
