// SPDX-License-Identifier: GPL-2.0-or-later
// The facts behind a port that will not open, gathered from a real pseudo-terminal, a child
// process holding it and lock files in a folder of the test's own.
#include "platform/port_probe.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>

#include "platform/test_application.h"
#include "support/fake_phone.h"

namespace pixora {
namespace {

using testing::FakePhone;

TEST(PortProbeTest, FreeMissingHeldAndLocked) {
    testing::EnsureTestApplication();
    FakePhone phone;
    ASSERT_TRUE(phone.Ok());
    QTemporaryDir locks;
    ASSERT_TRUE(locks.isValid());
    ProbeOptions options;
    options.lockFolders = {locks.path().toStdString()};
    MemorySettingsStore settings;
    settings.Write("Settings", "COMDevice1", phone.SlavePath());
    settings.Write("Settings", "COMDevice2", "/nonexistent/ttyUSB9");

    const PortFacts free = ProbePort(settings, 1, nullptr, options);
    EXPECT_EQ(free.port.device, phone.SlavePath());
    EXPECT_TRUE(free.opened);
    EXPECT_TRUE(free.users.empty());
    EXPECT_FALSE(free.groupName.empty());
    EXPECT_EQ(PortProblem(free), "");

    const PortFacts missing = ProbePort(settings, 2, nullptr, options);
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.openErrno, ENOENT);
    EXPECT_EQ(PortFailureReason(missing),
              "COM2 is /nonexistent/ttyUSB9. /nonexistent/ttyUSB9 does not exist: is the phone or "
              "its cable plugged in?");

    // Another program with the device open, and its lock file.
    QProcess holder;
    holder.setStandardInputFile(QString::fromStdString(phone.SlavePath()));
    holder.start("sleep", {"30"});
    ASSERT_TRUE(holder.waitForStarted());
    const std::string lockFile = locks.filePath("LCK..").toStdString() +
                                 phone.SlavePath().substr(phone.SlavePath().rfind('/') + 1);
    std::ofstream(lockFile) << "      " << holder.processId() << "\n";
    const PortFacts held = ProbePort(settings, 1, nullptr, options);
    ASSERT_EQ(held.users.size(), 1u);
    EXPECT_EQ(held.users[0].pid, holder.processId());
    EXPECT_EQ(held.users[0].command, "sleep");
    EXPECT_EQ(held.lockOwner.pid, holder.processId());
    EXPECT_EQ(PortProblem(held), phone.SlavePath() + " is locked by sleep (process " +
                                     std::to_string(holder.processId()) + ").");

    // A lock left behind by a process that has ended binds no one.
    holder.kill();
    holder.waitForFinished();
    const PortFacts stale = ProbePort(settings, 1, nullptr, options);
    EXPECT_EQ(stale.lockOwner.pid, 0);
    EXPECT_TRUE(stale.users.empty());
}

}  // namespace
}  // namespace pixora
