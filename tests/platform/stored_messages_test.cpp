// SPDX-License-Identifier: GPL-2.0-or-later
// The stored-message read through the real serial link and timer, against the simulated phone:
// both memories listed with echo on, the phone memory's listing refused once.
#include "phone/stored_messages.h"

#include <gtest/gtest.h>

#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "platform/serial_link.h"
#include "platform/test_application.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::FakeUserInterface;
using testing::PhoneBehaviour;

TEST(SerialStoredMessagesTest, BothMemoriesOverTheSerialPort) {
    testing::EnsureTestApplication();
    FakePhone phone;
    if (!phone.Ok()) {
        GTEST_SKIP() << "no pseudo-terminal available";
    }
    MemorySettingsStore settings;
    WriteInt(settings, keys::COMPort, 1);
    settings.Write("Settings", "COMDevice1", phone.SlavePath());
    FakeUserInterface ui;
    SerialPhone serial{settings, ui};
    serial.Timer().SetSpeedUp(10);

    const std::string pdu = "07911326040000F0040B911326880736F400009930925161958003C16010";
    phone.Messages().Add("SM", {3, 0, pdu});
    phone.Messages().Add("SM", {5, 1, "0001000000"});
    phone.Messages().Add("ME", {1, 1, "0001000000"});
    phone.Messages().SplitPdus(16);
    const struct {
        const char* name;
        bool refuseListing;
        std::vector<std::string> rows;
        size_t errors;
    } cases[] = {
        {"both memories", false, {"SM3", "SM5", "ME1"}, 0},
        {"phone memory's listing refused", true, {"SM3", "SM5"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        if (c.refuseListing) {
            phone.Script("AT+CMGL=4", PhoneBehaviour::Answer, 1);
            phone.Script("AT+CMGL=4", PhoneBehaviour::CmsError, 1, 321);
        }
        std::optional<bool> outcome;
        StoredMessagesRead read(serial.Engine(), settings,
                                {.myShowLabel = {}, .finished = [&](bool ok) { outcome = ok; }});
        read.ReadStoredMessages();
        (void)QTest::qWaitFor([&] { return outcome.has_value(); }, 30000);
        ASSERT_EQ(outcome, std::optional<bool>(true));
        std::vector<std::string> rows;
        for (const StoredMessage& m : read.Messages()) {
            rows.push_back(m.memory + std::to_string(m.index));
        }
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(read.Messages().front().pdu, pdu);
        EXPECT_EQ(ui.messages.size(), c.errors);
        EXPECT_EQ(read.Failures().size(), c.errors);
    }
    // Listing marked the unread message read; nothing was deleted.
    EXPECT_EQ(phone.Messages().Status("SM", 3), 1);
    EXPECT_TRUE(phone.DeleteCommands().empty());
    for (const std::string& command : phone.Commands()) {
        EXPECT_NE(command.rfind("AT+CMGD", 0), 0u) << command;
    }
}

}  // namespace
}  // namespace pixora
