// SPDX-License-Identifier: GPL-2.0-or-later
// Handing the picture to the sibling tools and to configured "Send to" targets.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "formats/npm_file.h"
#include "gui/gui_support.h"
#include "platform/desktop_services.h"

namespace pixora::testing {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct SiblingHarness {
    SiblingHarness() {
        EXPECT_TRUE(dir.isValid());
        harness = std::make_unique<EditorHarness>(nullptr, [](EditorServices& s) {
            s.runWithArgument = [](const std::string& program, const std::string& argument) {
                return RunWithArgument(program, argument);
            };
        });
        harness->tempFolder = dir.path().toStdString() + "/";
        // A stand-in sibling: copies the file it is given, as the real tools read it.
        sibling = dir.filePath("sibling.sh").toStdString();
        received = dir.filePath("received.npm").toStdString();
        std::ofstream(sibling) << "#!/bin/sh\ncp \"$1\" '" << received << "'\n";
        chmod(sibling.c_str(), 0755);
    }
    QTemporaryDir dir;
    std::string sibling;
    std::string received;
    std::unique_ptr<EditorHarness> harness;
};

TEST(SendToSibling, TheSiblingGetsATemporaryPictureMessage) {
    SiblingHarness s;
    EditorHarness& h = *s.harness;
    h.settings->Write("Tamsel Settings", "Application", s.sibling);
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 5, 6, 1);
    SetPictureText(*h.window, "for the sibling");
    h.window->UpdateTitle(true);
    h.window->Web().TempCounter().Take();  // a web page took number 000 before
    h.Find<QAction>("mnuSendNGG")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(s.received)), 5000);
    QTest::qWait(100);
    const auto loaded = ReadPictureMessageFile(ReadBytes(s.received));
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->picture.IsSet(5, 6));
    EXPECT_EQ(loaded->text, U"for the sibling");
    EXPECT_TRUE(QFile::exists(s.dir.filePath("PMTMP001.NPM")));
    // The hand-over file is no document: name and state stay.
    EXPECT_EQ(h.window->Doc().DocumentName(), "Untitled");
    EXPECT_EQ(ModifiedOf(*h.window), 0);
    EXPECT_TRUE(h.ui.messages.empty());
}

TEST(SendToSibling, MissingOrBusySiblingsAreReported) {
    SiblingHarness s;
    EditorHarness& h = *s.harness;
    h.settings->Write("Vornik Settings", "Application", s.dir.filePath("gone").toStdString());
    h.settings->Write("Tamsel Settings", "Application", s.sibling);
    h.settings->Write("Tamsel Settings", "CurrentBusy", "True");
    ASSERT_TRUE(h.Start());
    SetCell(*h.window, 0, 0, 1);
    h.Find<QAction>("mnuSendNOL")->trigger();
    h.Find<QAction>("mnuSendNGG")->trigger();
    ASSERT_EQ(h.ui.messages.size(), 2u);
    EXPECT_EQ(h.ui.messages[0].text,
              "Can't find a supported version of Vornik Uploader.\r\n\r\n"
              "Please download and install the latest version, then try again.");
    EXPECT_EQ(h.ui.messages[1].text,
              "Can't send your image to Tamsel Editor,\r\nIt seems that the application is busy "
              "right now.\r\n\r\nPlease check and then try again.");
    EXPECT_EQ(h.ui.messages[1].icon, MessageIcon::Warning);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(s.received)));
}

TEST(SendToSibling, ConfiguredTargetsAppearAndSendToTheirSection) {
    SiblingHarness s;
    EditorHarness& h = *s.harness;
    h.settings->Write("Settings", "SendToAdd1", "My Tool;MyTool Settings");
    h.settings->Write("Settings", "SendToAdd2", "no separator");
    h.settings->Write("MyTool Settings", "Application", s.sibling);
    ASSERT_TRUE(h.Start());
    QAction* first = h.Find<QAction>("mnuSendToAdd1");
    QAction* second = h.Find<QAction>("mnuSendToAdd2");
    EXPECT_EQ(first->text(), "Send to &My Tool");
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    SetCell(*h.window, 2, 2, 1);
    first->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(s.received)), 5000);
}

}  // namespace
}  // namespace pixora::testing
