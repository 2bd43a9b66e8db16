// SPDX-License-Identifier: GPL-2.0-or-later
// Stored messages: the AT+CMGL=4 reply parser from a table of odd listings, and the read tick by
// tick against a scripted phone holding messages in its SIM and phone memory.
#include "phone/stored_messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "scripted_link.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakeUserInterface;
using testing::MessageMemories;
using testing::ScriptedLink;

// A deliver of three user-data octets behind a seven-octet message centre: 8 + 22 octets.
const std::string kPdu =
    "07911326040000F0040B911326880736F4000099309251619580"
    "03C16010";
const std::string kShortPdu = "0001000000";  // no message centre, four TPDU octets

std::vector<std::string> Rows(const std::vector<StoredMessage>& messages) {
    std::vector<std::string> rows;
    for (const StoredMessage& m : messages) {
        rows.push_back(m.memory + "|" + std::to_string(m.index) + "|" +
                       std::to_string(static_cast<int>(m.status)) + "|" + m.alpha + "|" +
                       std::to_string(m.length) + "|" + m.pdu);
    }
    return rows;
}

struct ListingCase {
    const char* name;
    std::string reply;
    std::vector<std::string> rows;
};

TEST(StoredMessagesParseTest, Listings) {
    const std::string first = "|22|" + kPdu;
    const ListingCase cases[] = {
        {"empty memory", "\r\nOK\r\n", {}},
        {"echo, two entries, OK",
         "AT+CMGL=4\r\r\n+CMGL: 1,0,,22\r\n" + kPdu + "\r\n+CMGL: 12,3,\"Bob, x\",4\r\n" +
             kShortPdu + "\r\n\r\nOK\r\n",
         {"SM|1|0|" + first, "SM|12|3|Bob, x|4|" + kShortPdu}},
        {"PDU over three lines with blank lines",
         "+CMGL: 2,1,,22\r\n" + kPdu.substr(0, 5) + "\r\n\r\n" + kPdu.substr(5, 30) + "\n\n" +
             kPdu.substr(35) + "\r\nOK\r\n",
         {"SM|2|1|" + first}},
        {"lower-case hex and blanks",
         "+CMGL: 3 , 1 , , 4 \r\n 0001000000 \r\n",
         {"SM|3|1||4|0001000000"}},
        {"no OK yet, last PDU complete",
         "+CMGL: 1,1,,4\r\n" + kShortPdu,
         {"SM|1|1||4|" + kShortPdu}},
        // Damage drops the entry it hits, the rest is read.
        {"PDU cut by the next header",
         "+CMGL: 1,1,,22\r\n" + kPdu.substr(0, 20) + "\r\n+CMGL: 2,1,,4\r\n" + kShortPdu + "\r\n",
         {"SM|2|1||4|" + kShortPdu}},
        {"PDU cut by the end", "+CMGL: 1,1,,22\r\n" + kPdu.substr(0, 20), {}},
        {"PDU not hex",
         "+CMGL: 1,1,,4\r\n00010G0000\r\n+CMGL: 2,1,,4\r\n" + kShortPdu,
         {"SM|2|1||4|" + kShortPdu}},
        {"status out of range", "+CMGL: 1,4,,4\r\n" + kShortPdu, {}},
        {"length zero", "+CMGL: 1,1,,0\r\n00\r\n", {}},
        {"length too big", "+CMGL: 1,1,,999\r\n" + kShortPdu, {}},
        {"index not a number", "+CMGL: x,1,,4\r\n" + kShortPdu, {}},
        {"too few fields", "+CMGL: 1,1,4\r\n" + kShortPdu, {}},
        {"unclosed alpha", "+CMGL: 1,1,\"Bob,4\r\n" + kShortPdu, {}},
        {"message centre too long", "+CMGL: 1,1,,4\r\nFF01000000\r\n", {}},
        {"PDU before any header", kShortPdu + "\r\nOK\r\n", {}},
        {"text-mode listing", "+CMGL: 1,\"REC READ\",\"+4912\",,\"99/01/01\"\r\nhello\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<StoredMessage> messages;
        EXPECT_EQ(ParseMessageListing(c.reply, SimMessageMemory, messages), c.rows.size());
        EXPECT_EQ(Rows(messages), c.rows);
    }
}

TEST(StoredMessagesParseTest, ListingStopsAtCapacity) {
    std::string reply;
    for (size_t i = 0; i < StoredMessageCapacity + 5; ++i) {
        reply += "+CMGL: " + std::to_string(i % 1000) + ",1,,4\r\n" + kShortPdu + "\r\n";
    }
    std::vector<StoredMessage> messages;
    EXPECT_EQ(ParseMessageListing(reply, PhoneMessageMemory, messages), StoredMessageCapacity);
    EXPECT_EQ(ParseMessageListing(reply, PhoneMessageMemory, messages), 0u);
}

struct ReadCase {
    const char* name;
    std::function<void(MessageMemories&)> setUp;
    bool echo;
    std::vector<std::string> rows;
    std::vector<std::string> errors;
    const char* refused;  // the memories the phone refuses
    bool read;
};

TEST(StoredMessagesReadTest, PhoneBehaviours) {
    const std::string sim = "SM|1|1||22|" + kPdu;
    const std::string simUnread = "SM|4|0|Ann|4|" + kShortPdu;
    const std::string phone = "ME|7|1||4|" + kShortPdu;
    const auto stocked = [](MessageMemories& m) {
        m.Add("SM", {1, 1, kPdu});
        m.Add("SM", {4, 0, kShortPdu, "Ann"});
        m.Add("ME", {7, 1, kShortPdu});
    };
    const ReadCase cases[] = {
        {"both memories", stocked, false, {sim, simUnread, phone}, {}, "", true},
        {"echo on", stocked, true, {sim, simUnread, phone}, {}, "", true},
        {"SIM empty",
         [](MessageMemories& m) {
             m.Add("ME", {7, 1, kShortPdu});
         },
         false,
         {phone},
         {},
         "",
         true},
        {"PDUs split over lines",
         [&](MessageMemories& m) {
             stocked(m);
             m.SplitPdus(7);
         },
         true,
         {sim, simUnread, phone},
         {},
         "",
         true},
        {"phone memory refused",
         [&](MessageMemories& m) {
             stocked(m);
             m.Refuse("ME", 322);
         },
         false,
         {sim, simUnread},
         {"Can't set message-read to phone-memory.\r\nPhone says that memory is full (322).\r\n"
          "Either it really is or you should try to get a firmware upgrade."},
         "ME",
         true},
        {"both refused",
         [](MessageMemories& m) {
             m.Refuse("SM", 310);
             m.Refuse("ME", 302);
         },
         false,
         {},
         {"Can't set message-read to SIM-memory.\r\n310",
          "Can't set message-read to phone-memory.\r\n302"},
         "SMME",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLink link;
        FakeUserInterface ui;
        AtEngine engine(link, ui);
        MemorySettingsStore settings;
        WriteInt(settings, keys::COMPort, 2);
        MessageMemories memories;
        c.setUp(memories);
        bool pduMode = false;
        link.responder = [&](const std::string& written) {
            const std::string command = written.substr(0, written.size() - 1);
            std::string reply = c.echo ? written : "";
            if (command == "AT+CMGF=0") {
                pduMode = true;
                return reply + "\r\nOK\r\n";
            }
            const std::string answer = memories.Answer(command, pduMode);
            return reply + (answer.empty() ? "\r\nOK\r\n" : answer);
        };
        std::vector<std::string> labels;
        std::vector<bool> ends;
        StoredMessagesRead read(engine, settings,
                                {.myShowLabel = [&](const std::string& l) { labels.push_back(l); },
                                 .finished = [&](bool ok) { ends.push_back(ok); }});
        read.ReadStoredMessages();
        EXPECT_GT(testing::TicksUntilDone(engine, link), 0);
        EXPECT_EQ(ends, std::vector<bool>{c.read});
        EXPECT_EQ(Rows(read.Messages()), c.rows);
        std::vector<std::string> shown;
        for (const auto& m : ui.messages) {
            shown.push_back(m.text);
        }
        EXPECT_EQ(shown, c.errors);
        EXPECT_EQ(read.Failures().size(), c.errors.size());
        // A refused memory is not listed; nothing is ever deleted.
        std::vector<std::string> writes = {"AT\r", "AT+CMGF=0\r"};
        for (std::string memory : {"SM", "ME"}) {
            writes.push_back("AT+CPMS=\"" + memory + "\"\r");
            if (std::string(c.refused).find(memory) == std::string::npos) {
                writes.push_back("AT+CMGL=4\r");
            }
        }
        EXPECT_EQ(link.writes, writes);
        EXPECT_TRUE(memories.DeleteCommands().empty());
        EXPECT_EQ(labels, (std::vector<std::string>{"- Initializing", "- Reading from SIM",
                                                    "- Reading from Phone"}));
    }
}

}  // namespace
}  // namespace pixora
