// SPDX-License-Identifier: GPL-2.0-or-later
// The temporary-page writer against names planted in its folder, and the web send writing real
// pages into the private temporary folder.
#include "platform/web_temp_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "core/settings.h"
#include "platform/temp_folder.h"
#include "web/usage_counters.h"
#include "web/web_send.h"

namespace pixora {
namespace {

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll().toStdString();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// A private folder (0700) and, beside it, a folder standing for the rest of the disk that a
// planted link would aim at.
class TempWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        folder_ = root_.filePath("private").toStdString();
        outside_ = root_.filePath("outside").toStdString();
        ASSERT_EQ(mkdir(folder_.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(outside_.c_str(), 0755), 0);
    }
    std::string Page() const { return folder_ + "/PMTMP000.HTM"; }

    QTemporaryDir root_;
    std::string folder_;
    std::string outside_;
};

struct PlantCase {
    const char* name;
    // Puts something at the page's name before the write.
    std::function<void(const std::string& page, const std::string& outside)> plant;
    // Checks that whatever the plant aimed at is as it was.
    std::function<void(const std::string& outside)> untouched;
};

TEST_F(TempWriterTest, WhateverHoldsTheNameIsReplacedNeverFollowed) {
    const PlantCase cases[] = {
        {"nothing there", [](const std::string&, const std::string&) {}, [](const std::string&) {}},
        {"link to an existing file",
         [](const std::string& page, const std::string& outside) {
             WriteFile(outside + "/victim", "precious");
             ASSERT_EQ(symlink((outside + "/victim").c_str(), page.c_str()), 0);
         },
         [](const std::string& outside) { EXPECT_EQ(ReadAll(outside + "/victim"), "precious"); }},
        {"dangling link",
         [](const std::string& page, const std::string& outside) {
             ASSERT_EQ(symlink((outside + "/created").c_str(), page.c_str()), 0);
         },
         [](const std::string& outside) { EXPECT_FALSE(Exists(outside + "/created")); }},
        {"hard link to a file elsewhere",
         [](const std::string& page, const std::string& outside) {
             WriteFile(outside + "/hard", "keep me");
             ASSERT_EQ(link((outside + "/hard").c_str(), page.c_str()), 0);
         },
         [](const std::string& outside) { EXPECT_EQ(ReadAll(outside + "/hard"), "keep me"); }},
        {"page of an earlier run, open to all",
         [](const std::string& page, const std::string&) {
             WriteFile(page, "an old and much longer page than the new one");
             chmod(page.c_str(), 0666);
         },
         [](const std::string&) {}},
    };
    for (const PlantCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(QString::fromStdString(outside_)).removeRecursively();
        ASSERT_EQ(mkdir(outside_.c_str(), 0755), 0);
        unlink(Page().c_str());
        c.plant(Page(), outside_);

        PrivateTempFileWriter writer;
        ASSERT_TRUE(writer.WriteNewFile(Page(), "<HTML>new</HTML>"));
        EXPECT_TRUE(IsRegularFile(Page()));
        EXPECT_EQ(ModeOf(Page()), 0600u);
        EXPECT_EQ(ReadAll(Page()), "<HTML>new</HTML>");
        c.untouched(outside_);
    }
}

TEST_F(TempWriterTest, RefusesFoldersThatAreNotPrivate) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string& folder, const std::string& outside)> path;
    };
    const Case cases[] = {
        {"folder open to others",
         [](const std::string&, const std::string& outside) { return outside + "/PMTMP000.HTM"; }},
        {"link standing in for the private folder",
         [](const std::string& folder, const std::string&) {
             const std::string link = folder + "-link";
             symlink(folder.c_str(), link.c_str());
             return link + "/PMTMP000.HTM";
         }},
        {"folder that does not exist",
         [](const std::string& folder, const std::string&) {
             return folder + "/missing/PMTMP000.HTM";
         }},
        {"a directory holds the name",
         [](const std::string& folder, const std::string&) {
             mkdir((folder + "/PMTMP000.HTM").c_str(), 0700);
             return folder + "/PMTMP000.HTM";
         }},
        {"no file name",
         [](const std::string& folder, const std::string&) { return folder + "/"; }},
        {"no folder",
         [](const std::string&, const std::string&) { return std::string("PMTMP000.HTM"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.path(folder_, outside_);
        PrivateTempFileWriter writer;
        EXPECT_FALSE(writer.WriteNewFile(path, "<HTML></HTML>"));
        EXPECT_FALSE(IsRegularFile(path));
    }
}

TEST_F(TempWriterTest, WritesEveryByteOfALargePage) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    PrivateTempFileWriter writer;
    ASSERT_TRUE(writer.WriteNewFile(Page(), bytes));
    EXPECT_EQ(ReadAll(Page()), bytes);
}

// TMPDIR points the private folder into a directory of this test.
class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        saved_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", root_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (saved_.isNull()) {
            qunsetenv("TMPDIR");
        } else {
            qputenv("TMPDIR", saved_);
        }
    }
    QTemporaryDir root_;
    QByteArray saved_;
};

TEST_F(PrivateFolderTest, WebSendsWritePagesOnlyInThePrivateFolderPastAPlantedLink) {
    const std::string folder = PrivateTempFolder();
    ASSERT_FALSE(folder.empty());
    ASSERT_EQ(folder.back(), '/');
    ASSERT_EQ(ModeOf(folder.substr(0, folder.size() - 1)) & 0077, 0u);

    MemorySettingsStore store;
    TempFileCounter counter;
    PrivateTempFileWriter writer;
    WebContext context;
    context.versionCode = VersionCode(1, 0, 3);
    context.keyboardCountryCode = "49";
    PictureGrid picture;
    picture.Set(0, 0, 1);

    const auto first =
        WriteWebSendPage(context, picture, U"Hi there!", store, folder, counter, writer);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, folder + "PMTMP000.HTM");

    // Someone with access to the folder aims the next page's name at a file of ours elsewhere.
    const std::string victim = root_.filePath("victim.txt").toStdString();
    WriteFile(victim, "untouched");
    ASSERT_EQ(symlink(victim.c_str(), (folder + "PMTMP001.HTM").c_str()), 0);

    const auto second =
        WriteWebSendPage(context, picture, U"Hi there!", store, folder, counter, writer);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(*second, folder + "PMTMP001.HTM");
    EXPECT_EQ(ReadAll(victim), "untouched");
    for (const std::string& page : {*first, *second}) {
        EXPECT_TRUE(IsRegularFile(page)) << page;
        EXPECT_EQ(ModeOf(page), 0600u) << page;
    }
    EXPECT_NE(ReadAll(*second).find("&stats=0%7C1&cc=49&text=Hi+there%21"), std::string::npos);
    EXPECT_EQ(myGetCount(store), "0|2");

    // Nothing was written outside the private folder but our own victim file.
    const QStringList rootEntries =
        QDir(root_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    EXPECT_EQ(rootEntries.size(), 2) << rootEntries.join(",").toStdString();

    // Start-up and exit clear the pages away.
    DeleteTempPictureFiles(folder);
    EXPECT_FALSE(Exists(*first));
    EXPECT_FALSE(Exists(*second));
}

TEST_F(PrivateFolderTest, FailedWriteCountsNothing) {
    // The folder path names a file, so no page can be written there.
    const std::string notAFolder = root_.filePath("plain").toStdString();
    WriteFile(notAFolder, "x");
    MemorySettingsStore store;
    TempFileCounter counter;
    PrivateTempFileWriter writer;
    WebContext context;
    const auto page =
        WriteWebSendPage(context, PictureGrid(), U"", store, notAFolder + "/", counter, writer);
    EXPECT_FALSE(page.has_value());
    EXPECT_EQ(myGetCount(store), "0|0");
}

}  // namespace
}  // namespace pixora
