// SPDX-License-Identifier: GPL-2.0-or-later
// The settings module: the editor's INI store, handed out to pixora-cli.
#include "cli/qt_modules.h"
#include "platform/qt_settings_store.h"

extern "C" __attribute__((visibility("default"))) pixora::SettingsStore* PixoraCliOpenSettings() {
    return new pixora::QtSettingsStore();
}
