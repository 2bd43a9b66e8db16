// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the main window goes: its position is kept in the settings in twips and pulled back
// onto the screen, frame included.

#include "core/settings.h"

class QWidget;

namespace pixora {

// Window positions are kept in twips: 1440 per inch, 96 logical pixels per inch.
inline constexpr double TwipsPerPixel = 15.0;

// Moves window to the stored position, kept on the screen as far as its size is known yet.
void PlaceFromSettings(QWidget& window, SettingsStore& settings);
// Moves the window back so its frame lies wholly on the screen.
void KeepFrameOnScreen(QWidget& window);
// Stores the window's position.
void SavePosition(const QWidget& window, SettingsStore& settings);

}  // namespace pixora
