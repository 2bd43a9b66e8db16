// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

#include "core/paths.h"
#include "core/translate.h"

namespace pixora {

namespace {

constexpr std::string_view TempSavePrefix = ".pixora-save-";
constexpr std::string_view TempSaveSuffix = ".tmp";

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and reports whether the close (which may flush to a network disk) succeeded.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

FileStatus Failed(FileError error, int errnum) {
    return FileStatus{error, errnum};
}

FileStatus NotFoundOr(FileError error, int errnum) {
    return Failed(errnum == ENOENT || errnum == ENOTDIR ? FileError::NotFound : error, errnum);
}

// Writes everything, syncs and closes; the errno of the first failing step otherwise.
// How many DeferredFlush scopes are open; the command-line batch is single-threaded.
int deferredFlushes = 0;

int WriteSyncClose(FileDescriptor& file, std::string_view bytes, bool sync = true) {
    if (!WriteAllToDescriptor(file.Get(), bytes) || (sync && ::fsync(file.Get()) != 0)) {
        const int errnum = errno;
        file.Close();
        return errnum;
    }
    return file.Close() ? 0 : errno;
}

std::string FolderForCalls(const std::string& path) {
    const std::string folder = FolderOf(path);
    return folder.empty() ? std::string(".") : folder;
}

bool HasAccessList(const std::string& path) {
    return ::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0) >= 0;
}

// Makes a finished rename survive a crash; a folder that cannot be synced is no failure of the
// save.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Rewrites the existing file through its own inode, as a delete and create by name would give
// the user: links, owner and access lists stay. The space is reserved before the first byte is
// overwritten, so a full disk still finds the old contents whole.
FileStatus WriteInPlace(const std::string& path, std::string_view bytes) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        return Failed(FileError::WriteFailed, errno);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        return Failed(FileError::WriteFailed, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Failed(FileError::NotRegularFile, 0);
    }
    if (static_cast<unsigned long long>(info.st_size) < bytes.size()) {
        const int reserved = ::posix_fallocate(file.Get(), 0, static_cast<off_t>(bytes.size()));
        // Some file systems cannot reserve; the write itself then tells.
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            return Failed(FileError::WriteFailed, reserved);
        }
    }
    if (!WriteAllToDescriptor(file.Get(), bytes) ||
        ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) != 0) {
        return Failed(FileError::WriteFailed, errno);
    }
    const int errnum = WriteSyncClose(file, "");
    return errnum == 0 ? FileStatus{} : Failed(FileError::WriteFailed, errnum);
}

// A file that did not exist, created under its own name; taken away again if the write fails.
FileStatus CreateDirectly(const std::string& path, std::string_view bytes) {
    FileDescriptor file(::open(
        path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666));
    if (file.Get() < 0) {
        return NotFoundOr(FileError::WriteFailed, errno);
    }
    const int errnum = WriteSyncClose(file, bytes);
    if (errnum != 0) {
        ::unlink(path.c_str());
        return Failed(FileError::WriteFailed, errnum);
    }
    return {};
}

struct AtomicOutcome {
    FileStatus status;
    // The folder would not take the temporary file (no write permission, name too long), or it
    // could not be given the old file's group: the save must go another way.
    bool refused = false;
};

AtomicOutcome ReplaceAtomically(const std::string& path, std::string_view bytes,
                                const struct stat* old) {
    static std::mt19937 generator{std::random_device{}()};
    const std::string folder = FolderOf(path);
    RemoveStaleSaveFiles(FolderForCalls(path));
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : 0666;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = folder + TempSaveFileName(static_cast<long>(::getpid()), generator());
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd < 0 && errno != EEXIST) {
            const int errnum = errno;
            AtomicOutcome outcome{NotFoundOr(FileError::WriteFailed, errnum)};
            outcome.refused = errnum == EACCES || errnum == EPERM || errnum == ENAMETOOLONG;
            return outcome;
        }
    }
    if (fd < 0) {
        return {Failed(FileError::WriteFailed, EEXIST)};
    }
    FileDescriptor file(fd);
    if (old != nullptr) {
        struct stat made {};
        const bool sameGroup = ::fstat(file.Get(), &made) == 0 &&
                               (made.st_gid == old->st_gid ||
                                ::fchown(file.Get(), static_cast<uid_t>(-1), old->st_gid) == 0);
        // The umask must not narrow the old file's permissions.
        if (!sameGroup || ::fchmod(file.Get(), mode) != 0) {
            AtomicOutcome outcome{Failed(FileError::WriteFailed, errno)};
            outcome.refused = true;
            file.Close();
            ::unlink(temporary.c_str());
            return outcome;
        }
    }
    // Only a new name may wait for the scope's one flush: there is no old file a crash could
    // cost, and the scope reports nothing as saved before its flush.
    const bool deferred = old == nullptr && deferredFlushes > 0;
    int errnum = WriteSyncClose(file, bytes, !deferred);
    if (errnum == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        errnum = errno;
    }
    if (errnum != 0) {
        ::unlink(temporary.c_str());
        return {Failed(FileError::WriteFailed, errnum)};
    }
    if (!deferred) {
        SyncFolder(FolderForCalls(path));
    }
    return {};
}

// The process id in a name made by TempSaveFileName; nullopt for every other name.
std::optional<long> TempSaveFileProcess(std::string_view name) {
    if (name.size() <= TempSavePrefix.size() + TempSaveSuffix.size() ||
        name.substr(0, TempSavePrefix.size()) != TempSavePrefix ||
        name.substr(name.size() - TempSaveSuffix.size()) != TempSaveSuffix) {
        return std::nullopt;
    }
    name.remove_prefix(TempSavePrefix.size());
    name.remove_suffix(TempSaveSuffix.size());
    long pid = 0;
    const auto [pidEnd, pidError] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (pidError != std::errc() || pid <= 0 || pidEnd == name.data() + name.size() ||
        *pidEnd != '-') {
        return std::nullopt;
    }
    const std::string_view random = name.substr(static_cast<size_t>(pidEnd - name.data()) + 1);
    if (random.empty() || random.size() > 8 ||
        random.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return std::nullopt;
    }
    return pid;
}

bool ProcessRuns(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

std::string FileStatusText(const FileStatus& status) {
    switch (status.error) {
        case FileError::None:
            return {};
        case FileError::NotRegularFile:
            return TranslateText("Files", NotRegularFileText);
        case FileError::TooLarge:
            return TranslateText("Files", "file too large");
        case FileError::NotFound:
        case FileError::ReadFailed:
        case FileError::WriteFailed:
            break;
    }
    return status.errnum != 0 ? std::string(std::strerror(status.errnum))
                              : TranslateText("Files", "unknown error");
}

bool WriteAllToDescriptor(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

FileStatus CheckRegularFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return NotFoundOr(FileError::ReadFailed, errno);
    }
    return S_ISREG(info.st_mode) ? FileStatus{} : Failed(FileError::NotRegularFile, 0);
}

FileRead ReadFile(const std::string& path, size_t maxSize) {
    FileRead read;
    // Judged by name first: opening a device can already do something (a modem line goes up).
    read.status = CheckRegularFile(path);
    if (!read.status.Ok()) {
        return read;
    }
    // O_NONBLOCK keeps a pipe put there meanwhile from blocking the open; fstat refuses it.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        read.status = NotFoundOr(FileError::ReadFailed, errno);
        return read;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        read.status = Failed(FileError::ReadFailed, errno);
        return read;
    }
    if (!S_ISREG(info.st_mode)) {
        read.status = Failed(FileError::NotRegularFile, 0);
        return read;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        read.status = Failed(FileError::TooLarge, 0);
        return read;
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            read.status = Failed(FileError::ReadFailed, errno);
            read.bytes.clear();
            return read;
        }
        if (got == 0) {
            break;
        }
        // The file may have grown since fstat.
        if (read.bytes.size() + static_cast<size_t>(got) > maxSize) {
            read.status = Failed(FileError::TooLarge, 0);
            read.bytes.clear();
            return read;
        }
        read.bytes.append(chunk, static_cast<size_t>(got));
    }
    return read;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxSize) {
    FileRead read = ReadFile(path, maxSize);
    if (!read.status.Ok()) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

FileStatus WriteFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return Failed(FileError::NotFound, ENOENT);
    }
    if (path.back() == PathSeparator) {
        return Failed(FileError::NotRegularFile, 0);
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        if (errno != ENOENT) {
            return NotFoundOr(FileError::WriteFailed, errno);
        }
        const AtomicOutcome outcome = ReplaceAtomically(path, bytes, nullptr);
        // A name too long for a temporary beside it can still be created as itself.
        return outcome.refused ? CreateDirectly(path, bytes) : outcome.status;
    }
    if (!S_ISREG(old.st_mode)) {
        return Failed(FileError::NotRegularFile, 0);
    }
    // A file the user may not write stays as it is, even where its folder would let a rename
    // replace it: read-only is what its owner asked for.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failed(FileError::WriteFailed, errno);
    }
    struct stat named {};
    const bool isLink = ::lstat(path.c_str(), &named) == 0 && S_ISLNK(named.st_mode);
    // A link someone else planted is never written through; at most it is replaced.
    const bool foreignLink = isLink && named.st_uid != ::geteuid();
    // A rename would replace a link of ours, not the file it points to; it would split hard
    // links; and a new file would be ours, without the old one's owner and access list.
    const bool inPlace =
        !foreignLink &&
        (isLink || old.st_nlink > 1 || old.st_uid != ::geteuid() || HasAccessList(path) ||
         ::faccessat(AT_FDCWD, FolderForCalls(path).c_str(), W_OK | X_OK, AT_EACCESS) != 0);
    if (!inPlace) {
        const AtomicOutcome outcome = ReplaceAtomically(path, bytes, &old);
        if (!outcome.refused || foreignLink) {
            return outcome.status;
        }
    }
    return WriteInPlace(path, bytes);
}

DeferredFlush::DeferredFlush() {
    ++deferredFlushes;
}

DeferredFlush::~DeferredFlush() {
    --deferredFlushes;
}

FileStatus DeferredFlush::Finish(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return Failed(FileError::WriteFailed, errno);
    }
    // syncfs reports a write-back error of any file on that file system since it was opened.
    const int result = ::syncfs(fd);
    const int errnum = errno;
    ::close(fd);
    return result == 0 ? FileStatus{} : Failed(FileError::WriteFailed, errnum);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFile(path, bytes).Ok();
}

std::string TempSaveFileName(long pid, unsigned random) {
    char name[64];
    std::snprintf(name, sizeof name, "%.*s%ld-%08x%.*s", static_cast<int>(TempSavePrefix.size()),
                  TempSavePrefix.data(), pid, random, static_cast<int>(TempSaveSuffix.size()),
                  TempSaveSuffix.data());
    return name;
}

int RemoveStaleSaveFiles(const std::string& folder, long maxAgeSeconds) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) {
        return 0;
    }
    const int folderFd = ::dirfd(listing);
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<long> pid = TempSaveFileProcess(entry->d_name);
        if (!pid) {
            continue;
        }
        struct stat info {};
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
            continue;
        }
        const bool old = now - info.st_mtime > maxAgeSeconds;
        // Our own process id is a save of this process that is running now, never a leftover.
        const bool orphaned = *pid != static_cast<long>(::getpid()) && !ProcessRuns(*pid);
        if ((old || orphaned) && ::unlinkat(folderFd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(listing);
    return removed;
}

}  // namespace pixora
