// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli send as a script runs it: the built program as a child process with a settings
// folder of its own, talking to the simulated phone on a pseudo-terminal. The 2-second ticks are
// divided through PIXORA_TICK_DIVISOR so that a silent phone gives up in well under a second.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "core/picture.h"
#include "formats/npm_file.h"
#include "sms/submit_pdu.h"
#include "support/fake_phone.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::PhoneBehaviour;

using SendRun = testing::CliRun;

PictureGrid Diagonal() {
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        picture.Set(y * 2, y, 1);
    }
    picture.Set(71, 0, 1);
    return picture;
}

class CliSendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        if (!phone.Ok()) {
            GTEST_SKIP() << "no pseudo-terminal available";
        }
        QFile file(dir_.filePath("in.npm"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = WritePictureMessageFile(Diagonal(), U"Hi there", "", 0.0);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    QString Input() const { return dir_.filePath("in.npm"); }
    QString Device() const { return QString::fromStdString(phone.SlavePath()); }
    QString IniPath() const { return dir_.filePath("config/Brellow/Brellow.ini"); }

    void WriteSettings(const std::string& lines) {
        QDir().mkpath(QFileInfo(IniPath()).path());
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.data(), static_cast<qint64>(lines.size()));
    }
    std::string Setting(const QString& key) const {
        return QSettings(IniPath(), QSettings::IniFormat)
            .value(key, "<absent>")
            .toString()
            .toStdString();
    }

    // Runs the program; `whileRunning` is called now and then with its process id until it ends.
    SendRun RunSend(const QStringList& args, int divisor = 20,
                    const std::function<void(qint64 pid)>& whileRunning = {}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        env.insert("PIXORA_TICK_DIVISOR", QString::number(divisor));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(PIXORA_CLI_PATH, QStringList{"send"} + args);
        if (!process.waitForStarted(10000)) {
            SendRun run;
            run.err = "<did not start>";
            return run;
        }
        return testing::FinishCliRun(process, whileRunning);
    }

    QTemporaryDir dir_;
    FakePhone phone;
};

TEST_F(CliSendTest, SendsTheFileEndToEnd) {
    WriteSettings("[Settings]\nSMSC=12345678901\n\n[Zorvet Settings]\nConcatCount=41\n");
    const SendRun run = RunSend({Input(), "--to", "+44 (1234) 5678", "--device", Device()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Data sent.\n");
    EXPECT_EQ(run.err, "0%\n5%\n20%\n40%\n50%\n60%\n70%\n80%\n90%\n100%\n");
    // Exactly what the editor would have sent with reference 41.
    PictureMessageRequest request;
    request.picture = Diagonal();
    request.text = U"Hi there";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 41;
    const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
    const std::vector<std::string> accepted = phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);
    for (size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(accepted[n] + std::string(1, CtrlZ), pdus.segments[n].line) << n;
    }
    EXPECT_EQ(Setting("Zorvet Settings/ConcatCount"), "42");
    EXPECT_EQ(Setting("Zorvet Settings/StatsSend"), "1");
    // The number typed on the command line is not remembered as the editor's last one.
    EXPECT_EQ(Setting("Zorvet Settings/LastDA"), "<absent>");
}

struct FailCase {
    const char* name;
    std::string settings;
    QStringList args;  // after the input; "DEVICE" stands for the phone's path
    std::function<void(FakePhone&)> script;
    std::string message;
    bool referenceTaken;
};

TEST_F(CliSendTest, FailuresPrintTheEditorsMessage) {
    const std::string configured = "[Settings]\nSMSC=12345678901\n";
    const FailCase cases[] = {
        {"silent phone",
         configured,
         {"--to", "4412345678", "--device", "DEVICE"},
         [](FakePhone& p) { p.SetDefaultBehaviour(PhoneBehaviour::Silent); },
         "Error while talking to COM1.\n",
         true},
        {"refused by the message centre",
         configured,
         {"--to", "4412345678", "--device", "DEVICE"},
         [](FakePhone& p) { p.Script("PDU", PhoneBehaviour::CmsError, -1, 38); },
         "Can't send SMS (1/3).\nError: Network out of order (38).\n"
         "Maybe wrong number or wrong SMS-Center.\nDid you enter all numbers with intl. prefix?\n",
         true},
        // The port number names the device through the editor's COM mapping.
        {"port number from the command line",
         configured + "COMDevice4=/dev/pixora-none\n",
         {"--to", "4412345678", "--port", "4"},
         {},
         "Can't talk to COM4.\n\nCOM4 is /dev/pixora-none. /dev/pixora-none does not exist: is the "
         "phone or its cable plugged in?\n",
         true},
        {"port that cannot be opened",
         configured,
         {"--to", "4412345678", "--device", "/dev/pixora-none"},
         {},
         "Can't talk to COM1.\n\nCOM1 is /dev/pixora-none. /dev/pixora-none does not exist: is the "
         "phone or its cable plugged in?\n",
         true},
        {"no message centre",
         "[Settings]\nCOMPort=1\n",
         {"--to", "4412345678"},
         {},
         "Please configure your Message Center Number\nin menu 'Edit/Options'\n",
         false},
        {"no port",
         configured,
         {"--to", "4412345678"},
         {},
         "Please configure the Nokia GSM Serial Port\nin menu 'Edit/Options'\n",
         false},
        {"national number",
         configured,
         {"--to", "0171 234", "--device", "DEVICE"},
         {},
         "Please enter a valid number with\nthe international country-code\n\nIt could look like ",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePhone scripted;
        ASSERT_TRUE(scripted.Ok());
        if (c.script) {
            c.script(scripted);
        }
        WriteSettings(c.settings);
        QStringList args{Input()};
        for (const QString& a : c.args) {
            args << (a == "DEVICE" ? QString::fromStdString(scripted.SlavePath()) : a);
        }
        const SendRun run = RunSend(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        ASSERT_GE(run.err.size(), c.message.size()) << run.err;
        if (std::string(c.name) == "national number") {
            EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
            EXPECT_NE(run.err.find("171...\n"), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err.substr(run.err.size() - c.message.size()), c.message) << run.err;
        }
        EXPECT_EQ(Setting("Zorvet Settings/StatsSend"), "<absent>");
        EXPECT_EQ(Setting("Zorvet Settings/ConcatCount"), c.referenceTaken ? "1" : "<absent>");
    }
}

TEST_F(CliSendTest, MessageCentreFromTheCommandLine) {
    WriteSettings("[Settings]\nCOMPort=0\n");
    const SendRun run =
        RunSend({Input(), "--to", "4412345678", "--device", Device(), "--smsc", "+49 171 0760000"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> accepted = phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);
    EXPECT_EQ(accepted[0].substr(0, 16), SmscAddressField("491710760000"));
}

struct CancelCase {
    const char* name;
    int signal;  // 0: --timeout instead
    const char* message;
};

TEST_F(CliSendTest, SignalsAndTimeoutCancelLikeTheCancelButton) {
    const CancelCase cases[] = {
        {"interrupt", SIGINT, "Can't initiate sending (1/3).\n"},
        {"terminate", SIGTERM, "Can't initiate sending (1/3).\n"},
        {"timeout", 0, "Can't initiate sending (1/3).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePhone scripted;
        ASSERT_TRUE(scripted.Ok());
        // The announcement is never answered: the send waits for the prompt.
        scripted.Script("AT+CMGS=*", PhoneBehaviour::Silent);
        WriteSettings("[Settings]\nSMSC=12345678901\n");
        QStringList args{Input(), "--to", "4412345678", "--device",
                         QString::fromStdString(scripted.SlavePath())};
        if (c.signal == 0) {
            args << "--timeout"
                 << "1";
        }
        bool signalled = false;
        // Divisor 8: quarter-second ticks. The announcement goes out at 0.75 s and is re-sent
        // until 2.25 s; the cancel (after 1 s, or as soon as the announcement is out) falls
        // inside that wait.
        const SendRun run = RunSend(args, 8, [&](qint64 pid) {
            if (c.signal != 0 && !signalled && scripted.CommandCount() >= 4) {
                ::kill(static_cast<pid_t>(pid), c.signal);
                signalled = true;
            }
        });
        EXPECT_EQ(run.exitCode, 1) << run.err;
        ASSERT_GE(run.err.size(), std::string(c.message).size()) << run.err;
        EXPECT_EQ(run.err.substr(run.err.size() - std::string(c.message).size()), c.message)
            << run.err;
        EXPECT_EQ(run.err.find("100%"), std::string::npos);
        EXPECT_EQ(Setting("Zorvet Settings/StatsSend"), "<absent>");
    }
}

TEST_F(CliSendTest, UsageMistakes) {
    WriteSettings("[Settings]\nSMSC=1\n");
    const std::vector<QStringList> cases = {
        {},
        {Input()},
        {"--to", "4412345678"},
        {Input(), "--to"},
        {Input(), "--to", "1", "--port", "x"},
        {Input(), "--to", "1", "--port", "1", "--device", "/dev/null"},
        {Input(), "--to", "1", "--timeout", "0"},
        {Input(), "--to", "1", "--speed", "9"},
        {Input(), Input(), "--to", "1"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const SendRun run = RunSend(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("Usage: pixora-cli send INPUT --to DIGITS"), std::string::npos)
            << run.err;
        EXPECT_EQ(phone.CommandCount(), 0u);
    }
}

}  // namespace
}  // namespace pixora
