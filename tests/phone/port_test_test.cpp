// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/port_test.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "scripted_link.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::AnswerTable;
using testing::FakeUserInterface;
using testing::ScriptedLink;

class PhoneConversationTest : public ::testing::Test {
protected:
    PhoneConversationTest()
        : engine(link, ui),
          portTest(engine, [this](int code) { codes.push_back(code); }),
          smscRead(engine, settings, [this](int code) { codes.push_back(code); }) {}

    int TicksUntilDone() { return testing::TicksUntilDone(engine, link, {}, 50); }

    ScriptedLink link;
    FakeUserInterface ui;
    MemorySettingsStore settings;
    AtEngine engine;
    std::vector<int> codes;
    PortTest portTest;
    SmscRead smscRead;
};

struct PortTestCase {
    const char* name;
    std::map<std::string, std::string> answers;
    int code;
    int ticks;
};

TEST_F(PhoneConversationTest, PortTestResults) {
    const PortTestCase cases[] = {
        {"nokia",
         {{"AT\r", "AT\r\r\nOK\r\n"}, {"ATI\r", "ATI\r\r\nNokia 6310i\r\n\r\nOK\r\n"}},
         test_result::Nokia,
         2},
        {"upper-case maker",
         {{"AT\r", "\r\nOK\r\n"}, {"ATI\r", "\r\nNOKIA\r\n\r\nOK\r\n"}},
         test_result::OtherPhone,
         2},
        {"other maker",
         {{"AT\r", "\r\nOK\r\n"}, {"ATI\r", "\r\nSIEMENS\r\n\r\nOK\r\n"}},
         test_result::OtherPhone,
         2},
        {"no identification",
         {{"AT\r", "\r\nOK\r\n"}, {"ATI\r", "\r\nERROR\r\n"}},
         test_result::NoValidReply,
         5},
        {"silent", {}, test_result::NoValidReply, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        codes.clear();
        link.writes.clear();
        link.responder = AnswerTable(c.answers);
        portTest.myTestPort(3);
        EXPECT_EQ(link.openedPort, 3);
        EXPECT_EQ(TicksUntilDone(), c.ticks);
        EXPECT_EQ(codes, std::vector<int>{c.code});
        EXPECT_FALSE(link.IsOpen());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PhoneConversationTest, IdentificationErrorIsResentThreeTimes) {
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"}, {"ATI\r", "\r\nERROR\r\n"}});
    portTest.myTestPort(1);
    TicksUntilDone();
    EXPECT_EQ(link.CountWrites("AT\r"), 1);
    EXPECT_EQ(link.CountWrites("ATI\r"), 4);
}

TEST_F(PhoneConversationTest, PortTestOnAPortThatDoesNotOpen) {
    link.openSucceeds = false;
    portTest.myTestPort(9);
    EXPECT_EQ(codes, std::vector<int>{test_result::NotAvailable});
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(engine.Running());
}

struct SmscCase {
    const char* name;
    std::string reply;
    int code;
    std::optional<std::string> stored;  // nullopt: "SMSC" left alone
};

TEST_F(PhoneConversationTest, MessageCentreReadResults) {
    const SmscCase cases[] = {
        {"international", "\r\n+CSCA: \"+12345678901\",145\r\n\r\nOK\r\n",
         smsc_result::International, "12345678901"},
        {"national", "\r\n+CSCA: \"0171234\",129\r\n\r\nOK\r\n", smsc_result::NoCountryCode,
         "0171234"},
        {"empty number", "\r\n+CSCA: \"\",145\r\n\r\nOK\r\n", smsc_result::NoNumber, ""},
        {"no comma", "\r\n+CSCA: \"+4917\"\r\n\r\nOK\r\n", smsc_result::NoNumber, ""},
        {"no csca line", "\r\nOK\r\n", smsc_result::NotRead, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        codes.clear();
        settings.Delete(keys::SMSC.section, keys::SMSC.key);
        link.responder = AnswerTable(
            {{"AT\r", "\r\nOK\r\n"}, {"AT+CRES=1\r", "\r\nOK\r\n"}, {"AT+CSCA?\r", c.reply}});
        smscRead.myReadSMSC(4);
        EXPECT_EQ(TicksUntilDone(), 3);
        EXPECT_EQ(codes, std::vector<int>{c.code});
        EXPECT_EQ(settings.Read(keys::SMSC.section, keys::SMSC.key), c.stored);
        if (c.stored) {
            EXPECT_EQ(smscRead.SmscNumber(), *c.stored);
        }
    }
}

TEST_F(PhoneConversationTest, MessageCentreReadKeepsTheConfiguredPort) {
    engine.SetPortNumber(2);
    smscRead.myReadSMSC(5);
    EXPECT_EQ(link.openedPort, 5);
    EXPECT_EQ(engine.PortNumber(), 2);
    EXPECT_EQ(TicksUntilDone(), 4);
    EXPECT_EQ(codes, std::vector<int>{smsc_result::NotRead});
    EXPECT_FALSE(settings.Has(keys::SMSC.section, keys::SMSC.key));

    codes.clear();
    link.openSucceeds = false;
    smscRead.myReadSMSC(5);
    EXPECT_EQ(codes, std::vector<int>{smsc_result::NotRead});
}

struct CscaCase {
    const char* reply;
    bool found;
    const char* digits;
    bool international;
};

TEST(ParseCscaReplyTest, Table) {
    const CscaCase cases[] = {
        {"\r\n+CSCA: \"+12345678901\",145\r\n\r\nOK\r\n", true, "12345678901", true},
        {"+CSCA: \"+12345678901\",129\r\n", true, "12345678901", false},
        {"+CSCA: \"\",145", true, "", true},
        {"+CSCA: \"+49 171 0760000\",145", true, "491710760000", true},
        {"+CSCA: 4917", true, "", false},
        {"x,y +CSCA: \"12\",145", true, "12", true},
        {"+csca: \"12\",145", false, "", false},
        {"", false, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        const CscaReply parsed = ParseCscaReply(c.reply);
        EXPECT_EQ(parsed.found, c.found);
        EXPECT_EQ(parsed.digits, c.digits);
        EXPECT_EQ(parsed.international, c.international);
    }
}

TEST(DoneTextTest, PortTestTexts) {
    EXPECT_EQ(TestDoneText(0, 2), "COM2 does not return valid data at the moment.");
    EXPECT_EQ(TestDoneText(1, 2), "COM2 is \"Data Suite compatible\".");
    EXPECT_EQ(TestDoneText(2, 8), "COM8 is probably not \"Data Suite compatible\".");
    EXPECT_EQ(TestDoneText(3, 1), "COM1 is not available or in use.");
    EXPECT_EQ(TestDoneText(4, 1), "");
}

TEST(DoneTextTest, MessageCentreTexts) {
    EXPECT_EQ(ReadSmscDoneText(0), "Could not read Number.");
    EXPECT_EQ(ReadSmscDoneText(1), "Number has been read.");
    EXPECT_EQ(ReadSmscDoneText(2), "Number has been read.");
    EXPECT_EQ(ReadSmscDoneText(3), "Could not find Number.");
    EXPECT_EQ(ReadSmscDoneMessage(1), "");
    EXPECT_EQ(ReadSmscDoneMessage(2),
              "Please add the international country-code\r\nto your Message Center Number");
    EXPECT_EQ(ReadSmscDoneMessage(3).substr(0, 45),
              "Could not find the Message Center Number.\r\n\r\n");
}

}  // namespace
}  // namespace pixora
