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
        if (word != "--device" && word != "--port" && word != "--timeout") {
            error = word.compare(0, 2, "--") == 0 ? "unknown option " + word
                                                  : "unexpected operand " + word;
            return std::nullopt;
        }
        if (i + 1 >= operands.size()) {
            error = word + " needs a value";
            return std::nullopt;
        }
        const std::string& value = operands[++i];
        if (word == "--device") {
            if (value.empty()) {
                error = "--device needs a path";
                return std::nullopt;
            }
            options.device = value;
        } else if (word == "--port") {
            options.port = OptionNumber(value, 1, 255);
            if (!options.port) {
                error = "--port takes a port number 1..255";
                return std::nullopt;
            }
        } else {
            const std::optional<int> seconds = OptionNumber(value, 1, 86400);
            if (!seconds) {
                error = "--timeout takes seconds 1..86400";
                return std::nullopt;
            }
            options.timeoutSeconds = *seconds;
        }
    }
    if (!options.device.empty() && options.port) {
        error = "--device and --port exclude each other";
        return std::nullopt;
    }
    return options;
}

}  // namespace pixora::cli
