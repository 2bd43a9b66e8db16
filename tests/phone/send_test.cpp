// SPDX-License-Identifier: GPL-2.0-or-later
// The picture-message send, tick by tick against a scripted phone: every way it can end, the
// progress the form sees, and the message-centre error texts.
#include "phone/send.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "phone/cms_errors.h"
#include "scripted_link.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakeUserInterface;
using testing::ScriptedLink;

struct CmsCase {
    const char* reply;
    const char* code;
    const char* explanation;
};

TEST(CmsErrorTest, ExplanationTable) {
    const CmsCase cases[] = {
        {"\r\n+CMS ERROR: 322\r\n", "322",
         "Phone says that memory is full (322).\r\n"
         "Either it really is or you should try to get a firmware upgrade."},
        {"\r\n+CMS ERROR: 301\r\n", "301",
         "Something else uses SMS in phone right now (301).\r\n"
         "Please wait or reset phone, then try again."},
        {"\r\n+CMS ERROR: 111\r\n", "111",
         "Phone reports unspecified protocol error (111).\r\nPlease wait a moment and try again."},
        {"\r\n+CMS ERROR: 166\r\n", "166",
         "Phone reports unspecified command error (166).\r\nPlease wait a moment and try again."},
        {"\r\n+CMS ERROR: 38\r\n", "38",
         "Network out of order (38).\r\nMaybe wrong number or wrong SMS-Center.\r\n"
         "Did you enter all numbers with intl. prefix?"},
        {"\r\n+CMS ERROR: 21\r\n", "21",
         "Short message transfer rejected (21).\r\nThe SMS-Center does not allow sending."},
        {"+CMS ERROR: 28\r\n", "28",
         "Unidentified subscriber (28).\r\nMaybe wrong number or wrong SMS-Center.\r\n"
         "Did you enter all numbers with intl. prefix?"},
        // Codes we have no words for are read out as they are; replies without a report.
        {"\r\n+CMS ERROR: 500\r\n", "500", "500"},
        {"\r\n+CMS ERROR: 2\r\n", "2", "2"},
        {"\r\nOK\r\n", "", ""},
        {"", "", ""},
        // The last character of the reply is left out, whatever it is: here a digit.
        {"+CMS ERROR: 211", "21",
         "Short message transfer rejected (21).\r\nThe SMS-Center does not allow sending."},
        {"CMS ERROR: ", "", ""},
        // Digits after the report are part of the code.
        {"+CMS ERROR: 21\r\n+CMGS: 4\r\n", "214", "214"},
        {"echo\r\n+CMS ERROR: x3x8\r\n", "38",
         "Network out of order (38).\r\nMaybe wrong number or wrong SMS-Center.\r\n"
         "Did you enter all numbers with intl. prefix?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(CmsErrorCode(c.reply), c.code);
        EXPECT_EQ(ExplainCmsError(c.reply), c.explanation);
    }
}

TEST(SendChecksTest, SetupProblemsAndTitles) {
    EXPECT_EQ(SendSetupProblem("", 0),
              "Please configure your Message Center Number\r\nin menu 'Edit/Options'");
    EXPECT_EQ(SendSetupProblem("", 2),
              "Please configure your Message Center Number\r\nin menu 'Edit/Options'");
    EXPECT_EQ(SendSetupProblem("4917", 0),
              "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'");
    EXPECT_EQ(SendSetupProblem("4917", 1), "");
    EXPECT_EQ(SendingSegmentTitle(40), "Sending (1/3) ...");
    EXPECT_EQ(SendingSegmentTitle(60), "Sending (2/3) ...");
    EXPECT_EQ(SendingSegmentTitle(80), "Sending (3/3) ...");
    for (int marker : {0, 5, 20, 50, 70, 90, 100}) {
        EXPECT_EQ(SendingSegmentTitle(marker), "") << marker;
    }
    EXPECT_EQ(CmsErrorMessage("Can't send SMS (1/3).", "\r\n+CMS ERROR: 21\r\n"),
              "Can't send SMS (1/3).\r\nError: Short message transfer rejected (21).\r\n"
              "The SMS-Center does not allow sending.");
}

// A phone that answers like a handset with echo off, and can be told to misbehave on the n-th
// command it receives that starts with a prefix.
struct PhoneScript {
    std::string prefix;  // "" = never
    int occurrence = 1;  // 1 = the first such command, 0 = every one
    std::string answer;  // what it says instead
};

std::function<std::string(const std::string&)> Handset(std::vector<PhoneScript> scripts) {
    auto seen = std::make_shared<std::map<std::string, int>>();
    return [scripts = std::move(scripts), seen](const std::string& command) -> std::string {
        for (const PhoneScript& s : scripts) {
            if (s.prefix.empty() || command.rfind(s.prefix, 0) != 0) {
                continue;
            }
            const int n = ++(*seen)[s.prefix];
            if (s.occurrence == 0 || n == s.occurrence) {
                return s.answer;
            }
        }
        if (command.rfind("AT+CMGS=", 0) == 0) {
            return "\r\n> ";
        }
        if (!command.empty() && command.back() == CtrlZ) {
            return "\r\n+CMGS: 7\r\n\r\nOK\r\n";
        }
        return "\r\nOK\r\n";
    };
}

class SendTest : public ::testing::Test {
protected:
    SendTest()
        : engine(link, ui),
          send(engine, settings,
               {.myUpdateSending = [this](int p) { progress.push_back(p); },
                .setTitle = [this](const std::string& t) { titles.push_back(t); },
                .finished = [this](bool sent) { outcomes.push_back(sent); },
                .countUsage = [this](int which) { counted.push_back(which); }}) {
        WriteInt(settings, keys::COMPort, 3);
        WriteText(settings, keys::LastDA, "4412345678");
    }

    void Start() {
        PictureGrid picture;
        picture.Set(0, 0, 1);
        send.mySendSMS(picture, U"Hi", "12345678901");
    }

    int TicksUntilDone(const std::function<void(int tick)>& beforeTick = {}) {
        return testing::TicksUntilDone(engine, link, beforeTick);
    }

    ScriptedLink link;
    FakeUserInterface ui;
    MemorySettingsStore settings;
    AtEngine engine;
    PictureSend send;
    std::vector<int> progress;
    std::vector<std::string> titles;
    std::vector<bool> outcomes;
    std::vector<int> counted;
};

TEST_F(SendTest, CompleteSendReportsEveryStep) {
    link.responder = Handset({});
    Start();
    EXPECT_EQ(link.openedPort, 3);
    EXPECT_EQ(link.openedSettings, "19200,n,8,1");
    EXPECT_EQ(TicksUntilDone(), 9);
    EXPECT_EQ(progress, (std::vector<int>{0, 5, 20, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(titles, (std::vector<std::string>{"Sending ...", "Sending (1/3) ...",
                                                "Sending (2/3) ...", "Sending (3/3) ..."}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Data sent.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_EQ(counted, std::vector<int>{0});
    EXPECT_FALSE(link.IsOpen());

    // The same PDUs as the SMS layer builds for this reference, announced with their lengths.
    WriteInt(settings, keys::ConcatCount, 0);
    PictureGrid picture;
    picture.Set(0, 0, 1);
    const PictureMessagePdus pdus = BuildSend(settings, picture, U"Hi", "12345678901");
    std::vector<std::string> expected = {"AT\r", "ATZ\r", "AT+CMGF=0\r"};
    for (const SubmitSegment& segment : pdus.segments) {
        expected.push_back("AT+CMGS=" + std::to_string(segment.length) + "\r");
        expected.push_back(segment.line);
    }
    EXPECT_EQ(link.writes, expected);
    EXPECT_EQ(link.writes[3], "AT+CMGS=153\r");
}

struct FailureCase {
    const char* name;
    std::vector<PhoneScript> scripts;
    bool silent;
    bool openFails;
    int cancelBeforeTick;  // 0: never
    const char* message;
    int ticks;
};

TEST_F(SendTest, EveryFailureEndsWithItsMessage) {
    const std::string cms21 =
        "Can't send SMS (2/3).\r\nError: Short message transfer rejected (21).\r\n"
        "The SMS-Center does not allow sending.";
    const FailureCase cases[] = {
        // Five re-sends, the sixth tick gives up: 12 seconds of silence.
        {"silent phone", {}, true, false, 0, "Error while talking to COM3.", 6},
        // The ERROR stays in the buffer, so the re-sends cannot help, and the message is the
        // time-out's, not the step's.
        {"no PDU mode",
         {{"AT+CMGF=0", 1, "\r\nERROR\r\n"}},
         false,
         false,
         0,
         "Error while talking to COM3.",
         8},
        {"refused on segment 2",
         {{"0791", 2, "\r\n+CMS ERROR: 21\r\n"}},
         false,
         false,
         0,
         cms21.c_str(),
         7},
        {"unknown refusal code",
         {{"0791", 1, "\r\n+CMS ERROR: 500\r\n"}},
         false,
         false,
         0,
         "Can't send SMS (1/3).\r\nError: 500",
         5},
        {"refusal of the announcement",
         {{"AT+CMGS=", 3, "\r\n+CMS ERROR: 322\r\n"}},
         false,
         false,
         0,
         "Can't initiate sending (3/3).\r\nError: Phone says that memory is full (322).\r\n"
         "Either it really is or you should try to get a firmware upgrade.",
         8},
        // A plain OK is no prompt: re-sent until the retries run out.
        {"OK instead of the prompt",
         {{"AT+CMGS=", 0, "\r\nOK\r\n"}},
         false,
         false,
         0,
         "Error while talking to COM3.",
         9},
        // Step 5 is the announcement of segment 2; it was written on tick 5.
        {"cancel waiting for prompt 2",
         {{"AT+CMGS=", 2, ""}},
         false,
         false,
         6,
         "Can't initiate sending (2/3).",
         6},
        {"cancel on the first step", {}, true, false, 1, "Can't talk to COM3.", 1},
        {"cancel after ATZ", {}, false, false, 3, "Can't set params.", 3},
        {"port cannot be opened", {}, false, true, 0, "Can't talk to COM3.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        ui.beeps = 0;
        progress.clear();
        outcomes.clear();
        counted.clear();
        link.writes.clear();
        link.pending.clear();
        link.openSucceeds = !c.openFails;
        link.responder = c.silent ? nullptr : Handset(c.scripts);
        Start();
        const int ticks = TicksUntilDone([&](int tick) {
            if (tick == c.cancelBeforeTick) {
                send.Cancel();
            }
        });
        EXPECT_EQ(ticks, c.ticks);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(outcomes, std::vector<bool>{false});
        EXPECT_TRUE(counted.empty());
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(ui.beeps, c.openFails ? 1 : 0);
        EXPECT_EQ(std::find(progress.begin(), progress.end(), 100), progress.end());
    }
    // Every send took its reference, the failed ones too.
    EXPECT_EQ(ReadInt(settings, keys::ConcatCount), 10);
}

struct SlowNetworkCase {
    const char* name;
    bool echo;     // the phone echoes the message line
    int ackAfter;  // ticks of 2 s from the line's write to "+CMGS"; 0: never
    const char* message;
    int ticks;
};

// However long the network takes, each message line goes to the phone once; without an echo
// the retries are counted all the same, so a dead line fails at the usual time.
TEST_F(SendTest, EachMessageLineIsWrittenOnce) {
    const SlowNetworkCase cases[] = {
        {"ack after 30 s", true, 15, "Data sent.", 3 + 3 * 16},
        {"ack after 4 s without echo", false, 2, "Data sent.", 3 + 3 * 3},
        {"no ack, no echo", false, 0, "Error while talking to COM3.", 10},
        {"echo, then no ack", true, 0, nullptr, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        link.writes.clear();
        int now = 0;
        std::vector<int> acksDue;
        auto handset = Handset({});
        link.responder = [&](const std::string& command) -> std::string {
            if (command.back() != CtrlZ) {
                return handset(command);
            }
            if (c.ackAfter > 0) {
                acksDue.push_back(now + c.ackAfter);
            }
            return c.echo ? command.substr(0, command.size() - 1) : std::string();
        };
        Start();
        const int ticks = TicksUntilDone([&](int tick) {
            now = tick;
            if (std::count(acksDue.begin(), acksDue.end(), tick) > 0) {
                engine.Received("\r\n+CMGS: 7\r\n\r\nOK\r\n");
            }
        });
        EXPECT_EQ(ticks, c.ticks);
        for (size_t line : {4u, 6u, 8u}) {
            if (line < link.writes.size()) {
                EXPECT_EQ(std::count(link.writes.begin(), link.writes.end(), link.writes[line]), 1)
                    << line;
            }
        }
        if (c.message == nullptr) {
            EXPECT_TRUE(ui.messages.empty());
            send.Cancel();
            engine.Tick();
            EXPECT_FALSE(engine.Running());
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, c.message);
        }
    }
}

TEST_F(SendTest, ExplicitDestinationLeavesLastNumberAlone) {
    link.responder = Handset({});
    WriteInt(settings, keys::ConcatCount, 255);
    PictureGrid picture;
    send.mySendSMSTo(7, "4915112345", picture, U"", "12345678901");
    EXPECT_EQ(link.openedPort, 7);
    EXPECT_EQ(TicksUntilDone(), 9);
    EXPECT_EQ(ReadText(settings, keys::LastDA), "4412345678");
    EXPECT_EQ(ReadInt(settings, keys::ConcatCount), 0);
    // Destination field of 10 digits: 0A 91 then swapped BCD, in every segment; reference FF.
    ASSERT_EQ(link.writes.size(), 9u);
    for (size_t line : {4u, 6u, 8u}) {
        EXPECT_NE(link.writes[line].find("0A91945111325400F5A7"), std::string::npos) << line;
        EXPECT_NE(link.writes[line].find("0B0504158A00000003FF03"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace pixora
