// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_services.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace pixora {

bool FileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool RunWithArgument(const std::string& program, const std::string& argument) {
    if (program.empty()) {
        return false;
    }
    // Without a working folder of its own choosing the target starts in ours, as a desktop
    // launch without one would.
    return QProcess::startDetached(QString::fromStdString(program),
                                   {QString::fromStdString(argument)});
}

}  // namespace pixora
