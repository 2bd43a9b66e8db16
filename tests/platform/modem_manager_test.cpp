// SPDX-License-Identifier: GPL-2.0-or-later
// ModemManager over D-Bus, against a stand-in service on a private bus that the test starts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>
#include <optional>
#include <string>

#include "core/settings.h"
#include "platform/dbus_modem_manager.h"
#include "platform/serial_link.h"
#include "platform/test_application.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::FakeUserInterface;

// A private dbus-daemon and, on demand, the stand-in service on it.
class PrivateBus {
public:
    PrivateBus() {
        testing::EnsureTestApplication();
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty() || !dir_.isValid()) {
            problem_ = "no dbus-daemon";
            return;
        }
        QProcess probe;
        probe.start(PIXORA_DBUS_PYTHON, {"-c", "import dbus, dbus.mainloop.glib, gi"});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) {
            problem_ = "no python3-dbus";
            return;
        }
        QFile config(dir_.filePath("bus.conf"));
        config.open(QIODevice::WriteOnly);
        QTextStream(&config) << "<busconfig><type>session</type><listen>unix:dir=" << dir_.path()
                             << "</listen><policy context=\"default\"><allow send_destination=\"*\""
                                "/><allow receive_sender=\"*\"/><allow own=\"*\"/></policy>"
                                "</busconfig>";
        config.close();
        daemon_.start(daemon,
                      {"--config-file=" + config.fileName(), "--print-address", "--nofork"});
        if (!daemon_.waitForReadyRead(10000)) {
            problem_ = "dbus-daemon did not start";
            return;
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (QProcess* process : {&service_, &daemon_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }
    const QString& Problem() const { return problem_; }
    const QString& Address() const { return address_; }
    QString LogPath() const { return dir_.filePath("calls.log"); }

    bool StartModemManager(const QString& uid, const QString& ports) {
        service_.start(PIXORA_DBUS_PYTHON, {PIXORA_DBUS_STANDIN, address_, LogPath(), uid, ports});
        return service_.waitForReadyRead(15000) && service_.readLine().trimmed() == "ready";
    }
    QStringList Calls() const {
        QFile log(LogPath());
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QProcess service_;
    QString address_;
    QString problem_;
};

constexpr const char* kUid = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";

TEST(ModemManagerTest, NoBusAndNoServiceMeanNoModem) {
    testing::EnsureTestApplication();
    DBusModemManager nowhere("unix:path=/nonexistent/pixora-bus");
    EXPECT_EQ(nowhere.ManagingModem("/dev/ttyUSB0"), std::nullopt);
    EXPECT_FALSE(nowhere.Inhibit(kUid));
    nowhere.Release(kUid);

    PrivateBus bus;
    if (!bus.Problem().isEmpty()) {
        GTEST_SKIP() << bus.Problem().toStdString();
    }
    // The bus is there, the service is not: nothing is asked, nothing is started.
    DBusModemManager idle(bus.Address());
    EXPECT_EQ(idle.ManagingModem("/dev/ttyUSB0"), std::nullopt);
    EXPECT_FALSE(idle.Inhibit(kUid));
}

TEST(ModemManagerTest, FindsTheModemByPortAndInhibitsItForTheConversation) {
    PrivateBus bus;
    if (!bus.Problem().isEmpty()) {
        GTEST_SKIP() << bus.Problem().toStdString();
    }
    FakePhone phone;
    ASSERT_TRUE(phone.Ok());
    const QString ptyName = QFileInfo(QString::fromStdString(phone.SlavePath())).fileName();
    ASSERT_TRUE(bus.StartModemManager(kUid, "cdc-wdm0,ttyUSB3," + ptyName));

    DBusModemManager modemManager(bus.Address());
    EXPECT_EQ(modemManager.ManagingModem("/dev/ttyUSB3"), kUid);
    EXPECT_EQ(modemManager.ManagingModem("/dev/ttyUSB0"), std::nullopt);

    MemorySettingsStore settings;
    settings.Write("Settings", "COMDevice1", phone.SlavePath());
    FakeUserInterface ui;
    auto link = std::make_unique<QtSerialLink>(settings, ui);
    link->SetModemManager(&modemManager);

    // Declined: the port is opened as it is, ModemManager keeps the modem.
    ui.answers = {AnswerNo};
    ASSERT_TRUE(link->Open(1, "19200,n,8,1"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "ModemManager manages " + phone.SlavePath() +
                                       " and talks to the phone there itself.\r\n\r\nLet Pixora "
                                       "have the port while it talks to the phone?");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    link->Close();
    EXPECT_TRUE(bus.Calls().isEmpty());

    // Accepted: inhibited for the conversation, released when the port closes, once.
    const QString inhibit = QString("InhibitDevice %1 True").arg(kUid);
    const QString release = QString("InhibitDevice %1 False").arg(kUid);
    ui.answers = {AnswerYes};
    ASSERT_TRUE(link->Open(1, "19200,n,8,1"));
    EXPECT_EQ(bus.Calls(), QStringList({inhibit}));
    link->Close();
    link->Close();
    EXPECT_EQ(bus.Calls(), QStringList({inhibit, release}));

    // A program that ends in the middle of a conversation gives the modem back too.
    ui.answers = {AnswerYes};
    ASSERT_TRUE(link->Open(1, "19200,n,8,1"));
    link.reset();
    EXPECT_EQ(bus.Calls(), QStringList({inhibit, release, inhibit, release}));
}

}  // namespace
}  // namespace pixora
