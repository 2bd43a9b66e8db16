// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/send_to.h"

#include <gtest/gtest.h>

#include "core/settings_keys.h"
#include "shell/fake_shell_host.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

TEST(SendToEntryTest, NeedsASemicolon) {
    struct Case {
        std::string value;
        bool usable;
        std::string caption;
        std::optional<std::pair<std::string, std::string>> target;
    };
    const Case cases[] = {
        {"My Tool;MyTool Settings", true, "Send to &My Tool", {{"My Tool", "MyTool Settings"}}},
        {";Section", true, "Send to &", {{"", "Section"}}},
        {"A;B;C", true, "Send to &A", {{"A", "B;C"}}},
        {"Tool;", true, "Send to &Tool", {{"Tool", ""}}},
        {"No semicolon", false, "Send to ...", std::nullopt},
        {"", false, "Send to ...", std::nullopt},
    };
    for (const auto& c : cases) {
        const SendToEntry entry = ParseSendToEntry(c.value);
        EXPECT_EQ(entry.usable, c.usable) << c.value;
        EXPECT_EQ(entry.caption, c.caption) << c.value;
        EXPECT_EQ(entry.tag, c.usable ? c.value : "");
        const auto target = SplitSendToTag(c.value);
        ASSERT_EQ(target.has_value(), c.target.has_value()) << c.value;
        if (target) {
            EXPECT_EQ(target->displayName, c.target->first);
            EXPECT_EQ(target->section, c.target->second);
        }
    }
}

TEST(SendToEntryTest, LoadsBothSettings) {
    MemorySettingsStore store;
    store.Write(keys::General, "SendToAdd2", "Other;Other Settings");
    const auto entries = LoadSendToEntries(store);
    EXPECT_FALSE(entries[0].usable);
    EXPECT_TRUE(entries[1].usable);
    EXPECT_EQ(entries[1].caption, "Send to &Other");
}

class SendToSiblingTest : public ::testing::Test {
protected:
    void Send(const std::string& section, const std::string& name) {
        SendToSibling(store, ui, host, "/tmp/pixora-1000", counter, section, name);
    }
    MemorySettingsStore store;
    testing::FakeUserInterface ui;
    testing::FakeShellHost host;
    TempFileCounter counter;
};

TEST_F(SendToSiblingTest, StartsTheRegisteredProgramWithTheTemporaryFile) {
    store.Write("MyTool Settings", "Application", "/opt/mytool/mytool");
    host.files.insert("/opt/mytool/mytool");
    counter.Take();
    counter.Take();
    const auto target = SplitSendToTag("My Tool;MyTool Settings");
    Send(target->section, target->displayName);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(host.written, std::vector<std::string>{"/tmp/pixora-1000/PMTMP002.NPM"});
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].first, "/opt/mytool/mytool");
    EXPECT_EQ(host.started[0].second, "/tmp/pixora-1000/PMTMP002.NPM");
    EXPECT_EQ(host.busyMarks, (std::vector<bool>{true, false}));
}

TEST_F(SendToSiblingTest, RefusalsTellTheUserWhy) {
    struct Case {
        const char* application;  // nullptr = not registered
        bool exists;
        const char* busy;
        const char* folder;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, false, nullptr, "/t",
         "Can't find a supported version of Tamsel Editor.\r\n\r\nPlease download and install "
         "the latest version, then try again."},
        {"", true, nullptr, "/t", "Can't find a supported version of Tamsel Editor."},
        {"/opt/tamsel", false, nullptr, "/t", "Can't find a supported version of Tamsel Editor."},
        {"/opt/tamsel", true, "True", "/t",
         "Can't send your image to Tamsel Editor,\r\nIt seems that the application is busy "
         "right now.\r\n\r\nPlease check and then try again."},
        // Without a private folder nothing may land in the current one.
        {"/opt/tamsel", true, nullptr, "", NoTempFolderText},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        testing::FakeUserInterface ui;
        testing::FakeShellHost host;
        TempFileCounter counter;
        if (c.application)
            store.Write(keys::Tamsel, "Application", c.application);
        if (c.exists && c.application)
            host.files.insert(c.application);
        if (c.busy)
            store.Write(keys::Tamsel, "CurrentBusy", c.busy);
        SendToSibling(store, ui, host, c.folder, counter, keys::Tamsel, TamselDisplayName);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text.rfind(c.message, 0), 0u) << ui.messages[0].text;
        EXPECT_EQ(ui.messages[0].title, "Pixora");
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(host.written.empty());
        EXPECT_TRUE(host.started.empty());
        EXPECT_EQ(counter.Peek(), 0);
        EXPECT_EQ(host.busyMarks, (std::vector<bool>{true, false}));
    }
}

TEST_F(SendToSiblingTest, FailedWriteStartsNothing) {
    store.Write(keys::Vornik, "Application", "/opt/vornik");
    host.files.insert("/opt/vornik");
    host.writeSucceeds = false;
    Send(keys::Vornik, VornikDisplayName);
    EXPECT_EQ(host.written.size(), 1u);
    EXPECT_TRUE(host.started.empty());
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace pixora
