// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli phonebook as a script runs it: the built program against the simulated phone, with
// settings and data folders of the test's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/fake_phone.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::PhoneBehaviour;

constexpr const char* kSimLines = "\xC4rger;+41791234567;A;1;\r\nBob, office;+4912345;A;3;\r\n";
constexpr const char* kPhoneLines = "Zed;0301234;B;17;\r\n";

struct PhonebookCase {
    const char* name;
    std::string settings;
    QStringList args;  // after --device
    std::function<void(FakePhone&)> script;
    int exitCode;
    std::string out;
    std::string errEnd;
    bool cacheWritten;  // then it holds exactly `out`
    size_t commands;    // the phone received this many commands, none twice (0: not checked)
};

class CliPhonebookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString CachePath() const { return dir_.filePath("data/Brellow/Pixora/KDXPBOOK.CSV"); }

    void WriteSettings(const std::string& lines) {
        const QString ini = dir_.filePath("config/Brellow/Brellow.ini");
        QDir().mkpath(QFileInfo(ini).path());
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.data(), static_cast<qint64>(lines.size()));
    }

    testing::CliRun Run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = testing::HeadlessEnvironment(dir_.filePath("config"));
        env.insert("XDG_DATA_HOME", dir_.filePath("data"));
        // Tenth-of-a-second ticks.
        env.insert("PIXORA_TICK_DIVISOR", "10");
        process.setProcessEnvironment(env);
        process.start(PIXORA_CLI_PATH, QStringList{"phonebook"} + args);
        if (!process.waitForStarted(10000)) {
            testing::CliRun run;
            run.err = "<did not start>";
            return run;
        }
        return testing::FinishCliRun(process);
    }

    QTemporaryDir dir_;
};

TEST_F(CliPhonebookTest, PrintsTheCacheLinesOfTheChosenMemories) {
    const PhonebookCase cases[] = {
        {"settings' choice: both",
         "",
         {},
         {},
         0,
         std::string(kSimLines) + kPhoneLines,
         "Phonebook read.\n",
         false,
         7},
        {"SIM only, saved",
         "",
         {"--sim", "--save"},
         {},
         0,
         kSimLines,
         "Phonebook read.\n",
         true,
         4},
        {"phone memory by the settings",
         "[Settings]\nPBookReadSM=False\n",
         {},
         {},
         0,
         kPhoneLines,
         "Phonebook read.\n",
         false,
         4},
        {"--both over the settings",
         "[Settings]\nPBookReadME=False\n",
         {"--both", "--save"},
         {},
         0,
         std::string(kSimLines) + kPhoneLines,
         "Phonebook read.\n",
         true,
         7},
        // Three seconds before the listing begins: the echo has come, so the read waits for it.
        {"listing that starts late",
         "",
         {"--sim"},
         [](FakePhone& p) { p.SetReplyDelay("AT+CPBR=1,250", std::chrono::milliseconds(300)); },
         0,
         kSimLines,
         "Phonebook read.\n",
         false,
         4},
        {"silent phone",
         "",
         {"--save"},
         [](FakePhone& p) { p.SetDefaultBehaviour(PhoneBehaviour::Silent); },
         1,
         "",
         "Error while talking to COM1.\n",
         false,
         0},
        {"echo only, cancelled by the time-out",
         "",
         {"--timeout", "1"},
         [](FakePhone& p) { p.SetDefaultBehaviour(PhoneBehaviour::EchoOnly); },
         1,
         "",
         "Can't talk to COM1.\n",
         false,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(CachePath());
        FakePhone phone;
        ASSERT_TRUE(phone.Ok());
        phone.SetIndexRange("SM", 1, 250);
        phone.SetIndexRange("ME", 1, 500);
        phone.AddEntry("SM", {3, "+4912345", 145, "Bob, office"});
        phone.AddEntry("SM", {1, "+41791234567", 145,
                              "\x8E"
                              "rger"});
        phone.AddEntry("ME", {17, "0301234", 129, "Zed"});
        if (c.script) {
            c.script(phone);
        }
        WriteSettings(c.settings);
        const testing::CliRun run =
            Run(QStringList{"--device", QString::fromStdString(phone.SlavePath())} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.out, c.out);
        ASSERT_GE(run.err.size(), c.errEnd.size()) << run.err;
        EXPECT_EQ(run.err.substr(run.err.size() - c.errEnd.size()), c.errEnd) << run.err;
        EXPECT_EQ(QFileInfo::exists(CachePath()), c.cacheWritten);
        if (c.cacheWritten) {
            EXPECT_EQ(testing::ReadBytes(CachePath()), c.out);
        }
        if (c.commands != 0) {
            EXPECT_EQ(phone.CommandCount(), c.commands);
        }
    }
}

// The phonebook opens its port through the same path as the send, so it gives the same reason.
TEST_F(CliPhonebookTest, APortThatWillNotOpenIsExplained) {
    WriteSettings("");
    const testing::CliRun run = Run({"--device", "/dev/pixora-none", "--save"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "- Initializing\nCan't talk to COM1.\n\nCOM1 is /dev/pixora-none. /dev/pixora-none "
              "does not exist: is the phone or its cable plugged in?\n");
    EXPECT_FALSE(QFileInfo::exists(CachePath()));
}

TEST_F(CliPhonebookTest, UsageMistakes) {
    const std::vector<QStringList> cases = {
        {"--sim", "--phone"}, {"--device"}, {"--port", "0"}, {"--port", "1", "--device", "/x"},
        {"--timeout", "x"},   {"extra"},    {"--fast"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const testing::CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("Usage: pixora-cli phonebook [--device PATH"), std::string::npos)
            << run.err;
    }
}

}  // namespace
}  // namespace pixora
