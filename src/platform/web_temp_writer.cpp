// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/web_temp_writer.h"

#include "formats/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pixora {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now; false when the close reports an error (the data may not have reached the disk).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int fd_;
};

// A planted name reappearing between our unlink and our create can only be someone racing us in
// our own folder; a few tries are plenty for honest leftovers.
constexpr int CreateAttempts = 3;

}  // namespace

bool PrivateTempFileWriter::WriteNewFile(const std::string& path, std::string_view bytes) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return false;
    }
    const std::string folder = slash == 0 ? std::string("/") : path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        return false;
    }

    // O_NOFOLLOW on the folder itself: a link put in place of the private folder is refused.
    Descriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.Get() < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(dir.Get(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
        (info.st_mode & 0077) != 0) {
        return false;
    }

    int fd = -1;
    for (int attempt = 0; attempt < CreateAttempts && fd < 0; ++attempt) {
        // Removes the name, never the file a link points to; a missing name is the usual case.
        unlinkat(dir.Get(), name.c_str(), 0);
        fd = openat(dir.Get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    Descriptor file(fd);
    // The umask may only take bits away, but say it plainly: the page is for this user alone.
    const bool ok =
        fchmod(file.Get(), S_IRUSR | S_IWUSR) == 0 && WriteAllToDescriptor(file.Get(), bytes);
    if (!file.Close() || !ok) {
        unlinkat(dir.Get(), name.c_str(), 0);
        return false;
    }
    return true;
}

}  // namespace pixora
