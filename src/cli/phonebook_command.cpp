// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/phonebook_command.h"

#include "cli/send_command.h"

namespace pixora::cli {

std::optional<PhonebookOptions> ParsePhonebookOptions(std::span<const std::string> operands,
                                                      std::string& error) {
    PhonebookOptions options;
    bool memoryChosen = false;
    for (size_t i = 0; i < operands.size(); ++i) {
        const std::string& word = operands[i];
        if (word == "--sim" || word == "--phone" || word == "--both") {
            if (memoryChosen) {
                error = "--sim, --phone and --both exclude each other";
                return std::nullopt;
            }
            memoryChosen = true;
            options.sim = word != "--phone";
            options.phone = word != "--sim";
            continue;
        }
        if (word == "--save") {
            options.save = true;
            continue;
        }
        if (!IsLineOption(word)) {
            error = word.compare(0, 2, "--") == 0 ? "unknown option " + word
                                                  : "unexpected operand " + word;
            return std::nullopt;
        }
        if (i + 1 >= operands.size()) {
            error = word + " needs a value";
            return std::nullopt;
        }
        if (!ParseLineOption(word, operands[++i], options.device, options.port,
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

}  // namespace pixora::cli
