// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/phone_numbers.h"
#include "core/translate.h"

namespace pixora {

std::string ExampleNumber(std::string_view number, std::string_view countryCode) {
    while (!number.empty() && number.front() == '0') {
        number.remove_prefix(1);
    }
    if (number.size() > 3) {
        number = number.substr(0, 3);
    }
    std::string example = countryCode.empty() ? std::string("CC") : std::string(countryCode);
    example += number;
    example += "...";
    return example;
}

std::optional<std::string> SmscNumberProblem(std::string_view number,
                                             std::string_view countryCode) {
    if (number.empty() || number.front() != '0') {
        return std::nullopt;
    }
    return TranslateText("Shell",
                         "Please enter the Message Center Number\r\nwith the international "
                         "country-code\r\n\r\n"
                         "It could look like ") +
           ExampleNumber(number, countryCode);
}

}  // namespace pixora
