// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/qt_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

#include "core/settings_keys.h"
#include "formats/file_io.h"

namespace pixora {

namespace {

// How long a write waits for another process's lock before it goes on without it: a holder that
// keeps the lock this long is stuck, and the user's change matters more than the small race.
constexpr auto WriteLockWait = std::chrono::seconds(5);
// Readers wait less: they only need to miss a rewrite in place half done.
constexpr auto ReadLockWait = std::chrono::milliseconds(500);

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// The lock file beside the store, shared with every process that honours it. Without a lock file
// (a folder we cannot write, a file system without flock) the store works unlocked.
class StoreLock {
public:
    StoreLock(const std::string& lockPath, bool exclusive) {
        fd_ = exclusive ? open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666) : -1;
        if (fd_ < 0) {
            fd_ = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
        }
        if (fd_ < 0) {
            return;
        }
        const auto deadline =
            std::chrono::steady_clock::now() + (exclusive ? WriteLockWait : ReadLockWait);
        const int operation = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
        while (flock(fd_, operation) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    ~StoreLock() {
        if (fd_ >= 0) {
            close(fd_);  // also lets go of the lock
        }
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int fd_ = -1;
};

// The whole file; an absent file reads as empty. False when it is there but cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileRead read = ReadFile(path);
    bytes = std::move(read.bytes);
    if (read.status.error == FileError::NotFound) {
        bytes.clear();
        return true;
    }
    return read.status.Ok();
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where the bytes really go: a store that is a link (kept in a dotfiles folder, say) stays one.
std::string ResolvedTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

bool RewriteInPlace(const std::string& target, const std::string& bytes) {
    // Written over the old bytes and cut after, so the file is never empty on the way.
    FdCloser fd(open(target.c_str(), O_WRONLY | O_CLOEXEC));
    return fd.Get() >= 0 && WriteAllToDescriptor(fd.Get(), bytes) &&
           ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) == 0 && fsync(fd.Get()) == 0;
}

// A new file beside the old one, flushed to disk, renamed over it: a reader sees the old or the
// new bytes, and a crash leaves one of them whole.
bool ReplaceFile(const std::string& path, const std::string& bytes) {
    const std::string target = ResolvedTarget(path);
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    // A rename would replace a file its owner made read-only; refuse as the file would.
    if (exists && access(target.c_str(), W_OK) != 0) {
        return false;
    }
    const std::string folder = FolderOfPath(target);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        // 0666 less the umask for a new store, like any file the user's programs create.
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return exists && RewriteInPlace(target, bytes);
    }
    FdCloser closer(fd);
    bool ok = true;
    if (exists) {
        if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
            fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Another owner's file (root editing a user's store): keeping it beats renaming.
            ok = false;
        }
        ok = ok && fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && WriteAllToDescriptor(fd, bytes) && fsync(fd) == 0 &&
         rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return exists && RewriteInPlace(target, bytes);
    }
    FdCloser dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        fsync(dir.Get());  // the rename itself; a failure here loses nothing already written
    }
    return true;
}

bool IsCoordinationKey(std::string_view key) {
    return key == keys::CurrentBusy.key || key == keys::CurrentAppname.key ||
           key == keys::Application.key;
}

}  // namespace

bool QtSettingsStore::Stamp::operator==(const Stamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      "/Brellow/Brellow.ini") {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : fileName_(iniPath), path_(QFile::encodeName(iniPath).toStdString()) {}

void QtSettingsStore::Reload(bool always) {
    struct stat info {};
    Stamp now;
    if (stat(path_.c_str(), &info) == 0) {
        now = Stamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
    if (loaded_ && !always && now == stamp_) {
        return;
    }
    std::string bytes;
    {
        StoreLock lock(path_ + ".lock", false);
        if (!ReadWholeFile(path_, bytes)) {
            // Unreadable now: keep what was read last rather than forget every value.
            return;
        }
    }
    cached_ = IniDocument::Parse(bytes);
    stamp_ = now;
    loaded_ = true;
}

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view key) {
    // What the siblings or another instance wrote since the last look.
    Reload(IsCoordinationKey(key));
    return cached_.Get(section, key);
}

template <typename Edit>
bool QtSettingsStore::Change(Edit edit) {
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QFileInfo::exists(folder)) {
        // No store yet: make its folder only for a change that leaves something to write.
        IniDocument empty;
        if (!edit(empty)) {
            return false;
        }
        if (empty.Serialise().empty()) {
            return true;
        }
        QDir().mkpath(folder);
    }
    StoreLock lock(path_ + ".lock", true);
    std::string before;
    if (!ReadWholeFile(path_, before)) {
        return false;  // writing now would lose what we could not read
    }
    IniDocument document = IniDocument::Parse(before);
    if (!edit(document)) {
        return false;
    }
    const std::string after = document.Serialise();
    if (after != before && !ReplaceFile(path_, after)) {
        return false;
    }
    cached_ = std::move(document);
    loaded_ = true;
    struct stat info {};
    stamp_ = stat(path_.c_str(), &info) == 0
                 ? Stamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim}
                 : Stamp{};
    return true;
}

bool QtSettingsStore::Write(std::string_view section, std::string_view key,
                            std::string_view value) {
    return Change([&](IniDocument& document) { return document.Set(section, key, value); });
}

void QtSettingsStore::Delete(std::string_view section, std::string_view key) {
    Change([&](IniDocument& document) {
        document.Remove(section, key);
        return true;
    });
}

}  // namespace pixora
