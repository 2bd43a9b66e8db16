// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/settings_keys.h"
#include "platform/qt_user_interface.h"
#include "platform/temp_folder.h"

namespace pixora {
namespace {

TEST(QtSettingsStore, SectionsWithSpacesRoundTripAndOtherProcessesSeeWrites) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    QtSettingsStore ours(ini);
    QtSettingsStore sibling(ini);
    EXPECT_TRUE(ours.Write("Zorvet Settings", "CurrentBusy", "True"));
    EXPECT_TRUE(ours.Write("Zorvet Recent File List", "File1", "/home/a b/c,d.npm"));
    // The sibling's own object picks the change up on its next read.
    EXPECT_TRUE(ReadBool(sibling, keys::CurrentBusy));
    EXPECT_EQ(sibling.Read("Zorvet Recent File List", "File1"), "/home/a b/c,d.npm");
    ours.Delete("Zorvet Settings", "CurrentBusy");
    EXPECT_FALSE(sibling.Read("Zorvet Settings", "CurrentBusy").has_value());
    ours.Delete("No Such Section", "Nothing");
    EXPECT_FALSE(ours.Read("No Such Section", "Nothing").has_value());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(QtSettingsStore, HandWrittenValuesReadAsText) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    // Another tool of the family writes lists, quotes and ";" as plain text.
    WriteFile(ini,
              "[Settings]\nCOMPort=2\nSendToAdd1=\"Logo Tool, Pro;Logo Section\"\n"
              "SendToAdd2=Plain, listed\nPBookReadSM=false\n");
    QtSettingsStore store(ini);
    EXPECT_EQ(ReadInt(store, keys::COMPort), 2);
    EXPECT_EQ(store.Read("Settings", "SendToAdd1"), "\"Logo Tool, Pro;Logo Section\"");
    EXPECT_EQ(store.Read("Settings", "SendToAdd2"), "Plain, listed");
    // What we write with such characters comes back whole.
    ASSERT_TRUE(store.Write("Settings", "SendToAdd2", "Tool, Two;Its Section"));
    EXPECT_EQ(QtSettingsStore(ini).Read("Settings", "SendToAdd2"), "Tool, Two;Its Section");
    EXPECT_FALSE(ReadBool(store, keys::PBookReadSM));
}

TEST(QtSettingsStore, ASiblingsFileKeepsItsBytesButTheChangedKeys) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    const QByteArray sibling =
        "; written by Tamsel Editor\r\n[Settings]\r\nSendToAdd1=My App;My App Settings\r\n"
        "UserDir=C:\\Pictures\\\r\n\r\n[Tamsel Settings]\r\n\"Odd line\r\n"
        "Application=/opt/tamsel/tamsel\r\n[Zorvet Settings]\r\nCurrentBusy=True\r\n";
    WriteFile(ini, sibling);
    ASSERT_EQ(chmod(QFile::encodeName(ini).constData(), 0640), 0);
    QtSettingsStore store(ini);
    EXPECT_EQ(store.Read("Settings", "UserDir"), "C:\\Pictures\\");
    ASSERT_TRUE(store.Write("Zorvet Settings", "Left", "200"));
    store.Delete("Zorvet Settings", "CurrentBusy");
    store.Delete("Vornik Settings", "CurrentBusy");
    EXPECT_EQ(FileBytes(ini),
              "; written by Tamsel Editor\r\n[Settings]\r\nSendToAdd1=My App;My App Settings\r\n"
              "UserDir=C:\\Pictures\\\r\n\r\n[Tamsel Settings]\r\n\"Odd line\r\n"
              "Application=/opt/tamsel/tamsel\r\n[Zorvet Settings]\r\nLeft=200\r\n");
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(ini).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // Only the file and its lock: no temporary left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Brellow.ini", "Brellow.ini.lock"}));
}

TEST(QtSettingsStore, ConcurrentWritersKeepEachOthersKeys) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    // Two processes' stores, each with its own view of the file, writing at the same time.
    constexpr int Writes = 40;
    auto writer = [&ini](const char* section) {
        QtSettingsStore store(ini);
        for (int i = 0; i < Writes; ++i) {
            store.Write(section, "Key" + std::to_string(i), std::to_string(i));
        }
    };
    std::thread editor(writer, "Zorvet Settings");
    std::thread sibling(writer, "Tamsel Settings");
    editor.join();
    sibling.join();
    QtSettingsStore reread(ini);
    int kept = 0;
    for (int i = 0; i < Writes; ++i) {
        for (const char* section : {"Zorvet Settings", "Tamsel Settings"}) {
            kept += reread.Read(section, "Key" + std::to_string(i)) == std::to_string(i);
        }
    }
    EXPECT_EQ(kept, 2 * Writes);
}

TEST(QtSettingsStore, AnotherProcessesChangeIsSeenAtTheNextRead) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    QtSettingsStore store(ini);
    EXPECT_FALSE(store.Read("Settings", "SMSC").has_value());
    WriteFile(ini, "[Settings]\nSMSC=4917200000\n");
    EXPECT_EQ(store.Read("Settings", "SMSC"), "4917200000");
    // A rewrite in place of the same length within the same clock tick: the coordination keys
    // look at the file every time.
    WriteFile(ini, "[Zorvet Settings]\nCurrentBusy=True\n");
    EXPECT_TRUE(ReadBool(store, keys::CurrentBusy));
    WriteFile(ini, "[Zorvet Settings]\nCurrentBusy=Fals\n");
    EXPECT_EQ(store.Read("Zorvet Settings", "CurrentBusy"), "Fals");
}

TEST(QtSettingsStore, AReadOnlyFileReportsTheFailedWrite) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    {
        QtSettingsStore store(ini);
        ASSERT_TRUE(store.Write("Settings", "UserName", "Ada"));
    }
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes read-only files";
    }
    chmod(QFile::encodeName(ini).constData(), 0444);
    QtSettingsStore store(ini);
    EXPECT_FALSE(store.Write("Settings", "UserName", "Bob"));
    EXPECT_EQ(store.Read("Settings", "UserName"), "Ada");
}

TEST(QtSettingsStore, AFolderClosedToNewFilesGetsItsFileRewrittenInPlace) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    WriteFile(ini, "; kept\n[Settings]\nUserName=Ada Lovelace\n");
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    QtSettingsStore store(ini);
    const bool shorter = store.Write("Settings", "UserName", "Bob");
    const bool added = store.Write("Settings", "COMPort", "1");
    chmod(folder.constData(), 0755);
    EXPECT_TRUE(shorter);
    EXPECT_TRUE(added);
    EXPECT_EQ(FileBytes(ini), "; kept\n[Settings]\nUserName=Bob\nCOMPort=1\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Brellow.ini"}));
}

TEST(QtNameFilters, PairsBecomeQtFilters) {
    EXPECT_EQ(ToQtNameFilters("Nokia Picture Message (*.npm)|*.npm"),
              QStringList({"Nokia Picture Message (*.npm)"}));
    EXPECT_EQ(ToQtNameFilters("Pictures|*.bmp;*.gif|All files|*.*"),
              QStringList({"Pictures (*.bmp *.gif)", "All files (*.*)"}));
    EXPECT_EQ(ToQtNameFilters("dangling"), QStringList());
    EXPECT_EQ(ToDisplayText("a\r\nb"), "a\nb");
}

TEST(TempFolder, IsPrivateAndLosesOnlyTheOldPagesAndPictures) {
    QTemporaryDir dir;
    qputenv("TMPDIR", dir.path().toUtf8());
    const std::string folder = PrivateTempFolder();
    qunsetenv("TMPDIR");
    ASSERT_FALSE(folder.empty());
    ASSERT_EQ(folder.back(), '/');
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const QString base = QString::fromStdString(folder);
    for (const char* name :
         {"PMTMP001.HTM", "PMTMP12345.NPM", "pmtmp002.htm", "PMTMP003.TXT", "OTHER.NPM"}) {
        QFile f(base + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    DeleteTempPictureFiles(folder);
    QStringList left = QDir(base).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, QStringList({"OTHER.NPM", "PMTMP003.TXT", "pmtmp002.htm"}));
}

}  // namespace
}  // namespace pixora
