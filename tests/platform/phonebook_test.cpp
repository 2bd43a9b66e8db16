// SPDX-License-Identifier: GPL-2.0-or-later
// The phonebook read through the real serial link and timer, against the simulated phone: both
// memories into the cache, a memory bigger than one ordinary reply, and both memories off.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "formats/file_io.h"
#include "phone/phonebook.h"
#include "platform/serial_link.h"
#include "platform/test_application.h"
#include "support/fake_phone.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakePhone;
using testing::FakeUserInterface;
class SerialPhonebookTest : public ::testing::Test {
protected:
    SerialPhonebookTest()
        : dir(std::filesystem::temp_directory_path() /
              ("pixora_serial_phonebook_" + std::to_string(::getpid()))) {
        testing::EnsureTestApplication();
        std::filesystem::create_directories(dir);
        WriteInt(settings, keys::COMPort, 1);
        if (phone.Ok()) {
            settings.Write("Settings", "COMDevice1", phone.SlavePath());
        }
        serial.Timer().SetSpeedUp(10);
    }
    ~SerialPhonebookTest() override { std::filesystem::remove_all(dir); }
    void SetUp() override {
        if (!phone.Ok()) {
            GTEST_SKIP() << "no pseudo-terminal available";
        }
    }

    // Reads and waits for the end; the outcome, or nullopt when none came.
    std::optional<bool> ReadAndWait(PhonebookRead& read) {
        std::optional<bool> outcome;
        finished = [&outcome](bool ok) { outcome = ok; };
        read.myReadPhonebook();
        (void)QTest::qWaitFor([&] { return outcome.has_value(); }, 30000);
        return outcome;
    }

    PhonebookRead MakeRead() {
        return PhonebookRead(serial.Engine(), settings, (dir / "KDXPBOOK.CSV").string(),
                             {.myShowLabel = [this](const std::string& l) { labels.push_back(l); },
                              .finished = [this](bool ok) { finished(ok); }});
    }

    std::filesystem::path dir;
    FakePhone phone;
    MemorySettingsStore settings;
    FakeUserInterface ui;
    SerialPhone serial{settings, ui};
    std::vector<std::string> labels;
    std::function<void(bool)> finished;
};

TEST_F(SerialPhonebookTest, SimAndPhoneEntriesFillTheCache) {
    phone.SetIndexRange("SM", 1, 250);
    phone.SetIndexRange("ME", 1, 500);
    phone.AddEntry("SM", {3, "+4912345", 145, "Bob, office"});
    phone.AddEntry("SM", {1, "+41791234567", 145,
                          "\x8E"
                          "rger \"big\" boss"});
    phone.AddEntry("ME", {17, "0301234", 129, "M\x81ller, J\x94rg"});
    PhonebookRead read = MakeRead();
    ASSERT_EQ(ReadAndWait(read), std::optional<bool>(true));
    EXPECT_EQ(ui.LastText(), "Phonebook read.");
    EXPECT_EQ(labels, (std::vector<std::string>{"- Initializing", "- Reading from SIM",
                                                "- Reading from Phone"}));
    EXPECT_EQ(ReadWholeFile((dir / "KDXPBOOK.CSV").string()),
              "\xC4rger \"big\" boss;+41791234567;A;1;\r\n"
              "Bob, office;+4912345;A;3;\r\n"
              "M\xFCller, J\xF6rg;0301234;B;17;\r\n");
    EXPECT_TRUE(read.PhonebookLoaded());
    const std::vector<std::string> commands = phone.Commands();
    EXPECT_EQ(commands,
              (std::vector<std::string>{"AT", "AT+CPBS=\"SM\"", "AT+CPBR=?", "AT+CPBR=1,250",
                                        "AT+CPBS=\"ME\"", "AT+CPBR=?", "AT+CPBR=1,500"}));
    // What the send dialog's list gets.
    std::vector<std::string> combo;
    for (const PhonebookComboItem& item : myPhonebook2Combo(read.Table())) {
        combo.push_back(item.text + "=" + item.digits);
    }
    EXPECT_EQ(combo, (std::vector<std::string>{"Bob, office=4912345", "Müller, Jörg=0301234",
                                               "Ärger \"big\" boss=41791234567"}));
}

TEST_F(SerialPhonebookTest, MemoryLargerThanAnOrdinaryReply) {
    // About 90 000 characters in one reply: more than the 32 767 a command's reply may hold.
    constexpr int kEntries = 2000;
    phone.SetEcho(false);
    phone.SetIndexRange("ME", 1, kEntries);
    for (int i = 1; i <= kEntries; ++i) {
        phone.AddEntry(
            "ME", {i, "+49301234" + std::to_string(i), 145, "Contact number " + std::to_string(i)});
    }
    WriteBool(settings, keys::PBookReadSM, false);
    PhonebookRead read = MakeRead();
    ASSERT_EQ(ReadAndWait(read), std::optional<bool>(true));
    ASSERT_EQ(read.Table().PhonebookCount(), kEntries);
    EXPECT_EQ(read.Table().Entry(0).name, "Contact number 1");
    EXPECT_EQ(read.Table().Entry(kEntries - 1).number, "+49301234" + std::to_string(kEntries));
}

TEST_F(SerialPhonebookTest, BothMemoriesOffSayOnlyAt) {
    WriteBool(settings, keys::PBookReadSM, false);
    WriteBool(settings, keys::PBookReadME, false);
    PhonebookRead read = MakeRead();
    ASSERT_EQ(ReadAndWait(read), std::optional<bool>(true));
    EXPECT_EQ(phone.Commands(), std::vector<std::string>{"AT"});
    EXPECT_EQ(ReadWholeFile((dir / "KDXPBOOK.CSV").string()), "");
    EXPECT_EQ(ui.LastText(), "Phonebook read.");
}

}  // namespace
}  // namespace pixora
