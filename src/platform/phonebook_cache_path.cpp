// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/phonebook_cache_path.h"

#include <QStandardPaths>

namespace pixora {

std::string EditorPhonebookCachePath() {
    // Spelled out rather than taken from the application's names, so that a process with other
    // names (the command-line program) finds the same file.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return (data + "/Brellow/Pixora/KDXPBOOK.CSV").toStdString();
}

}  // namespace pixora
