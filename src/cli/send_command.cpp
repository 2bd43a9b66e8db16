// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/send_command.h"

#include <charconv>

namespace pixora::cli {

std::optional<int> OptionNumber(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool IsLineOption(const std::string& word) {
    return word == "--device" || word == "--port" || word == "--timeout";
}

bool ParseLineOption(const std::string& word, const std::string& value, std::string& device,
                     std::optional<int>& port, int& timeoutSeconds, std::string& error) {
    if (word == "--device") {
        if (value.empty()) {
            error = "--device needs a path";
            return false;
        }
        device = value;
    } else if (word == "--port") {
        port = OptionNumber(value, 1, 255);
        if (!port) {
            error = "--port takes a port number 1..255";
            return false;
        }
    } else {
        const std::optional<int> seconds = OptionNumber(value, 1, 86400);
        if (!seconds) {
            error = "--timeout takes seconds 1..86400";
            return false;
        }
        timeoutSeconds = *seconds;
    }
    return true;
}

std::optional<SendOptions> ParseSendOptions(std::span<const std::string> operands,
                                            std::string& error) {
    SendOptions options;
    bool haveInput = false;
    bool haveTo = false;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        const bool isOption = word.size() > 2 && word.compare(0, 2, "--") == 0;
        if (!isOption) {
            if (haveInput) {
                error = "more than one INPUT: " + word;
                return std::nullopt;
            }
            options.input = word;
            haveInput = true;
            continue;
        }
        if (i + 1 >= operands.size()) {
            error = word + " needs a value";
            return std::nullopt;
        }
        const std::string& value = operands[++i];
        if (word == "--to") {
            options.to = value;
            haveTo = true;
        } else if (IsLineOption(word)) {
            if (!ParseLineOption(word, value, options.device, options.port, options.timeoutSeconds,
                                 error)) {
                return std::nullopt;
            }
        } else if (word == "--smsc") {
            options.smsc = value;
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    if (!haveInput) {
        error = "INPUT is missing";
        return std::nullopt;
    }
    if (!haveTo) {
        error = "--to is missing";
        return std::nullopt;
    }
    if (!options.device.empty() && options.port) {
        error = "--device and --port exclude each other";
        return std::nullopt;
    }
    return options;
}

}  // namespace pixora::cli
