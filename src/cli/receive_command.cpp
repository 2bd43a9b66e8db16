// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/receive_command.h"

#include "cli/send_command.h"

namespace pixora::cli {

std::optional<ReceiveOptions> ParseReceiveOptions(std::span<const std::string> operands,
                                                  std::string& error) {
    ReceiveOptions options;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        const bool outDir = word == "--out-dir";
        if (!outDir && !IsLineOption(word)) {
            error = word.compare(0, 2, "--") == 0 ? "unknown option " + word
                                                  : "unexpected operand " + word;
            return std::nullopt;
        }
        if (i + 1 >= operands.size()) {
            error = word + " needs a value";
            return std::nullopt;
        }
        const std::string& value = operands[++i];
        if (outDir) {
            if (value.empty()) {
                error = "--out-dir needs a folder";
                return std::nullopt;
            }
            options.outDir = value;
        } else if (!ParseLineOption(word, value, options.device, options.port,
                                    options.timeoutSeconds, error)) {
            return std::nullopt;
        }
    }
    if (!options.device.empty() && options.port) {
        error = "--device and --port exclude each other";
        return std::nullopt;
    }
    return options;
}

std::string ReceivedFileName(const ReceivedMessage& message, std::set<std::string>& taken) {
    std::string stem;
    for (const char c : message.sender) {
        if ((c >= '0' && c <= '9') || c == '+') {
            stem.push_back(c);
        }
    }
    // A sender by name only ("Bank") has nothing left.
    if (stem.empty()) {
        stem = "unknown";
    }
    // "2026-12-08 11:37:37 +01:00": the date and time digits, the zone left out.
    std::string digits;
    for (const char c : message.timestamp.substr(0, 19)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    if (digits.size() == 14) {
        stem += "_" + digits.substr(0, 8) + "-" + digits.substr(8);
    }
    std::string name = stem + ".npm";
    for (int n = 2; taken.count(name) != 0; ++n) {
        name = stem + "-" + std::to_string(n) + ".npm";
    }
    taken.insert(name);
    return name;
}

}  // namespace pixora::cli
