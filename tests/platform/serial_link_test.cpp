// SPDX-License-Identifier: GPL-2.0-or-later
// The engine through the real QSerialPort link, against a simulated phone on a pseudo-terminal.
#include "platform/serial_link.h"
#include "platform/test_application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "phone/port_test.h"
#include "sms/submit_pdu.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::FakeUserInterface;
using testing::PhoneBehaviour;
TEST(SerialPortOrderTest, UsbAcmBluetoothFirstThenNames) {
    const QStringList ordered = OrderSerialPorts({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/rfcomm0",
                                                  "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB2",
                                                  "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyAMA0"});
    EXPECT_EQ(ordered, QStringList({"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/rfcomm0",
                                    "/dev/ttyAMA0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                                    "/dev/ttyS10"}));
}

TEST(SerialPortOrderTest, PinnedDeviceWinsAndNoPortIsEmpty) {
    MemorySettingsStore settings;
    settings.Write("Settings", "COMDevice3", "/dev/pixora-phone");
    EXPECT_EQ(SerialDeviceForPort(settings, 3), "/dev/pixora-phone");
    EXPECT_EQ(SerialDeviceForPort(settings, 0), "");
    EXPECT_EQ(SerialDeviceForPort(settings, -2), "");
    // Far more ports than any machine reports.
    EXPECT_EQ(SerialDeviceForPort(settings, 9999), "");
    const QStringList system = SystemSerialPorts();
    if (!system.isEmpty()) {
        EXPECT_EQ(SerialDeviceForPort(settings, 1), system.front());
    }
}

struct LineCase {
    const char* text;
    bool ok;
    qint32 baud;
    QSerialPort::Parity parity;
    QSerialPort::StopBits stop;
};

TEST(LineSettingsTest, Table) {
    const LineCase cases[] = {
        {"19200,n,8,1", true, 19200, QSerialPort::NoParity, QSerialPort::OneStop},
        {"9600,E,7,2", true, 9600, QSerialPort::EvenParity, QSerialPort::TwoStop},
        {"19200,n,8", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
        {"fast,n,8,1", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
        {"19200,x,8,1", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
        {"19200,n,9,1", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
        {"19200,n,8,3", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
        {"", false, 0, QSerialPort::NoParity, QSerialPort::OneStop},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LineSettings line;
        ASSERT_EQ(ParseLineSettings(c.text, line), c.ok);
        if (c.ok) {
            EXPECT_EQ(line.baudRate, c.baud);
            EXPECT_EQ(line.parity, c.parity);
            EXPECT_EQ(line.stopBits, c.stop);
        }
    }
}

// A conversation that records its end, with the sending rules unless told otherwise.
class Recorder : public Conversation {
public:
    explicit Recorder(ConversationRules rules = {5, 2000, true, true}) : rules_(rules) {}
    ConversationRules Rules() const override { return rules_; }
    int StepCount() const override { return static_cast<int>(steps.size()); }
    Step BuildStep(int index) const override { return steps.at(static_cast<size_t>(index)); }
    bool IsFatalReply(Reply state) const override { return state == Reply::CmsError; }
    void OnFinished(Exchange&) override { end = "finished"; }
    void OnTimedOut(Exchange&) override { end = "timed out"; }
    void OnOpenFailed(Exchange&) override { end = "open failed"; }
    void OnFatalReply(Exchange& exchange) override { end = "fatal: " + exchange.ReplyBuffer(); }
    void OnCancelled(Exchange&, bool) override { end = "cancelled"; }
    std::vector<Step> steps;
    std::string end;

private:
    ConversationRules rules_;
};

class SerialLinkTest : public ::testing::Test {
protected:
    SerialLinkTest() {
        testing::EnsureTestApplication();
        if (phone.Ok()) {
            settings.Write("Settings", "COMDevice1", phone.SlavePath());
        }
        serial.Timer().SetSpeedUp(20);
    }
    void SetUp() override {
        if (!phone.Ok()) {
            GTEST_SKIP() << "no pseudo-terminal available";
        }
    }

    AtEngine& Engine() { return serial.Engine(); }
    bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
        return QTest::qWaitFor(condition, ms);
    }

    FakePhone phone;
    MemorySettingsStore settings;
    FakeUserInterface ui;
    SerialPhone serial{settings, ui};
};

struct PortTestCase {
    const char* name;
    std::function<void(FakePhone&, MemorySettingsStore&)> setUp;
    int code;
};

TEST_F(SerialLinkTest, PortTestReachesEveryResult) {
    const PortTestCase cases[] = {
        {"nokia", [](FakePhone&, MemorySettingsStore&) {}, test_result::Nokia},
        {"other maker",
         [](FakePhone& p, MemorySettingsStore&) { p.SetIdentification("SIEMENS S45"); },
         test_result::OtherPhone},
        {"silent",
         [](FakePhone& p, MemorySettingsStore&) { p.SetDefaultBehaviour(PhoneBehaviour::Silent); },
         test_result::NoValidReply},
        {"missing device",
         [](FakePhone&, MemorySettingsStore& s) {
             s.Write("Settings", "COMDevice1", "/dev/pixora-no-such-port");
         },
         test_result::NotAvailable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp(phone, settings);
        std::vector<int> codes;
        PortTest test(Engine(), [&codes](int code) { codes.push_back(code); });
        test.myTestPort(1);
        ASSERT_TRUE(WaitFor([&] { return !codes.empty(); }));
        EXPECT_EQ(codes, std::vector<int>{c.code});
        EXPECT_FALSE(serial.Link().IsOpen());
    }
    // Only the port that could not be opened is heard.
    EXPECT_EQ(ui.beeps, 1);
}

struct SmscCase {
    const char* name;
    const char* csca;  // nullptr: the phone holds none
    int code;
    const char* stored;
};

TEST_F(SerialLinkTest, MessageCentreReadEndToEnd) {
    const SmscCase cases[] = {
        {"international", "\"+12345678901\",145", smsc_result::International, "12345678901"},
        {"national", "\"0171760000\",129", smsc_result::NoCountryCode, "0171760000"},
        {"empty", "\"\",145", smsc_result::NoNumber, ""},
        {"none", nullptr, smsc_result::NotRead, "unchanged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.csca) {
            phone.SetCsca(c.csca);
        } else {
            phone.ClearCsca();
        }
        settings.Write("Settings", "SMSC", "unchanged");
        std::vector<int> codes;
        SmscRead read(Engine(), settings, [&codes](int code) { codes.push_back(code); });
        read.myReadSMSC(1);
        ASSERT_TRUE(WaitFor([&] { return !codes.empty(); }));
        EXPECT_EQ(codes, std::vector<int>{c.code});
        EXPECT_EQ(ReadText(settings, keys::SMSC), c.stored);
    }
    const auto commands = phone.Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(commands.begin(), commands.begin() + 3),
              (std::vector<std::string>{"AT", "AT+CRES=1", "AT+CSCA?"}));
}

TEST_F(SerialLinkTest, SilentPhoneFailsOnTheSixthTick) {
    phone.SetDefaultBehaviour(PhoneBehaviour::Silent);
    // Ticks by hand: no timer is running in this test.
    QtSerialLink link(settings, ui);
    AtEngine engine(link, ui);
    link.Attach(engine);
    engine.SetPortNumber(1);
    Recorder recorder;
    recorder.steps = {{"AT\r", Reply::Ok, 0, "Can't talk to COM1."}};
    ASSERT_TRUE(engine.Start(recorder));
    int ticks = 0;
    while (engine.Running() && ticks < 20) {
        ASSERT_TRUE(
            WaitFor([&] { return phone.CommandCount() == static_cast<size_t>(ticks + 1); }));
        engine.Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(recorder.end, "timed out");
    EXPECT_EQ(phone.Commands(), std::vector<std::string>(6, "AT"));
}

// The steps of a picture-message send, with the real PDUs.
void QueueSend(Recorder& recorder, const PictureMessagePdus& pdus, std::array<int, 3> announced) {
    recorder.steps = {{"AT\r", Reply::Ok, 0, ""},
                      {"ATZ\r", Reply::Ok, 5, ""},
                      {"AT+CMGF=0\r", Reply::Ok, 20, ""}};
    for (size_t n = 0; n < 3; ++n) {
        recorder.steps.push_back(
            {"AT+CMGS=" + std::to_string(announced[n]) + "\r", Reply::Prompt, 0, ""});
        recorder.steps.push_back({pdus.segments[n].line, Reply::Ok, 0, ""});
    }
}

PictureMessagePdus ExamplePdus() {
    PictureMessageRequest request;
    request.picture.Set(0, 0, 1);
    request.text = U"Hi";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    return BuildPictureMessagePdus(request);
}

TEST_F(SerialLinkTest, PhoneAcceptsThePdusWithTheirAnnouncedLengths) {
    const PictureMessagePdus pdus = ExamplePdus();
    Engine().SetPortNumber(1);
    Recorder recorder;
    QueueSend(recorder, pdus,
              {pdus.segments[0].length, pdus.segments[1].length, pdus.segments[2].length});
    ASSERT_TRUE(Engine().Start(recorder));
    ASSERT_TRUE(WaitFor([&] { return !recorder.end.empty(); }));
    EXPECT_EQ(recorder.end, "finished");
    EXPECT_EQ(phone.AnnouncedLengths(), (std::vector<int>{153, 153, 34}));
    const auto accepted = phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);
    for (size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(accepted[n] + "\x1A", pdus.segments[n].line);
    }
}

TEST_F(SerialLinkTest, WrongLengthIsRefusedByThePhone) {
    const PictureMessagePdus pdus = ExamplePdus();
    Engine().SetPortNumber(1);
    Recorder recorder;
    QueueSend(recorder, pdus, {pdus.segments[0].length + 1, 153, 34});
    ASSERT_TRUE(Engine().Start(recorder));
    ASSERT_TRUE(WaitFor([&] { return !recorder.end.empty(); }));
    EXPECT_NE(recorder.end.find("fatal"), std::string::npos) << recorder.end;
    EXPECT_NE(recorder.end.find("+CMS ERROR: 304\r\n"), std::string::npos) << recorder.end;
    EXPECT_TRUE(phone.AcceptedPdus().empty());
}

struct ScriptCase {
    const char* name;
    const char* pattern;
    PhoneBehaviour behaviour;
    int cms;
    const char* end;
};

TEST_F(SerialLinkTest, ScriptedMisbehaviour) {
    const ScriptCase cases[] = {
        // An error reply stays in the buffer, so the re-sends cannot recover.
        {"no PDU mode", "AT+CMGF=0", PhoneBehaviour::Error, 0, "timed out"},
        {"refused by the network", "PDU", PhoneBehaviour::CmsError, 21,
         "fatal: \r\n+CMS ERROR: 21\r\n"},
        {"no prompt", "AT+CMGS=*", PhoneBehaviour::Silent, 0, "timed out"},
        // An echo is the start of a reply: waited for until the user cancels.
        {"echo only", "AT+CMGS=*", PhoneBehaviour::EchoOnly, 0, "cancelled"},
    };
    const PictureMessagePdus pdus = ExamplePdus();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePhone scripted;
        ASSERT_TRUE(scripted.Ok());
        scripted.SetEcho(false);
        scripted.Script(c.pattern, c.behaviour, -1, c.cms);
        settings.Write("Settings", "COMDevice1", scripted.SlavePath());
        Engine().SetPortNumber(1);
        Recorder recorder;
        QueueSend(recorder, pdus, {153, 153, 34});
        ASSERT_TRUE(Engine().Start(recorder));
        if (std::string(c.end) == "cancelled") {
            // Half a minute at the speed-up of 20 without an end, then the user's Cancel.
            EXPECT_FALSE(WaitFor([&] { return !recorder.end.empty(); }, 1500));
            Engine().SetBreak(true);
        }
        ASSERT_TRUE(WaitFor([&] { return !recorder.end.empty(); }, 20000));
        EXPECT_EQ(recorder.end, c.end);
    }
}

TEST_F(SerialLinkTest, UnpluggedPhoneEndsTheConversation) {
    // The phone echoes and then says nothing more: without the unplug this would wait.
    phone.Script("AT", PhoneBehaviour::EchoOnly);
    Engine().SetPortNumber(1);
    Recorder recorder;
    recorder.steps = {{"AT\r", Reply::Ok, 0, ""}};
    ASSERT_TRUE(Engine().Start(recorder));
    ASSERT_TRUE(WaitFor([&] { return Engine().ReplyState() == Reply::Arriving; }));
    phone.Unplug();
    ASSERT_TRUE(WaitFor([&] { return !recorder.end.empty(); }, 2000));
    EXPECT_EQ(recorder.end, "timed out");
    EXPECT_FALSE(serial.Link().IsOpen());
    EXPECT_GE(ui.beeps, 1);
}

TEST_F(SerialLinkTest, LinkWritesAndReceivesRawBytes) {
    QtSerialLink link(settings, ui);
    std::string received;
    link.SetReceiver([&received](std::string_view bytes) { received.append(bytes); });
    EXPECT_FALSE(link.Write("AT\r"));  // not open yet
    ASSERT_TRUE(link.Open(1, "19200,n,8,1"));
    EXPECT_EQ(link.DeviceName(), QString::fromStdString(phone.SlavePath()));
    EXPECT_FALSE(QtSerialLink(settings, ui).Open(1, "19200,n,8"));
    ASSERT_TRUE(link.Write("ATI\r"));
    ASSERT_TRUE(WaitFor([&] { return received.find("OK\r\n") != std::string::npos; }));
    EXPECT_EQ(received, "ATI\r\r\nNokia 6310i\r\n\r\nOK\r\n");
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(SerialLinkTest, PhonebookAnswersAsAHandsetDoes) {
    phone.SetEcho(false);
    phone.SetIndexRange("SM", 1, 250);
    phone.AddEntry("SM", {3, "+4912345", 145, "Bob, office"});
    phone.AddEntry("SM", {300, "+1", 145, "out of range"});
    phone.AddEntry("ME", {1, "0301234", 129, "Home"});
    QtSerialLink link(settings, ui);
    std::string received;
    link.SetReceiver([&received](std::string_view bytes) { received.append(bytes); });
    ASSERT_TRUE(link.Open(1, "19200,n,8,1"));
    const auto ask = [&](const std::string& command) {
        received.clear();
        EXPECT_TRUE(link.Write(command + "\r"));
        EXPECT_TRUE(WaitFor([&] {
            return received.find("OK\r\n") != std::string::npos ||
                   received.find("ERROR\r\n") != std::string::npos;
        }));
        return received;
    };
    EXPECT_EQ(ask("AT+CPBS=\"SM\""), "\r\nOK\r\n");
    const std::string range = ask("AT+CPBR=?");
    EXPECT_EQ(range, "\r\n+CPBR: (1-250),40,18\r\n\r\nOK\r\n");
    EXPECT_EQ(ClassifyReply(range, true), Reply::Range);
    EXPECT_EQ(ask("AT+CPBR=1,250"), "\r\n+CPBR: 3,\"+4912345\",145,\"Bob, office\"\r\n\r\nOK\r\n");
    EXPECT_EQ(ask("AT+CPBS=\"ME\""), "\r\nOK\r\n");
    EXPECT_EQ(ask("AT+CPBR=1,9"), "\r\n+CPBR: 1,\"0301234\",129,\"Home\"\r\n\r\nOK\r\n");
    EXPECT_EQ(ask("AT+CPBR=?"), "\r\nERROR\r\n");   // no range set for this memory
    EXPECT_EQ(ask("AT+CMGS=10"), "\r\nERROR\r\n");  // not in PDU mode yet
}

}  // namespace
}  // namespace pixora
