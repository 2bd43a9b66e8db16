// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/hand_off.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings_keys.h"

namespace pixora {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

std::vector<uint8_t> Message(uint32_t tag, uint32_t length, const std::string& data) {
    std::vector<uint8_t> out;
    for (uint32_t field : {tag, length}) {
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(uint8_t(field >> shift));
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

TEST(HandOffTest, EncodesTagLengthPathAndZero) {
    const auto message = EncodeHandOff("/p/a b.npm");
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, Bytes({1, 0, 0, 0, 11, 0, 0, 0, '/', 'p', '/', 'a', ' ', 'b', '.', 'n', 'p',
                               'm', 0}));
}

TEST(HandOffTest, LongPathsTravelWhole) {
    for (size_t size : {254u, 255u, 300u, 4096u, 65535u}) {
        const std::string path = "/" + std::string(size - 1, 'x');
        const auto message = EncodeHandOff(path);
        ASSERT_TRUE(message) << size;
        EXPECT_EQ(message->size(), HandOffHeaderSize + size + 1);
        std::string decoded;
        EXPECT_EQ(DecodeHandOff(*message, decoded), HandOffStatus::Ok) << size;
        EXPECT_EQ(decoded, path);
    }
    EXPECT_FALSE(EncodeHandOff(std::string(65536, 'x')));
    EXPECT_FALSE(EncodeHandOff(""));
    EXPECT_FALSE(EncodeHandOff(std::string("a\0b", 3)));
}

TEST(HandOffTest, MalformedMessagesAreRejected) {
    const std::pair<std::vector<uint8_t>, HandOffStatus> cases[] = {
        {{}, HandOffStatus::TooShort},
        {Bytes({1, 0, 0, 0, 2, 0, 0}), HandOffStatus::TooShort},
        {Message(1, 0, ""), HandOffStatus::TooShort},
        {Message(2, 2, std::string("a\0", 2)), HandOffStatus::WrongTag},
        {Message(0x0100, 2, std::string("a\0", 2)), HandOffStatus::WrongTag},
        {Message(1, 3, std::string("a\0", 2)), HandOffStatus::WrongLength},
        {Message(1, 1, std::string("a\0", 2)), HandOffStatus::WrongLength},
        {Message(1, 0xFFFFFFFF, std::string("a\0", 2)), HandOffStatus::TooLong},
        {Message(1, 65537, std::string("a\0", 2)), HandOffStatus::TooLong},
        {Message(1, 2, "ab"), HandOffStatus::NoTerminator},
        {Message(1, 4, std::string("a\0b\0", 4)), HandOffStatus::EmbeddedZero},
        {Message(1, 1, std::string("\0", 1)), HandOffStatus::EmptyPath},
        {Message(1, 2, std::string("a\0", 2)), HandOffStatus::Ok},
    };
    for (const auto& [message, status] : cases) {
        std::string path = "untouched";
        EXPECT_EQ(DecodeHandOff(message, path), status) << message.size();
        if (status != HandOffStatus::Ok) {
            EXPECT_EQ(path, "untouched");
        } else {
            EXPECT_EQ(path, "a");
        }
    }
}

TEST(HandOffTest, HeaderTellsHowMuchToRead) {
    size_t size = 0;
    EXPECT_EQ(HandOffDataSize(Message(1, 300, ""), size), HandOffStatus::Ok);
    EXPECT_EQ(size, 300u);
    size = 7;
    EXPECT_EQ(HandOffDataSize(Message(1, 1u << 31, ""), size), HandOffStatus::TooLong);
    EXPECT_EQ(size, 7u);
}

TEST(HandOffTest, CommandLineIsOnePath) {
    const char* none[] = {"pixora"};
    const char* one[] = {"pixora", "/p/x.npm"};
    const char* split[] = {"pixora", "/home/me/My", "Pictures/x.npm"};
    const char* empty[] = {"pixora", ""};
    EXPECT_EQ(CommandLinePath(1, none), "");
    EXPECT_EQ(CommandLinePath(2, one), "/p/x.npm");
    EXPECT_EQ(CommandLinePath(3, split), "/home/me/My Pictures/x.npm");
    EXPECT_EQ(CommandLinePath(2, empty), "");
    EXPECT_EQ(CommandLinePath(0, nullptr), "");
}

TEST(HandOffTest, RelativeCommandLinePathsBecomeAbsolute) {
    const struct {
        const char* path;
        const char* folder;
        const char* expected;
    } cases[] = {
        {"", "/home/me", ""},
        {"/p/x.npm", "/home/me", "/p/x.npm"},
        {"x.npm", "/home/me", "/home/me/x.npm"},
        {"x.npm", "/", "/x.npm"},
        {"./pics/./My Pictures/x.npm", "/home/me/", "/home/me/pics/My Pictures/x.npm"},
        {"../x.npm", "/home/me", "/home/me/../x.npm"},
        {"pics//x.npm", "/home/me", "/home/me/pics/x.npm"},
        {"pics/", "/home/me", "/home/me/pics/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AbsoluteCommandLinePath(c.path, c.folder), c.expected) << c.path;
    }
}

TEST(HandOffTest, BusyInstanceOnlyGetsABeep) {
    const std::pair<const char*, SecondStartAction> cases[] = {
        {nullptr, SecondStartAction::HandOff}, {"False", SecondStartAction::HandOff},
        {"True", SecondStartAction::Beep},     {"true", SecondStartAction::Beep},
        {"junk", SecondStartAction::HandOff},
    };
    for (const auto& [value, action] : cases) {
        MemorySettingsStore store;
        if (value)
            store.Write(keys::Editor, "CurrentBusy", value);
        EXPECT_EQ(DecideSecondStart(store), action) << (value ? value : "absent");
    }
}

}  // namespace
}  // namespace pixora
