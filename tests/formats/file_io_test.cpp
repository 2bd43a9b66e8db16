// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/file_io.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "formats/file_names.h"

namespace pixora {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("pixora_file_io_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    size_t EntryCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

// Permissions do not stop root, so a save that must meet them runs in a child process as the
// unprivileged user; the child sends its result back through a pipe.
std::optional<FileStatus> WriteAsNobody(const std::string& path, std::string_view bytes) {
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        return std::nullopt;
    }
    int channel[2];
    if (::pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        FileStatus status{FileError::WriteFailed, -1};
        if (::geteuid() != 0 || (::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0)) {
            status = WriteFile(path, bytes);
        }
        const ssize_t sent = ::write(channel[1], &status, sizeof status);
        ::_exit(sent == sizeof status ? 0 : 1);
    }
    ::close(channel[1]);
    FileStatus status{};
    const ssize_t got = ::read(channel[0], &status, sizeof status);
    ::close(channel[0]);
    int exitStatus = 0;
    ::waitpid(child, &exitStatus, 0);
    if (got != sizeof status) {
        return std::nullopt;
    }
    return status;
}

uid_t NobodyUid() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr ? nobody->pw_uid : 0;
}

ino_t InodeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// A process id that surely runs no process now: a child that has ended and been reaped.
long EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// Where a rename would change what the user has, the save rewrites the file in place; where it
// would not, the atomic replace stays. Either way the bytes arrive and no temporary is left.
TEST_F(FileIoTest, SavesWhereverDeletingAndCreatingWould) {
    enum class Old {
        Plain,
        None,
        HardLink,
        OtherOwner,
        SymbolicLink,
        ForeignLink,  // someone else's link to their file: replaced, never written through
        AccessList,
        OwnInRootsFolder
    };
    struct Case {
        std::string name;
        Old old;
        bool sameInode;  // rewritten in place rather than replaced
    } cases[] = {
        {"a.npm", Old::Plain, false},
        {"new.npm", Old::None, false},
        // The old temporary, "." + name + 10 characters, did not fit beside such names.
        {std::string(246, 'n') + ".npm", Old::Plain, false},
        {std::string(251, 'n') + ".npm", Old::None, false},
        {"linked.npm", Old::HardLink, true},
        {"theirs.npm", Old::OtherOwner, true},
        {"shortcut.npm", Old::SymbolicLink, true},
        {"planted.npm", Old::ForeignLink, false},
        {"shared.npm", Old::AccessList, true},
        {"mine.npm", Old::OwnInRootsFolder, true},  // a writable file in a read-only folder
    };
    // Owner, a second user (12345) with read and write, owning group, mask, others.
    const std::string accessList(
        "\x02\x00\x00\x00\x01\x00\x06\x00\xff\xff\xff\xff\x02\x00\x06\x00\x39\x30\x00\x00"
        "\x04\x00\x04\x00\xff\xff\xff\xff\x10\x00\x06\x00\xff\xff\xff\xff\x20\x00\x04\x00"
        "\xff\xff\xff\xff",
        44);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        TearDown();
        SetUp();
        const std::string path = PathOf(c.name);
        const bool link = c.old == Old::SymbolicLink || c.old == Old::ForeignLink;
        const std::string target = link ? PathOf("target.npm") : path;
        if (c.old != Old::None) {
            ASSERT_TRUE(WriteFileAtomically(target, "old"));
        }
        const bool ready =
            c.old == Old::HardLink       ? ::link(path.c_str(), PathOf("twin.npm").c_str()) == 0
            : c.old == Old::SymbolicLink ? ::symlink("target.npm", path.c_str()) == 0
            : c.old == Old::ForeignLink
                ? ::symlink("target.npm", path.c_str()) == 0 &&
                      ::lchown(path.c_str(), NobodyUid(), static_cast<gid_t>(-1)) == 0 &&
                      ::chown(target.c_str(), NobodyUid(), static_cast<gid_t>(-1)) == 0
            : c.old == Old::AccessList ? ::setxattr(path.c_str(), "system.posix_acl_access",
                                                    accessList.data(), accessList.size(), 0) == 0
            : c.old == Old::OtherOwner || c.old == Old::OwnInRootsFolder
                ? ::chown(path.c_str(), NobodyUid(), static_cast<gid_t>(-1)) == 0
                : true;
        const bool asNobody = c.old == Old::OwnInRootsFolder;
        if (!ready || (asNobody && (::geteuid() != 0 || NobodyUid() == 0))) {
            continue;  // not root, or no access lists on this file system
        }
        const ino_t before = InodeOf(path);
        const size_t entries = EntryCount();
        const std::optional<FileStatus> status =
            asNobody ? WriteAsNobody(path, "new bytes") : WriteFile(path, "new bytes");
        ASSERT_TRUE(status.has_value());
        EXPECT_TRUE(status->Ok()) << FileStatusText(*status);
        EXPECT_EQ(ReadWholeFile(path), "new bytes");
        EXPECT_EQ(EntryCount(), entries + (c.old == Old::None ? 1 : 0));
        if (c.old != Old::None) {
            EXPECT_EQ(InodeOf(path) == before, c.sameInode);
        }
        if (c.old == Old::HardLink) {
            EXPECT_EQ(ReadWholeFile(PathOf("twin.npm")), "new bytes");
        }
        if (link) {
            EXPECT_EQ(fs::is_symlink(path), c.old == Old::SymbolicLink);
            EXPECT_EQ(ReadWholeFile(target), c.old == Old::SymbolicLink ? "new bytes" : "old");
        }
    }
}

TEST_F(FileIoTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    const std::string kept = PathOf("kept.npm");
    ASSERT_TRUE(WriteFileAtomically(kept, "old bytes"));
    fs::create_directories(folder_ / "dir");
    struct Case {
        std::string path;
        FileError error;
        int errnum;
    } cases[] = {
        {PathOf("missing/x.npm"), FileError::NotFound, ENOENT},
        {PathOf("kept.npm/x.npm"), FileError::NotFound, ENOTDIR},
        {PathOf("dir"), FileError::NotRegularFile, 0},
        {PathOf("dir") + "/", FileError::NotRegularFile, 0},
        {PathOf(std::string(300, 'n')), FileError::WriteFailed, ENAMETOOLONG},
    };
    for (const auto& c : cases) {
        const FileStatus status = WriteFile(c.path, "new bytes");
        EXPECT_EQ(status.error, c.error) << c.path;
        EXPECT_EQ(status.errnum, c.errnum) << c.path;
    }
    EXPECT_EQ(FileStatusText(WriteFile(PathOf("missing/x.npm"), "x")), "No such file or directory");
    EXPECT_EQ(FileStatusText(WriteFile(PathOf("dir"), "x")), "not a regular file");

    // A read-only file of the user's own, in a folder of theirs and in one that is not: it is
    // refused either way, although the first folder would let a rename replace it.
    if (::geteuid() != 0 || NobodyUid() == 0) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    const std::string ownFolder = PathOf("own");
    ASSERT_EQ(::mkdir(ownFolder.c_str(), 0755), 0);
    ASSERT_EQ(::chown(ownFolder.c_str(), NobodyUid(), static_cast<gid_t>(-1)), 0);
    for (const std::string& path : {kept, ownFolder + "/kept.npm"}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(WriteFileAtomically(path, "old bytes"));
        ASSERT_EQ(::chown(path.c_str(), NobodyUid(), static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        const std::optional<FileStatus> status = WriteAsNobody(path, "new bytes");
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(status->error, FileError::WriteFailed);
        EXPECT_EQ(status->errnum, EACCES);
        EXPECT_EQ(FileStatusText(*status), "Permission denied");
        EXPECT_EQ(ReadWholeFile(path), "old bytes");
    }
    EXPECT_EQ(EntryCount(), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(ownFolder), {}), 1);
}

TEST_F(FileIoTest, StaleTemporariesOfOurOwnGoAndNothingElse) {
    const long ended = EndedProcessId();
    const long running = ::getppid();
    const std::time_t now = std::time(nullptr);
    struct Case {
        std::string name;
        long ageSeconds;
        bool folder;
        bool removed;
    } cases[] = {
        {TempSaveFileName(ended, 0x1234abcd), 0, false, true},
        {TempSaveFileName(running, 0x1234abcd), 0, false, false},  // a save going on right now
        {TempSaveFileName(running, 0xffffffff), 7 * 3600, false, true},
        {TempSaveFileName(::getpid(), 7), 0, false, false},
        {TempSaveFileName(ended, 1), 0, true, false},
        {TempSaveFileName(ended, 1) + ".bak", 0, false, false},
        {".pixora-save-" + std::to_string(ended) + "-XYZ.tmp", 0, false, false},
        {".pixora-save--1-0.tmp", 0, false, false},
        {".pixora-save-" + std::to_string(ended) + ".tmp", 0, false, false},
        {"pixora-save-" + std::to_string(ended) + "-0.tmp", 0, false, false},
        {".kept.npm.1a2b3c4d~", 7 * 3600, false, false},
        {"picture.npm", 7 * 3600, false, false},
    };
    for (const auto& c : cases) {
        const fs::path path = folder_ / c.name;
        if (c.folder) {
            fs::create_directories(path);
        } else {
            std::ofstream(path) << "x";
        }
        const timespec times[2] = {{now - c.ageSeconds, 0}, {now - c.ageSeconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }
    EXPECT_EQ(RemoveStaleSaveFiles(folder_.string()), 2);
    for (const auto& c : cases) {
        EXPECT_EQ(fs::exists(folder_ / c.name), !c.removed) << c.name;
    }
    // A save into the folder clears such leftovers too.
    std::ofstream(folder_ / TempSaveFileName(ended, 99)) << "x";
    ASSERT_TRUE(WriteFileAtomically(PathOf("picture.npm"), "new"));
    EXPECT_FALSE(fs::exists(folder_ / TempSaveFileName(ended, 99)));
}

TEST_F(FileIoTest, WritesAndReadsBackEveryByte) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes.push_back(static_cast<char>(i * 7));
    }
    const std::string path = PathOf("a.npm");
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    EXPECT_EQ(ReadWholeFile(path), bytes);
    ASSERT_TRUE(WriteFileAtomically(path, "short"));
    EXPECT_EQ(ReadWholeFile(path), "short");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_EQ(EntryCount(), 1u);  // no temporary file left over
}

TEST_F(FileIoTest, ADeferredFlushWritesEveryFileAndFlushesOnce) {
    const std::string old = PathOf("old.otb");
    ASSERT_TRUE(WriteFileAtomically(old, "before"));
    {
        DeferredFlush flush;
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(
                WriteFile(PathOf("new" + std::to_string(i) + ".otb"), std::to_string(i)).Ok());
        }
        ASSERT_TRUE(WriteFile(old, "after").Ok());
        EXPECT_TRUE(flush.Finish(folder_.string()).Ok());
        EXPECT_EQ(flush.Finish(PathOf("missing")).error, FileError::WriteFailed);
    }
    EXPECT_EQ(ReadWholeFile(PathOf("new7.otb")), "7");
    EXPECT_EQ(ReadWholeFile(old), "after");
    EXPECT_EQ(EntryCount(), 21u);  // no temporary file left over
}

TEST_F(FileIoTest, AWriteCutShortKeepsTheOldFile) {
    // A file-size limit makes the write fail part way, as a full disk does, even for root.
    const std::string path = PathOf("full.npm");
    ASSERT_TRUE(WriteFileAtomically(path, "old bytes"));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const FileStatus written = WriteFile(path, std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(written.error, FileError::WriteFailed);
    EXPECT_EQ(written.errnum, EFBIG);
    EXPECT_EQ(ReadWholeFile(path), "old bytes");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileIoTest, RefusesNamesThatCannotBeFiles) {
    const std::string existing = PathOf("old.wbmp");
    ASSERT_TRUE(WriteFileAtomically(existing, "old"));
    fs::create_directories(folder_ / "dir");
    EXPECT_FALSE(WriteFileAtomically(PathOf("dir"), "x"));
    EXPECT_TRUE(fs::is_directory(folder_ / "dir"));
    EXPECT_FALSE(WriteFileAtomically(PathOf("missing/x.npm"), "x"));
    EXPECT_FALSE(WriteFileAtomically(PathOf("dir") + "/", "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_EQ(ReadWholeFile(existing), "old");
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileIoTest, KeepsTheOldFilesPermissions) {
    const std::string path = PathOf("mode.npm");
    ASSERT_TRUE(WriteFileAtomically(path, "1"));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "2"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FileIoTest, ReadRefusesWhatIsNoPlainFileAndSaysWhich) {
    const std::string fifo = PathOf("pipe.npm");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = PathOf("big.npm");
    ASSERT_TRUE(WriteFileAtomically(big, std::string(101, 'x')));
    struct Case {
        std::string path;
        size_t maxSize;
        FileError error;
        int errnum;
    } cases[] = {
        {PathOf("missing.npm"), 1000, FileError::NotFound, ENOENT},
        {big + "/x", 1000, FileError::NotFound, ENOTDIR},
        {folder_.string(), 1000, FileError::NotRegularFile, 0},
        {fifo, 1000, FileError::NotRegularFile, 0},  // and does not wait for a writer
        {"/dev/null", 1000, FileError::NotRegularFile, 0},
        {big, 100, FileError::TooLarge, 0},
        {big, 101, FileError::None, 0},
    };
    for (const auto& c : cases) {
        const FileRead read = ReadFile(c.path, c.maxSize);
        EXPECT_EQ(read.status.error, c.error) << c.path;
        EXPECT_EQ(read.status.errnum, c.errnum) << c.path;
        EXPECT_EQ(read.bytes.size(), c.error == FileError::None ? 101u : 0u) << c.path;
        EXPECT_EQ(ReadWholeFile(c.path, c.maxSize).has_value(), c.error == FileError::None);
    }
    EXPECT_EQ(CheckRegularFile(fifo).error, FileError::NotRegularFile);
    EXPECT_EQ(CheckRegularFile(big).error, FileError::None);
    EXPECT_EQ(FileStatusText(ReadFile(fifo).status), "not a regular file");
}

TEST(FileNames, ProposedNameAndSaveRule) {
    struct Case {
        const char* document;
        const char* proposed;
        bool needsDialog;
    } cases[] = {
        {"Untitled", "", true},
        {"/logos/net.nol", "net", true},
        {"/x/logo.NOL", "logo", true},
        {"/x/pic.npm", "pic", false},
        {"/x/pic.NPM", "pic", false},
        {"/x/a.b.npm", "a.b", false},
        {"/x.npm/photo.jpg", "photo", false},  // ".NPM" anywhere counts, as for every name test
        {"/x.y/noext", "x", true},
        {"nofolder.npm", "", false},
        {"/x/noext", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProposedFileName(c.document), c.proposed) << c.document;
        EXPECT_EQ(SaveNeedsDialog(c.document), c.needsDialog) << c.document;
    }
}

}  // namespace
}  // namespace pixora
