#include "platform/instance_lock.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace pixora {

namespace {

// A folder we made (or find) for this user alone: a real directory, ours, closed to others.
bool IsPrivateFolder(const QString& path, bool create) {
    const QByteArray native = QFile::encodeName(path);
    if (create && mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    // lstat, so a link planted under our name is refused rather than followed.
    if (lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != getuid()) {
        return false;
    }
    if ((info.st_mode & 0077) != 0 && chmod(native.constData(), 0700) != 0) {
        return false;
    }
    return true;
}

}  // namespace

QString InstanceRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt checks owner and mode of the folder and answers empty when they are wrong.
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty() && IsPrivateFolder(runtime, false)) {
            return runtime;
        }
    }
    const QString fallback = QDir::tempPath() + "/pixora-runtime-" + QString::number(getuid());
    return IsPrivateFolder(fallback, true) ? fallback : QString();
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

bool InstanceLock::TryAcquire() {
    if (held_) {
        return true;
    }
    if (!lock_) {
        return true;
    }
    if (lock_->tryLock(0)) {
        held_ = true;
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        // The folder is there but the lock cannot be written: run alone rather than never run.
        return true;
    }
    // QLockFile takes over a lock whose holder is gone by itself. What it cannot judge is a lock
    // file without a readable owner (cut short by a crash or a full disk): with the age test off
    // that one would block every start for good.
    qint64 pid = 0;
    QString host;
    QString app;
    // A lock only just created may not hold its owner yet, so only an old one counts.
    const QFileInfo info(fileName_);
    const bool settled = info.lastModified().msecsTo(QDateTime::currentDateTime()) > 2000;
    if (settled && (!lock_->getLockInfo(&pid, &host, &app) || pid <= 0)) {
        if (lock_->removeStaleLockFile() && lock_->tryLock(0)) {
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
