// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/file_types.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/settings_keys.h"
#include "shell/fake_shell_host.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

const std::string Own = "/usr/bin/pixora";

// The registry as four maps, like the keys of the classes root; a value of "\x01" marks one that
// exists but cannot be read.
class FakeRegistry : public FileTypeRegistry {
public:
    RegistryRead ReadExtensionType(std::string_view extension, std::string& typeName) override {
        return Read(extensions, extension, typeName);
    }
    bool WriteExtensionType(std::string_view extension, std::string_view typeName) override {
        if (readOnly.count(std::string(extension)))
            return false;
        extensions[std::string(extension)] = std::string(typeName);
        ++writes;
        return true;
    }
    bool WriteTypeDescription(std::string_view typeName, std::string_view description) override {
        descriptions[std::string(typeName)] = std::string(description);
        ++writes;
        return true;
    }
    RegistryRead ReadOpenCommand(std::string_view typeName, std::string& command) override {
        return Read(commands, typeName, command);
    }
    bool WriteOpenCommand(std::string_view typeName, std::string_view command) override {
        commands[std::string(typeName)] = std::string(command);
        ++writes;
        ++commandWrites;
        return true;
    }
    bool WriteIcon(std::string_view typeName, std::string_view icon) override {
        icons[std::string(typeName)] = std::string(icon);
        ++writes;
        return true;
    }

    bool HasInstalledEntry(const std::string& program) override {
        return installed.count(program) != 0;
    }
    std::vector<std::string> RemoveStaleEntries() override {
        ++staleChecks;
        return {};
    }

    std::map<std::string, std::string> extensions, descriptions, commands, icons;
    std::set<std::string> installed{Own};
    int staleChecks = 0;
    std::set<std::string> readOnly;
    int writes = 0;
    int commandWrites = 0;

private:
    static RegistryRead Read(const std::map<std::string, std::string>& map, std::string_view key,
                             std::string& value) {
        auto it = map.find(std::string(key));
        if (it == map.end())
            return RegistryRead::Missing;
        if (it->second == "\x01")
            return RegistryRead::Unreadable;
        value = it->second;
        return RegistryRead::Found;
    }
};

class FileTypesTest : public ::testing::Test {
protected:
    void Start() { RegisterFileTypesAtStartup(registry, store, ui, host, Own); }
    FakeRegistry registry;
    MemorySettingsStore store;
    testing::FakeUserInterface ui;
    testing::FakeShellHost host;
};

TEST_F(FileTypesTest, CleanSystemAsksNothing) {
    Start();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(store.Has(keys::General, "FileTypeWarn"));
    EXPECT_EQ(registry.extensions,
              (std::map<std::string, std::string>{{".npm", "NokiaPictureMessage"},
                                                  {".ngg", "NokiaGroupGraphic"},
                                                  {".nol", "NokiaOperatorLogo"}}));
    EXPECT_EQ(
        registry.descriptions,
        (std::map<std::string, std::string>{{"NokiaPictureMessage", "Nokia Picture Message"}}));
    EXPECT_EQ(registry.commands,
              (std::map<std::string, std::string>{{"NokiaPictureMessage", Own + " %1"}}));
    EXPECT_EQ(registry.icons,
              (std::map<std::string, std::string>{{"NokiaPictureMessage", Own + ",0"}}));
    EXPECT_TRUE(host.busyMarks.empty());
}

TEST_F(FileTypesTest, CopyWithoutInstalledEntryIsOfferedOncePerPath) {
    const std::string build = "/home/u/src/build/pixora";
    const std::string other = "/tmp/unpacked/pixora";
    const struct {
        const std::string& program;
        int answer;  // 0: no question may come
        const char* commandAfter;
    } starts[] = {
        {build, AnswerNo, ""},
        {build, 0, ""},
        {other, AnswerYes, "/tmp/unpacked/pixora %1"},
        {other, 0, "/tmp/unpacked/pixora %1"},
        {build, 0, "/tmp/unpacked/pixora %1"},
        {Own, 0, "/usr/bin/pixora %1"},
    };
    size_t questions = 0;
    for (const auto& start : starts) {
        if (start.answer != 0) {
            ui.answers = {start.answer};
        }
        RegisterFileTypesAtStartup(registry, store, ui, host, start.program);
        ASSERT_EQ(ui.messages.size(), questions + (start.answer != 0)) << start.program;
        if (start.answer != 0) {
            EXPECT_EQ(ui.messages.back().text,
                      std::string(FileTypeQuestion) + "\r\n" + start.program);
            ++questions;
        }
        EXPECT_EQ(registry.commands["NokiaPictureMessage"], start.commandAfter);
    }
    EXPECT_EQ(registry.staleChecks, 6);
    // The secondary formats were never part of it.
    EXPECT_FALSE(store.Has(keys::General, "FileTypeWarn"));
}

TEST_F(FileTypesTest, OneQuestionCoversCopyAndSecondaryFormats) {
    registry.installed.clear();
    registry.extensions[".gms"] = "OtherApp.Document";
    ui.answers = {AnswerYes};
    Start();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(registry.commands["NokiaPictureMessage"], Own + " %1");
    EXPECT_EQ(registry.extensions[".gms"], "NokiaPictureMessage");
    EXPECT_EQ(store.Read(keys::General, "FileTypeWarn"), "0");
}

TEST_F(FileTypesTest, RememberedPathsAreBounded) {
    for (int i = 0; i <= 32; ++i) {
        ui.answers = {AnswerNo};
        RegisterFileTypesAtStartup(registry, store, ui, host, "/build" + std::to_string(i));
    }
    // The oldest path has dropped out and is asked again; the newest is not.
    ui.answers = {AnswerNo};
    RegisterFileTypesAtStartup(registry, store, ui, host, "/build0");
    RegisterFileTypesAtStartup(registry, store, ui, host, "/build32");
    EXPECT_EQ(ui.messages.size(), 34u);
}

TEST_F(FileTypesTest, InstalledSiblingsGetTheirCommands) {
    store.Write(keys::Tamsel, "Application", "/opt/tamsel");
    store.Write(keys::Vornik, "Application", "/opt/vornik-gone");
    host.files.insert("/opt/tamsel");
    Start();
    EXPECT_EQ(registry.commands["NokiaGroupGraphic"], "/opt/tamsel %1");
    EXPECT_EQ(registry.icons["NokiaGroupGraphic"], "/opt/tamsel,0");
    EXPECT_EQ(registry.descriptions["NokiaGroupGraphic"], "Nokia Group Graphic");
    EXPECT_EQ(registry.commands.count("NokiaOperatorLogo"), 0u);
    EXPECT_EQ(registry.extensions[".nol"], "NokiaOperatorLogo");
}

TEST_F(FileTypesTest, TakenSecondaryTypeAsksAndNoAsksAgain) {
    registry.extensions[".gms"] = "OtherApp.Document";
    ui.answers = {AnswerNo};
    Start();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Some Nokia logo filetypes are not associated with the correct application.\r\n\r\n"
              "Would you like to associate them now?");
    EXPECT_EQ(ui.messages[0].title, "Pixora");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(registry.extensions[".gms"], "OtherApp.Document");
    EXPECT_EQ(store.Read(keys::General, "FileTypeWarn"), "1");
    EXPECT_EQ(host.busyMarks, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.focused, 1);

    ui.answers = {AnswerYes};
    Start();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(store.Read(keys::General, "FileTypeWarn"), "0");
    for (const char* extension : {".nlm", ".nsl", ".otb", ".ngl", ".i61"}) {
        EXPECT_EQ(registry.extensions[extension], "NokiaGroupGraphic") << extension;
    }
    EXPECT_EQ(registry.extensions[".gms"], "NokiaPictureMessage");
    EXPECT_EQ(registry.commands.count("NokiaGroupGraphic"), 0u);

    registry.extensions[".gms"] = "OtherApp.Document";
    Start();  // no answer planned: a question would fail here
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(registry.extensions[".gms"], "NokiaPictureMessage");
}

TEST_F(FileTypesTest, OnlyTheFiveTestedExtensionsTriggerTheQuestion) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {".ngl", "Other", false},
        {".nlm", "Other", true},
        {".i61", "Other", true},
        {".gms", "NokiaGroupGraphic", true},
        {".otb", "NokiaGroupGraphic", false},
        {".nsl", "\x01", false},
    };
    for (const auto& [extension, type, asks] : cases) {
        FakeRegistry registry;
        MemorySettingsStore store;
        testing::FakeUserInterface ui;
        testing::FakeShellHost host;
        registry.extensions[extension] = type;
        if (asks)
            ui.answers = {AnswerNo};
        RegisterFileTypesAtStartup(registry, store, ui, host, Own);
        EXPECT_EQ(ui.messages.size(), asks ? 1u : 0u) << extension;
    }
}

TEST_F(FileTypesTest, ValuesOtherThanOneRepairSilently) {
    for (const char* value : {"0", "2", "junk"}) {
        FakeRegistry registry;
        MemorySettingsStore store;
        testing::FakeUserInterface ui;
        testing::FakeShellHost host;
        store.Write(keys::General, "FileTypeWarn", value);
        registry.extensions[".otb"] = "Other";
        // "junk" reads as the default 1 and asks like a first start would.
        const bool asks = std::string(value) == "junk";
        if (asks)
            ui.answers = {AnswerNo};
        RegisterFileTypesAtStartup(registry, store, ui, host, Own);
        EXPECT_EQ(ui.messages.size(), asks ? 1u : 0u) << value;
        EXPECT_EQ(registry.extensions[".otb"], asks ? "Other" : "NokiaGroupGraphic") << value;
    }
}

TEST_F(FileTypesTest, SameProgramInOtherCaseKeepsItsCommand) {
    registry.extensions[".npm"] = "NokiaPictureMessage";
    registry.commands["NokiaPictureMessage"] = "/USR/BIN/PIXORA %1";
    registry.icons["NokiaPictureMessage"] = "stale";
    Start();
    EXPECT_EQ(registry.commands["NokiaPictureMessage"], "/USR/BIN/PIXORA %1");
    EXPECT_EQ(registry.commandWrites, 0);
    EXPECT_EQ(registry.icons["NokiaPictureMessage"], Own + ",0");
}

TEST(RegisterFileTypeTest, ExistingExtensionCases) {
    struct Case {
        const char* extensionBefore;  // nullptr = missing
        const char* commandBefore;
        std::string extensionAfter;
        std::string commandAfter;
        std::string descriptionAfter;
        int beeps;
    };
    const std::string ours = "/bin/p %1";
    const Case cases[] = {
        {nullptr, nullptr, "T", ours, "D", 0},       {"Other", nullptr, "T", ours, "D", 0},
        {"Other", "/bin/q %1", "T", ours, "", 0},    {"T", "\x01", "T", ours, "", 0},
        {"\x01", nullptr, "\x01", "", "", 0},  // unreadable: left alone
        {"T", "/BIN/P %1", "T", "/BIN/P %1", "", 0},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        testing::FakeUserInterface ui;
        if (c.extensionBefore)
            registry.extensions[".x"] = c.extensionBefore;
        if (c.commandBefore)
            registry.commands["T"] = c.commandBefore;
        RegisterFileType(registry, ui, ".x", "T", true, "D", "/bin/p");
        EXPECT_EQ(registry.extensions[".x"], c.extensionAfter);
        EXPECT_EQ(registry.commands["T"], c.commandAfter);
        EXPECT_EQ(registry.descriptions["T"], c.descriptionAfter);
        EXPECT_EQ(ui.beeps, c.beeps);
    }
}

TEST(RegisterFileTypeTest, UncreatableExtensionBeepsAndStops) {
    FakeRegistry registry;
    testing::FakeUserInterface ui;
    registry.readOnly.insert(".npm");
    RegisterFileType(registry, ui, ".npm", "NokiaPictureMessage", true, "D", "/bin/p");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(registry.writes, 0);
}

TEST(IsFileTypeFreeTest, OnlyAnotherTypeIsTaken) {
    FakeRegistry registry;
    registry.extensions[".a"] = "T";
    registry.extensions[".b"] = "U";
    registry.extensions[".c"] = "\x01";
    registry.extensions[".d"] = "t";
    EXPECT_TRUE(IsFileTypeFree(registry, ".a", "T"));
    EXPECT_FALSE(IsFileTypeFree(registry, ".b", "T"));
    EXPECT_TRUE(IsFileTypeFree(registry, ".c", "T"));
    EXPECT_FALSE(IsFileTypeFree(registry, ".d", "T"));
    EXPECT_TRUE(IsFileTypeFree(registry, ".missing", "T"));
}

}  // namespace
}  // namespace pixora
