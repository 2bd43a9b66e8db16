// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The icon of the editor's windows and of its entry in the task bar.

#include <QIcon>

namespace pixora {

// The icon theme's "pixora" where the desktop's theme has one, so a theme can restyle it, and the
// drawing built into the program otherwise: a copy started from the build folder, or a desktop
// whose theme search path misses the installed icon, still shows the real artwork.
QIcon ApplicationIcon();

}  // namespace pixora
