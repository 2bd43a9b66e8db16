#include "formats/file_io.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
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

TEST_F(FileIoTest, AFailedWriteKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    const std::string path = PathOf("keep.npm");
    ASSERT_TRUE(WriteFileAtomically(path, "old bytes"));
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(path, "new bytes"));
    EXPECT_EQ(ReadWholeFile(path), "old bytes");
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
    const bool written = WriteFileAtomically(path, std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
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

TEST_F(FileIoTest, ReadRefusesWhatIsNoPlainFile) {
    EXPECT_FALSE(ReadWholeFile(PathOf("missing.npm")));
    EXPECT_FALSE(ReadWholeFile(folder_.string()));
    const std::string fifo = PathOf("pipe.npm");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(fifo));  // and does not block
    const std::string big = PathOf("big.npm");
    ASSERT_TRUE(WriteFileAtomically(big, std::string(101, 'x')));
    EXPECT_FALSE(ReadWholeFile(big, 100));
    EXPECT_TRUE(ReadWholeFile(big, 101));
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
