// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <vector>

#include <QDir>
#include <QFile>

namespace pixora {

bool IsPrivateFolder(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 07777) == 0700;
}

namespace {

// A folder we have just made is ours; only the umask may have left it short of 0700.
bool MadeByUs(const std::string& path) {
    chmod(path.c_str(), 0700);
    return IsPrivateFolder(path);
}

}  // namespace

std::string PrivateTempFolder() {
    // Qt answers empty for a TMPDIR that does not exist; a folder must never be made relative to
    // the current folder or at the root because of that.
    std::string base = QFile::encodeName(QDir::tempPath()).toStdString();
    if (base.empty() || base.front() != '/') {
        base = "/tmp";
    }
    const std::string stem = "pixora-" + std::to_string(getuid());
    const std::string usual = base + "/" + stem;
    if (mkdir(usual.c_str(), 0700) == 0 ? MadeByUs(usual) : IsPrivateFolder(usual)) {
        return usual + "/";
    }

    // The usual name is someone else's (or unfit). A folder of ours from an earlier run keeps
    // the leftovers of that run within reach of the clean-up at start.
    QDir dir(QFile::decodeName(QByteArray::fromStdString(base)));
    dir.setFilter(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name);
    const QString prefix = QString::fromStdString(stem) + "-";
    for (const QString& name : dir.entryList({prefix + "??????"})) {
        const std::string candidate = base + "/" + QFile::encodeName(name).toStdString();
        if (IsPrivateFolder(candidate)) {
            return candidate + "/";
        }
    }

    std::string pattern = usual + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        return std::string();
    }
    const std::string fresh(buffer.data());
    return MadeByUs(fresh) ? fresh + "/" : std::string();
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
