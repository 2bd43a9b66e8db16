// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The keyboard's region on Linux. A Linux desktop has no per-keyboard-layout locale like the one
// the web commands were designed around, so the input method's locale stands in for it, and the
// user's locale settings when no input method says otherwise. The language becomes a Windows
// language identifier ("0407") and the territory its international dialling code ("49"), the two
// forms RegionCheck decides on.

#include <string>
#include <string_view>

#include "web/region.h"

namespace pixora {

// The international dialling code of an ISO 3166 territory ("DE" gives "49", "ch" gives "41"), as
// libphonenumber knows it. Empty for an empty, unknown or numeric territory ("419").
std::string DiallingCodeForTerritory(std::string_view territory);

// The user's locale name as the environment spells it, in the order Qt reads it for the system
// locale: LC_ALL, then LC_MESSAGES, then LANG; "C" when none is set. Unlike QLocale::system() it
// keeps a bare language ("de") without the territory Qt would guess for it: a user who named no
// country has no dialling code.
std::string SystemLocaleName();

// The locale of the keyboard: the input method's when a GUI application runs and its input method
// reports a locale of its own, otherwise SystemLocaleName(). Defined apart from the rest so that a
// program without a GUI can use the functions above without loading Qt Gui.
std::string KeyboardLocaleName();

// RegionCheck on the language code and dialling code of a locale name ("de_CH.UTF-8", "de-AT",
// "en_US", "de"). A name without territory gives an empty country code.
RegionResult KeyboardRegion(std::string_view localeName);

// KeyboardRegion(KeyboardLocaleName()): the start-up region check of the editor.
RegionResult KeyboardRegionCheck();

}  // namespace pixora
