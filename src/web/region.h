// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the web commands are offered: the gateway only delivers in the German-speaking countries,
// so the commands show for German of Germany, Switzerland or Austria, or for a keyboard locale in
// country 49, 41 or 43.

#include <string>
#include <string_view>

namespace pixora {

struct RegionResult {
    bool webCommandsOffered = false;
    // The dialling code in upper case (as given otherwise), kept for the run as
    // KeyboardCountryCode whatever the decision; empty when the locale has none.
    std::string keyboardCountryCode;
};

// languageCode: a Windows language identifier as four hex digits ("0407"), any letter case.
// countryCode: the international dialling code of the locale's territory ("49"), may be empty.
// A platform that reports no keyboard locale passes two empty texts.
RegionResult RegionCheck(std::string_view languageCode, std::string_view countryCode);

// The Windows language identifier for a POSIX or BCP 47 locale name: "de_DE", "de-AT",
// "de_CH.UTF-8", "fr_BE@euro" give "0407", "0C07", "0807", "080C". A known language with an
// unknown or missing territory gives its neutral identifier ("de" gives "0007"); "C", "POSIX",
// empty and unknown languages give an empty text. Upper-case hex, four digits.
std::string WindowsLanguageCode(std::string_view localeName);

// The territory part of a locale name in upper case ("de_DE.UTF-8" gives "DE"); empty when the
// name has none. The platform looks the dialling code up for it.
std::string LocaleTerritory(std::string_view localeName);

}  // namespace pixora
