// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Phone numbers as the editor keeps them: decimal digits in international form, without "+" or
// a leading "0".

#include <optional>
#include <string>
#include <string_view>

#include "core/strings.h"  // DigitsOnly

namespace pixora {

// An example of the number in international form for messages: the country code (or "CC" when
// it is unknown), the first three digits after any leading zeros, and "...".
std::string ExampleNumber(std::string_view number, std::string_view countryCode);

// The message-centre number check: nullopt when the number is acceptable, otherwise the message
// to show. An empty number is acceptable; one that starts with "0" is not.
std::optional<std::string> SmscNumberProblem(std::string_view number, std::string_view countryCode);

}  // namespace pixora
