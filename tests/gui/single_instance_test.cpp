// SPDX-License-Identifier: GPL-2.0-or-later
// Two real editor processes: the second start hands its file to the first and ends.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/document.h"
#include "formats/npm_file.h"
#include "platform/qt_settings_store.h"

namespace pixora {
namespace {

class TwoEditors : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* sub : {"config/Brellow", "data", "run", "tmp"}) {
            ASSERT_TRUE(QDir(dir.path()).mkpath(sub));
        }
        chmod(QFile::encodeName(dir.filePath("run")).constData(), 0700);
        ini = dir.filePath("config/Brellow/Brellow.ini");
        QtSettingsStore store(ini);
        store.Write("Settings", "UserName", "Tester");
        // Associations are repaired silently, so no question holds the start.
        store.Write("Settings", "FileTypeWarn", "0");
        // The editor under test is "installed", so it takes its file types without asking.
        ASSERT_TRUE(QDir(dir.path()).mkpath("system/applications"));
        QFile entry(dir.filePath("system/applications/pixora.desktop"));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Pixora\nExec=" PIXORA_EDITOR_PATH
                    " %F\n");
        entry.close();
        picture = dir.filePath("hand over.npm");
        PictureGrid grid;
        grid.Set(1, 1, 1);
        QFile file(picture);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = WritePictureMessageFile(grid, U"handed", "x");
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    void TearDown() override {
        if (first.state() != QProcess::NotRunning) {
            first.kill();
            first.waitForFinished(5000);
        }
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("XDG_DATA_DIRS", dir.filePath("system"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("run"));
        env.insert("TMPDIR", dir.filePath("tmp"));
        return env;
    }

    void StartFirst() {
        first.setProcessEnvironment(Environment());
        first.start(PIXORA_EDITOR_PATH, {});
        ASSERT_TRUE(first.waitForStarted(10000));
        ASSERT_TRUE(WaitForTitle("Pixora [Untitled]"));
    }

    // Runs a second start to its end; its exit status, or -1 when it did not end in time.
    int SecondStart(const QStringList& arguments, const QString& workingFolder = QString()) {
        QProcess second;
        second.setProcessEnvironment(Environment());
        second.setWorkingDirectory(workingFolder);
        second.start(PIXORA_EDITOR_PATH, arguments);
        if (!second.waitForFinished(20000)) {
            second.kill();
            second.waitForFinished(5000);
            return -1;
        }
        return second.exitCode();
    }

    std::string Title() { return ReadText(store(), keys_CurrentAppname()).value_or(""); }

    bool WaitForTitle(const std::string& title) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            if (Title() == title) {
                return true;
            }
            QTest::qWait(50);
        }
        return false;
    }

    QtSettingsStore& store() {
        if (!store_) {
            store_ = std::make_unique<QtSettingsStore>(ini);
        }
        return *store_;
    }
    static TextKey keys_CurrentAppname() { return {"Zorvet Settings", "CurrentAppname", ""}; }
    static std::optional<std::string> ReadText(QtSettingsStore& s, const TextKey& key) {
        return s.Read(key.section, key.key);
    }

    QTemporaryDir dir;
    QString ini;
    QString picture;
    QProcess first;
    std::unique_ptr<QtSettingsStore> store_;
};

TEST_F(TwoEditors, TheSecondStartHandsItsFileToTheFirstAndEnds) {
    StartFirst();
    // The whole argument text is one path, spaces and all.
    const QStringList words = picture.split(' ');
    EXPECT_EQ(SecondStart(words), 0);
    EXPECT_TRUE(WaitForTitle(TitleFor(picture.toStdString(), true))) << Title();
    EXPECT_EQ(first.state(), QProcess::Running);

    // A start without a file only raises the first window.
    EXPECT_EQ(SecondStart({}), 0);
    EXPECT_EQ(Title(), TitleFor(picture.toStdString(), true));
}

TEST_F(TwoEditors, ARelativeNameIsResolvedWhereItWasGiven) {
    // The name is relative to the folder of the process that got it on its command line, whether
    // that process opens the file itself or hands it to the running one.
    const QString sub = dir.filePath("pics");
    ASSERT_TRUE(QDir(sub).mkpath("."));
    const QString absolute = sub + "/hand over.npm";
    ASSERT_TRUE(QFile::copy(picture, absolute));
    for (const bool handedOver : {false, true}) {
        SCOPED_TRACE(handedOver ? "handed over" : "opened at start");
        first.setProcessEnvironment(Environment());
        if (handedOver) {
            StartFirst();
            EXPECT_EQ(SecondStart({"./pics/hand", "over.npm"}, dir.path()), 0);
        } else {
            first.setWorkingDirectory(dir.path());
            first.start(PIXORA_EDITOR_PATH, {"./pics/hand", "over.npm"});
            ASSERT_TRUE(first.waitForStarted(10000));
        }
        EXPECT_TRUE(WaitForTitle(TitleFor(absolute.toStdString(), true))) << Title();
        first.terminate();
        ASSERT_TRUE(first.waitForFinished(10000));
        QtSettingsStore reread(ini);
        EXPECT_EQ(reread.Read("Zorvet Recent File List", "File1"), absolute.toStdString());
        EXPECT_EQ(reread.Read("Zorvet Settings", "UserDir"), (sub + "/").toStdString());
        reread.Delete("Zorvet Recent File List", "File1");
        reread.Delete("Zorvet Settings", "UserDir");
        first.setWorkingDirectory(QString());
    }
}

TEST_F(TwoEditors, ABusyFirstInstanceIsLeftAlone) {
    StartFirst();
    store().Write("Zorvet Settings", "CurrentBusy", "True");
    EXPECT_EQ(SecondStart({picture}), 0);
    QTest::qWait(500);
    EXPECT_EQ(Title(), "Pixora [Untitled]");
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(TwoEditors, AStartAfterACrashRunsAsTheFirstInstance) {
    StartFirst();
    first.kill();  // no shutdown: the lock and the caption stay behind
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(Title(), "Pixora [Untitled]");
    first.start(PIXORA_EDITOR_PATH, {picture});
    ASSERT_TRUE(first.waitForStarted(10000));
    EXPECT_TRUE(WaitForTitle(TitleFor(picture.toStdString(), true))) << Title();
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(TwoEditors, ABusyMarkLeftByACrashIsClearedByTheNextFirstInstance) {
    StartFirst();
    store().Write("Zorvet Settings", "CurrentBusy", "True");  // crashed inside a dialog
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    store().Delete("Zorvet Settings", "CurrentAppname");  // so the wait below sees the new run
    StartFirst();
    EXPECT_FALSE(store().Read("Zorvet Settings", "CurrentBusy").has_value());
    // Hand-overs reach it again instead of ending in a beep.
    EXPECT_EQ(SecondStart({picture}), 0);
    EXPECT_TRUE(WaitForTitle(TitleFor(picture.toStdString(), true))) << Title();
}

TEST_F(TwoEditors, TerminationKeepsTheSettingsAndFreesTheInstance) {
    StartFirst();
    first.terminate();  // SIGTERM, as a shutting-down system sends it
    ASSERT_TRUE(first.waitForFinished(10000));
    QtSettingsStore reread(ini);
    EXPECT_FALSE(reread.Read("Zorvet Settings", "CurrentAppname").has_value());
    EXPECT_TRUE(reread.Read("Zorvet Settings", "Left").has_value());
    // The next start is the first instance again.
    first.start(PIXORA_EDITOR_PATH, {picture});
    ASSERT_TRUE(first.waitForStarted(10000));
    EXPECT_TRUE(WaitForTitle(TitleFor(picture.toStdString(), true))) << Title();
}

TEST_F(TwoEditors, UnregisterTakesBackOnlyOursWithoutAWindowOrSettings) {
    StartFirst();
    // The caption comes before the associations in the start-up.
    QFile list(dir.filePath("config/mimeapps.list"));
    QElapsedTimer clock;
    clock.start();
    while (!list.exists() && clock.elapsed() < 15000) {
        QTest::qWait(50);
    }
    ASSERT_TRUE(list.open(QIODevice::ReadWrite));
    const QByteArray withOurs = list.readAll();
    ASSERT_TRUE(withOurs.contains("=pixora.desktop"));
    // Another program's line, written while the editor's are in place.
    list.write("[Removed Associations]\nimage/png=gimp.desktop;\n");
    list.close();
    QFile settings(ini);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray settingsBefore = settings.readAll();
    settings.close();

    // While the first instance still runs: no hand-over, no lock taken.
    QProcess unregister;
    unregister.setProcessEnvironment(Environment());
    unregister.start(PIXORA_EDITOR_PATH, {"--unregister"});
    ASSERT_TRUE(unregister.waitForFinished(20000));
    EXPECT_EQ(unregister.exitCode(), 0);
    const QString printed = QString::fromUtf8(unregister.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("pixora-nokia-picture-message.xml")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("application/x-nokia-picture-message=pixora.desktop"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), "[Removed Associations]\nimage/png=gimp.desktop;\n");
    EXPECT_TRUE(QDir(dir.filePath("data/mime/packages")).isEmpty());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), settingsBefore);
    EXPECT_EQ(first.state(), QProcess::Running);
}

}  // namespace
}  // namespace pixora
