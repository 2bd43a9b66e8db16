#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(QtSettingsStore, HandWrittenValuesReadAsText) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Brellow.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Another tool of the family writes a list-looking value unquoted, and quotes one with ";".
    file.write(
        "[Settings]\nCOMPort=2\nSendToAdd1=\"Logo Tool, Pro;Logo Section\"\n"
        "SendToAdd2=Plain, listed\nPBookReadSM=false\n");
    file.close();
    QtSettingsStore store(ini);
    EXPECT_EQ(ReadInt(store, keys::COMPort), 2);
    EXPECT_EQ(store.Read("Settings", "SendToAdd1"), "Logo Tool, Pro;Logo Section");
    EXPECT_EQ(store.Read("Settings", "SendToAdd2"), "Plain,listed");
    // What we write with such characters comes back whole.
    ASSERT_TRUE(store.Write("Settings", "SendToAdd2", "Tool, Two;Its Section"));
    EXPECT_EQ(QtSettingsStore(ini).Read("Settings", "SendToAdd2"), "Tool, Two;Its Section");
    EXPECT_FALSE(ReadBool(store, keys::PBookReadSM));
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
