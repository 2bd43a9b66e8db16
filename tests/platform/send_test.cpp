// SPDX-License-Identifier: GPL-2.0-or-later
// A picture-message send through the real serial link and its timer, against the simulated phone
// on a pseudo-terminal: the whole road to "Data sent.", what the phone received (read back by
// libGammu where its Python binding is installed), and every way the send can fail.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "core/text.h"
#include "phone/send.h"
#include "platform/serial_link.h"
#include "platform/test_application.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"
#include "support/python_peer.h"
#include "web/usage_counters.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::FakeUserInterface;
using testing::PhoneBehaviour;
// The send as the editor wires it: the serial phone, CountUsage for the counter, and a record of
// what the progress form was told.
class SerialSendTest : public ::testing::Test {
protected:
    SerialSendTest() {
        testing::EnsureTestApplication();
        WriteInt(settings, keys::COMPort, 1);
        WriteText(settings, keys::LastDA, "4412345678");
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

    PictureSend::Callbacks Callbacks() {
        return {.myUpdateSending = [this](int p) { progress.push_back(p); },
                .setTitle = [this](const std::string& t) { titles.push_back(t); },
                .finished = [this](bool sent) { outcomes.push_back(sent); },
                .countUsage = [this](int which) { CountUsage(settings, which); }};
    }

    // Sends the picture and waits for the end; false when it did not come.
    bool SendAndWait(PictureSend& send, const PictureGrid& picture, std::u32string_view text,
                     const std::function<void()>& whileWaiting = {}) {
        outcomes.clear();
        send.mySendSMS(picture, text, "12345678901");
        return QTest::qWaitFor(
            [&] {
                if (whileWaiting) {
                    whileWaiting();
                }
                return !outcomes.empty();
            },
            20000);
    }

    FakePhone phone;
    MemorySettingsStore settings;
    FakeUserInterface ui;
    SerialPhone serial{settings, ui};
    std::vector<int> progress;
    std::vector<std::string> titles;
    std::vector<bool> outcomes;
};

// Reads the accepted PDU lines as one linked picture message; prints text= and rows= lines.
constexpr const char* kDecoder = R"PY(
import binascii, sys
import gammu
lines = [l.strip() for l in open(sys.argv[1]) if l.strip()]
parts = [gammu.DecodePDU(binascii.unhexlify(l), SMSC=True) for l in lines]
linked = gammu.LinkSMS([[p] for p in parts])
print('linked=%d' % len(linked))
print('number=' + parts[0]['Number'])
multi = gammu.DecodeSMS(linked[0])
for e in (multi or {}).get('Entries', []):
    for b in e['Bitmap'] or []:
        sys.stdout.buffer.write(('text=' + b['Text'] + '\n').encode('utf-8'))
        rows = [r.decode() for r in b['XPM'][3:]]
        print('rows=' + ''.join('1' if c == '#' else '0' for r in rows for c in r))
)PY";

bool GammuAvailable() {
    return testing::PythonModuleAvailable("gammu");
}

std::map<std::string, std::string> DecodeWithGammu(const std::vector<std::string>& lines) {
    std::map<std::string, std::string> result;
    std::istringstream stream(testing::RunPythonOverLines(kDecoder, lines));
    std::string line;
    while (std::getline(stream, line)) {
        const size_t eq = line.find('=');
        result[eq == std::string::npos ? "noise" : line.substr(0, eq)] +=
            eq == std::string::npos ? line + "\n" : line.substr(eq + 1);
    }
    return result;
}

TEST_F(SerialSendTest, WholeSendReachesThePhone) {
    PictureGrid picture;
    for (int y = 0; y < PictureHeight; ++y) {
        picture.Set((y * 3) % PictureWidth, y, 1);
    }
    picture.Set(71, 27, 1);
    // ASCII only: libGammu reads the text item of a picture message as far as the first letter
    // outside ASCII.
    const std::u32string text = U"Greetings, 72x28!";
    PictureSend send(serial.Engine(), settings, Callbacks());
    ASSERT_TRUE(SendAndWait(send, picture, text));
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_EQ(ui.LastText(), "Data sent.");
    EXPECT_EQ(progress, (std::vector<int>{0, 5, 20, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(titles, (std::vector<std::string>{"Sending ...", "Sending (1/3) ...",
                                                "Sending (2/3) ...", "Sending (3/3) ..."}));
    EXPECT_EQ(ReadInt(settings, keys::StatsSend), 1);
    EXPECT_EQ(ReadInt(settings, keys::ConcatCount), 1);
    EXPECT_FALSE(serial.Link().IsOpen());
    const std::vector<std::string> commands = phone.Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(commands.begin(), commands.begin() + 3),
              (std::vector<std::string>{"AT", "ATZ", "AT+CMGF=0"}));
    const std::vector<std::string> accepted = phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);

    if (!GammuAvailable()) {
        GTEST_SKIP() << "python3-gammu not installed; the PDUs were not decoded";
    }
    const auto decoded = DecodeWithGammu(accepted);
    ASSERT_TRUE(decoded.count("rows")) << (decoded.count("noise") ? decoded.at("noise") : "");
    EXPECT_EQ(decoded.at("linked"), "1");
    EXPECT_EQ(decoded.at("number"), "+4412345678");
    EXPECT_EQ(decoded.at("text"), "Greetings, 72x28!");
    std::string rows;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            rows += picture.IsSet(x, y) ? '1' : '0';
        }
    }
    EXPECT_EQ(decoded.at("rows"), rows);
}

// The network takes 30 s for each acknowledgement, far longer than the retries would allow if
// they counted: the send waits on the echoed line and each line reaches the phone once.
TEST_F(SerialSendTest, SlowAcknowledgementSendsEachLineOnce) {
    // 30 s at the test's speed-up of 20.
    phone.SetReplyDelay("PDU", std::chrono::milliseconds(1500));
    PictureSend send(serial.Engine(), settings, Callbacks());
    ASSERT_TRUE(SendAndWait(send, PictureGrid(), U"slow"));
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_EQ(ui.LastText(), "Data sent.");
    const std::vector<std::string> commands = phone.Commands();
    EXPECT_EQ(commands.size(), 9u);
    const std::vector<std::string> accepted = phone.AcceptedPdus();
    ASSERT_EQ(accepted.size(), 3u);
    for (const std::string& line : accepted) {
        EXPECT_EQ(std::count(commands.begin(), commands.end(), line), 1);
    }
    EXPECT_EQ(phone.AnnouncedLengths().size(), 3u);
}

struct FailureCase {
    const char* name;
    std::function<void(FakePhone&, MemorySettingsStore&)> script;
    // Cancel once the phone has received this many commands (0: never).
    size_t cancelAfterCommands;
    std::string message;
};

TEST_F(SerialSendTest, EveryFailurePathAgainstTheScriptedPhone) {
    const FailureCase cases[] = {
        {"silent phone",
         [](FakePhone& p, MemorySettingsStore&) { p.SetDefaultBehaviour(PhoneBehaviour::Silent); },
         0, "Error while talking to COM1."},
        {"no PDU mode",
         [](FakePhone& p, MemorySettingsStore&) { p.Script("AT+CMGF=0", PhoneBehaviour::Error); },
         0, "Error while talking to COM1."},
        {"segment 2 refused",
         [](FakePhone& p, MemorySettingsStore&) {
             p.Script("PDU", PhoneBehaviour::Answer, 1);
             p.Script("PDU", PhoneBehaviour::CmsError, -1, 21);
         },
         0,
         "Can't send SMS (2/3).\r\nError: Short message transfer rejected (21).\r\n"
         "The SMS-Center does not allow sending."},
        {"unknown code",
         [](FakePhone& p, MemorySettingsStore&) {
             p.Script("PDU", PhoneBehaviour::CmsError, -1, 500);
         },
         0, "Can't send SMS (1/3).\r\nError: 500"},
        // AT, ATZ, AT+CMGF=0, AT+CMGS, PDU, AT+CMGS: the sixth command waits for its prompt.
        {"cancel waiting for prompt 2",
         [](FakePhone& p, MemorySettingsStore&) {
             p.Script("AT+CMGS=*", PhoneBehaviour::Answer, 1);
             p.Script("AT+CMGS=*", PhoneBehaviour::Silent);
         },
         6, "Can't initiate sending (2/3)."},
        {"port cannot be opened",
         [](FakePhone&, MemorySettingsStore& s) {
             s.Write("Settings", "COMDevice1", "/dev/pixora-no-such-port");
         },
         0,
         "Can't talk to COM1.\r\n\r\nCOM1 is /dev/pixora-no-such-port. /dev/pixora-no-such-port "
         "does not exist: is the phone or its cable plugged in?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePhone scripted;
        ASSERT_TRUE(scripted.Ok());
        settings.Write("Settings", "COMDevice1", scripted.SlavePath());
        c.script(scripted, settings);
        ui.messages.clear();
        progress.clear();
        PictureSend send(serial.Engine(), settings, Callbacks());
        bool cancelled = false;
        ASSERT_TRUE(SendAndWait(send, PictureGrid(), U"x", [&] {
            if (c.cancelAfterCommands != 0 && !cancelled &&
                scripted.CommandCount() >= c.cancelAfterCommands) {
                send.Cancel();
                cancelled = true;
            }
        }));
        EXPECT_EQ(outcomes, std::vector<bool>{false});
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(serial.Link().IsOpen());
        EXPECT_TRUE(scripted.AcceptedPdus().size() < 3);
    }
    EXPECT_EQ(ReadInt(settings, keys::StatsSend), 0);
    EXPECT_EQ(ReadInt(settings, keys::ConcatCount), 6);
}

}  // namespace
}  // namespace pixora
