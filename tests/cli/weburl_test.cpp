// SPDX-License-Identifier: GPL-2.0-or-later
// "pixora-cli weburl" run as a child process: a copy of the program in a folder of its own (so a
// branding file can lie beside it), its own settings folder and locale, and its own temporary
// folder to show that nothing is written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "core/picture.h"
#include "formats/npm_file.h"
#include "web/web_address.h"

namespace pixora {
namespace {

constexpr const char* Host = "http://skyrelay.brellow.example";

using testing::ReadBytes;
using testing::WriteBytes;

// A picture with a pixel in two corners, so its data is not all zeros.
PictureGrid Corners() {
    PictureGrid picture;
    picture.Set(0, 0, 1);
    picture.Set(71, 27, 1);
    return picture;
}

using testing::CliRun;

class WebUrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // The program and its modules, copied so that "beside the program" is a folder of ours.
        const QFileInfo program(PIXORA_CLI_PATH);
        QDir().mkpath(ProgramFolder());
        const QDir buildFolder = program.dir();
        for (const QString& name : buildFolder.entryList({"pixora-cli", "pixora-cli-*.so"})) {
            ASSERT_TRUE(QFile::copy(buildFolder.filePath(name), ProgramFolder() + "/" + name));
        }
        QFile::setPermissions(ProgramFolder() + "/pixora-cli",
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QDir().mkpath(TempFolder());
    }

    QString ProgramFolder() const { return dir_.filePath("bin"); }
    QString TempFolder() const { return dir_.filePath("tmp"); }
    QString IniPath() const { return dir_.filePath("config/Brellow/Brellow.ini"); }

    CliRun RunWebUrl(const QStringList& args, const QString& locale) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        env.insert("TMPDIR", TempFolder());
        env.remove("LC_MESSAGES");
        env.remove("LANG");
        env.insert("LC_ALL", locale);
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(env);
        process.start(ProgramFolder() + "/pixora-cli", QStringList{"weburl"} + args);
        return testing::FinishCliRun(process);
    }

    QTemporaryDir dir_;
};

struct WebUrlCase {
    const char* name;
    std::u32string text;
    const char* locale;
    std::string counters;  // lines of [Zorvet Settings]; empty for no settings file
    std::string branding;  // KALDRIX.INI; empty for none
    // The address after the picture data and the fixed "&mode=send&app=kdx&ver=" + version.
    std::string tail;
};

TEST_F(WebUrlTest, PrintsTheAddressTheEditorWouldOpen) {
    const std::string version =
        VersionCode(PIXORA_VERSION_MAJOR, PIXORA_VERSION_MINOR, PIXORA_VERSION_PATCH);
    const std::vector<WebUrlCase> cases = {
        {"Swiss German, no settings yet", U"Hi there!", "de_CH.UTF-8", "", "",
         "&stats=0%7C0&cc=41&text=Hi+there%21"},
        {"American with counters", U"Hi there!", "en_US.UTF-8", "StatsSend=2\nStatsInternet=1\n",
         "", "&stats=2%7C1&cc=1&text=Hi+there%21"},
        {"language without territory, empty text", U"", "de.UTF-8", "", "", "&stats=0%7C0&cc="},
        {"C locale", U"a-b", "C", "StatsInternet=7\n", "", "&stats=0%7C7&cc=&text=a%2Db"},
        {"counters at the top", U"x", "de_AT.UTF-8", "StatsSend=32767\nStatsInternet=32767\n", "",
         "&stats=32767%7C32767&cc=43&text=x"},
        {"media code from the branding file", U"Hi there!", "de_DE.UTF-8", "",
         "[Branding]\r\nMedia= abc \r\n", "&stats=0%7C0&cc=49&media=abc&text=Hi+there%21"},
        {"media code that would break the page", U"", "de_DE.UTF-8", "",
         "[branding]\nmedia=a\"b <c&d\n", "&stats=0%7C0&cc=49&media=a%22b%20%3Cc%26d"},
        {"branding file without the section", U"", "de_DE.UTF-8", "", "[Other]\nMedia=abc\n",
         "&stats=0%7C0&cc=49"},
        {"binary branding file", U"", "de_DE.UTF-8", "", std::string("\0\xff[\x01=\n", 6),
         "&stats=0%7C0&cc=49"},
        {"text in Windows-1252", U"Grüße & 100%", "de_DE.UTF-8", "", "",
         "&stats=0%7C0&cc=49&text=Gr%FC%DFe+%26+100%25"},
    };
    const PictureGrid picture = Corners();
    const std::string data = "00481C01" + std::string("80") + std::string(500, '0') + "01";
    ASSERT_EQ(data.size(), 8u + 504u);

    for (const WebUrlCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(IniPath());
        QFile::remove(ProgramFolder() + "/KALDRIX.INI");
        if (!c.counters.empty()) {
            WriteBytes(IniPath(), "[Zorvet Settings]\n" + c.counters);
        }
        if (!c.branding.empty()) {
            WriteBytes(ProgramFolder() + "/KALDRIX.INI", c.branding);
        }
        const QString input = dir_.filePath("picture.npm");
        WriteBytes(input, WritePictureMessageFile(picture, c.text, "tester", 0.5));
        const std::string settingsBefore = ReadBytes(IniPath());

        const CliRun run = RunWebUrl({input}, c.locale);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, std::string(Host) + "/wireless/sendsms.phtml?data=" + data +
                               "&mode=send&app=kdx&ver=" + version + c.tail + "\n");
        // Nothing counted, nothing written.
        EXPECT_EQ(ReadBytes(IniPath()), settingsBefore);
        EXPECT_TRUE(
            QDir(TempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System));
    }
}

TEST_F(WebUrlTest, BadInputsPrintNoAddress) {
    WriteBytes(dir_.filePath("broken.npm"), "NPM");
    struct Case {
        const char* name;
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {"missing file", {dir_.filePath("nothing.npm")}, 1},
        {"not a picture message", {dir_.filePath("broken.npm")}, 1},
        {"no operand", {}, 2},
        {"two operands", {"a.npm", "b.npm"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunWebUrl(c.args, "de_DE.UTF-8");
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

TEST_F(WebUrlTest, MissingRegionModuleLeavesTheCountryEmptyAndSaysSo) {
    ASSERT_TRUE(QFile::remove(ProgramFolder() + "/pixora-cli-region.so"));
    WriteBytes(dir_.filePath("p.npm"), WritePictureMessageFile(PictureGrid(), U"", "t", 0.5));
    const CliRun run = RunWebUrl({dir_.filePath("p.npm")}, "de_DE.UTF-8");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("pixora-cli-region.so"), std::string::npos) << run.err;
    const std::string tail = "&stats=0%7C0&cc=\n";
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

}  // namespace
}  // namespace pixora
