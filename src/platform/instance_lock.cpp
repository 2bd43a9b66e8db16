// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/instance_lock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include "platform/temp_folder.h"

namespace pixora {

namespace {

// A local socket's path has room for 107 bytes; the channel's own name in the folder
// ("/pixora-Pixora-<hash>-<uid>.sock") takes up to 39 of them, and a little is kept in reserve.
constexpr qsizetype MaxFolderBytes = 107 - 48;

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool Usable(const QString& folder) {
    return QFile::encodeName(folder).size() <= MaxFolderBytes && IsPrivateFolder(Native(folder));
}

// Makes folder when it is missing; a folder that was there already is taken only as it is.
bool MakePrivateFolder(const QString& folder) {
    const std::string native = Native(folder);
    if (mkdir(native.c_str(), 0700) == 0) {
        chmod(native.c_str(), 0700);  // the umask may have taken bits away
    }
    return Usable(folder);
}

// A folder of ours that nobody else may write in, so nobody else can swap what is inside.
bool ClosedToOthers(const QString& folder) {
    struct stat info {};
    return lstat(Native(folder).c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 022) == 0;
}

QString HostName() {
    QString host;
    for (const QChar ch : QSysInfo::machineHostName().left(24)) {
        const bool plain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                           (ch >= '0' && ch <= '9') || ch == '-' || ch == '.';
        host += plain ? ch : QChar('_');
    }
    return host.isEmpty() || host.startsWith('.') ? "localhost" : host;
}

QString CacheRuntimeFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.startsWith('/')) {
        return QString();
    }
    const QString parent = cache + "/pixora";
    mkdir(Native(cache).c_str(), 0700);
    mkdir(Native(parent).c_str(), 0700);
    const QString folder = parent + "/run-" + HostName();
    return ClosedToOthers(parent) && MakePrivateFolder(folder) ? folder : QString();
}

QString TempRuntimeFolder() {
    QString base = QDir::tempPath();
    if (!base.startsWith('/')) {
        base = "/tmp";  // Qt answers empty for a TMPDIR that does not exist
    }
    const QString folder = base + "/pixora-runtime-" + QString::number(getuid());
    return MakePrivateFolder(folder) ? folder : QString();
}

}  // namespace

QString InstanceRuntimeFolder() {
    // Read directly: Qt's own look-up mends a wrong mode and invents a folder when it is unset.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && Usable(runtime)) {
        return runtime;
    }
    const QString cache = CacheRuntimeFolder();
    return cache.isEmpty() ? TempRuntimeFolder() : cache;
}

InstanceLock::InstanceLock(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    fileName_ = folder + "/pixora.lock";
    lock_ = std::make_unique<QLockFile>(fileName_);
    // QLockFile's default calls a lock older than 30 s stale even while its holder runs; only the
    // kernel lock it also takes keeps a live holder's file from being removed, and that lock is
    // missing on some network file systems. Only a dead holder makes the lock stale here.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::RunAlone() {
    unusable_ = true;
    return true;
}

bool InstanceLock::TryAcquire() {
    if (held_) {
        return true;
    }
    unusable_ = false;
    if (!lock_) {
        return RunAlone();
    }
    // A folder or a link at the lock's name looks like a held lock to QLockFile, for ever, and
    // reading its owner from a pipe would never return.
    struct stat info {};
    if (lstat(Native(fileName_).c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return RunAlone();
    }
    if (lock_->tryLock(0)) {
        held_ = true;
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        // The folder is there but the lock cannot be written: run alone rather than never run.
        return RunAlone();
    }
    // QLockFile takes over a lock whose holder is gone by itself. What it cannot judge is a lock
    // file without a readable owner (cut short by a crash or a full disk): with the age test off
    // that one would block every start for good.
    qint64 pid = 0;
    QString host;
    QString app;
    // A lock only just created may not hold its owner yet, so only an old one counts.
    const QFileInfo fileInfo(fileName_);
    const bool settled = fileInfo.lastModified().msecsTo(QDateTime::currentDateTime()) > 2000;
    if (settled && (!lock_->getLockInfo(&pid, &host, &app) || pid <= 0)) {
        // Another start may have removed it a moment before us; only a file still there is stuck.
        if (!lock_->removeStaleLockFile() && lstat(Native(fileName_).c_str(), &info) == 0) {
            return RunAlone();
        }
        if (lock_->tryLock(0)) {
            held_ = true;
            return true;
        }
    }
    return false;
}

void InstanceLock::Release() {
    if (held_ && lock_) {
        lock_->unlock();
    }
    held_ = false;
}

}  // namespace pixora
