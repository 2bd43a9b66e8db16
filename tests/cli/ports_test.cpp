// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli ports as a whole process: the COM numbers of the editor, with a pseudo-terminal
// standing in for a phone and a device that is not there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

#include "cli/cli_run.h"
#include "support/fake_phone.h"

namespace pixora {
namespace {

TEST(CliPortsTest, EachPortWithItsDeviceAndWhetherItOpens) {
    testing::FakePhone phone;
    if (!phone.Ok()) {
        GTEST_SKIP() << "no pseudo-terminal available";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath("config/Brellow/Brellow.ini");
    QDir().mkpath(QFileInfo(ini).path());
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("[Settings]\nCOMDevice1=" + phone.SlavePath() + "\nCOMDevice2=/dev/pixora-none\n")
                   .c_str());
    file.close();

    QProcess process;
    process.setProcessEnvironment(testing::HeadlessEnvironment(dir.filePath("config")));
    process.start(PIXORA_CLI_PATH, {"ports"});
    ASSERT_TRUE(process.waitForStarted(10000));
    const testing::CliRun run = testing::FinishCliRun(process);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The simulated phone keeps the terminal open in this process, as a program that holds the
    // port would: that is worth a word.
    const std::string expected = "COM1  " + phone.SlavePath() + "\n      can be opened now; " +
                                 phone.SlavePath() + " is also open in test_cli (process " +
                                 std::to_string(::getpid()) +
                                 "), which may take the phone's answers.\n"
                                 "COM2  /dev/pixora-none\n"
                                 "      cannot be opened: /dev/pixora-none does not exist: is the "
                                 "phone or its cable plugged in?\nCOM3  ";
    EXPECT_EQ(run.out.substr(0, expected.size()), expected);
    for (int port = 3; port <= 8; ++port) {
        EXPECT_NE(run.out.find("\nCOM" + std::to_string(port) + "  "), std::string::npos) << port;
    }
}

}  // namespace
}  // namespace pixora
