#include "platform/temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <QDir>
#include <QFile>

namespace pixora {

std::string PrivateTempFolder() {
    const QString path = QDir::tempPath() + "/pixora-" + QString::number(getuid());
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return std::string();
    }
    struct stat info {};
    // lstat, so a link planted under our name is refused rather than followed.
    if (lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != getuid()) {
        return std::string();
    }
    if ((info.st_mode & 0077) != 0) {
        chmod(native.constData(), 0700);
    }
    return path.toStdString() + "/";
}

void DeleteTempPictureFiles(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    QDir dir(QString::fromStdString(folder));
    // The markers are upper case on purpose; the names are matched case-sensitively.
    dir.setFilter(QDir::Files | QDir::System | QDir::Hidden);
    dir.setSorting(QDir::NoSort);
    for (const QString& name : dir.entryList({"PMTMP*.HTM", "PMTMP*.NPM"})) {
        if (name.startsWith("PMTMP") && (name.endsWith(".HTM") || name.endsWith(".NPM"))) {
            dir.remove(name);
        }
    }
}

}  // namespace pixora
