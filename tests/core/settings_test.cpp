// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/settings_keys.h"

namespace pixora {
namespace {

TEST(SettingsParsing, BooleansAcceptAnyCaseAndNumbers) {
    struct Case {
        const char* text;
        std::optional<bool> expected;
    } cases[] = {{"True", true}, {"TRUE", true},        {"false", false},   {"FaLsE", false},
                 {"-1", true},   {"1", true},           {"0", false},       {"2.5", true},
                 {" 0 ", false}, {"yes", std::nullopt}, {"", std::nullopt}, {"1x", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSettingBool(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(SettingsParsing, IntegersAndCoordinates) {
    EXPECT_EQ(ParseSettingInt("42"), 42);
    EXPECT_EQ(ParseSettingInt("-3"), -3);
    EXPECT_EQ(ParseSettingInt(" 7 "), 7);
    EXPECT_EQ(ParseSettingInt("+5"), 5);
    EXPECT_EQ(ParseSettingInt("1.5"), std::nullopt);
    EXPECT_EQ(ParseSettingInt("abc"), std::nullopt);
    EXPECT_EQ(ParseSettingInt("99999999999"), std::nullopt);
    EXPECT_EQ(ParseSettingInt(""), std::nullopt);
    EXPECT_EQ(ParseSettingCoordinate("1234.5"), 1234.5);
    EXPECT_EQ(ParseSettingCoordinate("-15"), -15.0);
    EXPECT_EQ(ParseSettingCoordinate("1e3"), std::nullopt);
    EXPECT_EQ(ParseSettingCoordinate("nan"), std::nullopt);
    EXPECT_EQ(ParseSettingCoordinate("12,5"), std::nullopt);
}

TEST(SettingsStore, EmptyStoreGivesTheTableDefaults) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadInt(store, keys::COMPort), 0);
    EXPECT_EQ(ReadText(store, keys::SMSC), "");
    EXPECT_TRUE(ReadBool(store, keys::PBookReadSM));
    EXPECT_TRUE(ReadBool(store, keys::PBookReadME));
    EXPECT_EQ(ReadInt(store, keys::WarnIfEmpty), 1);
    EXPECT_EQ(ReadInt(store, keys::WarnIfNotSaved), 1);
    EXPECT_EQ(ReadInt(store, keys::WarnIfResize), 0);
    EXPECT_EQ(ReadCoordinate(store, keys::Left), 200);
    EXPECT_EQ(ReadCoordinate(store, keys::Top), 300);
    EXPECT_FALSE(ReadBool(store, keys::CurrentBusy));
    EXPECT_EQ(ReadText(store, keys::CurrentAppname), "Pixora");
    // One key, two readers with their own defaults.
    EXPECT_EQ(ReadInt(store, keys::FileTypeWarn), 1);
    EXPECT_EQ(ReadInt(store, keys::FileTypeWarn, 0), 0);
    EXPECT_EQ(ReadText(store, keys::LastDA, "0"), "0");
    // Defaults are not written back.
    EXPECT_TRUE(store.Values().empty());
}

TEST(SettingsStore, UnparsableValuesReadAsTheDefault) {
    MemorySettingsStore store;
    store.Write("Settings", "COMPort", "COM3");
    store.Write("Settings", "PBookReadSM", "maybe");
    store.Write("Zorvet Settings", "Left", "far left");
    EXPECT_EQ(ReadInt(store, keys::COMPort), 0);
    EXPECT_TRUE(ReadBool(store, keys::PBookReadSM));
    EXPECT_EQ(ReadCoordinate(store, keys::Left), 200);
}

TEST(SettingsStore, WritesAndDeletes) {
    MemorySettingsStore store;
    EXPECT_TRUE(WriteBool(store, keys::CurrentBusy, true));
    EXPECT_EQ(store.Read("Zorvet Settings", "CurrentBusy"), "True");
    EXPECT_TRUE(ReadBool(store, keys::CurrentBusy));
    DeleteKey(store, keys::CurrentBusy);
    EXPECT_FALSE(store.Has("Zorvet Settings", "CurrentBusy"));
    // Deleting what is not there is fine.
    DeleteKey(store, keys::CurrentBusy);
    EXPECT_TRUE(WriteInt(store, keys::COMPort, 3));
    EXPECT_EQ(ReadInt(store, keys::COMPort), 3);
}

}  // namespace
}  // namespace pixora
