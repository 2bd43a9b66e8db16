// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/reply_classifier.h"

#include <gtest/gtest.h>

#include <string>

namespace pixora {
namespace {

struct Transcript {
    const char* name;
    std::string bytes;
    Reply state;
};

// Real and awkward replies; each must classify the same whether it arrives in one piece or
// one character at a time.
const Transcript kTranscripts[] = {
    {"echo only", "AT\r", Reply::Arriving},
    {"ok with echo", "AT\r\r\nOK\r\n", Reply::Ok},
    {"ok without line end yet", "AT\r\r\nOK", Reply::Arriving},
    {"lower-case ok", "\r\nok\r\n", Reply::Arriving},
    {"prompt", "AT+CMGS=153\r\r\n> ", Reply::Prompt},
    {"prompt beats ok", "\r\nOK\r\n\r\n> ", Reply::Prompt},
    {"index range beats ok", "\r\n+CPBR: (1-250),40,18\r\n\r\nOK\r\n", Reply::Range},
    {"index range beats prompt", "+CPBR: (1-9)\r\n> ", Reply::Range},
    {"cms error", "\r\n+CMS ERROR: 21\r\n", Reply::CmsError},
    {"cms error beats ok", "\r\n+CMS ERROR: 21\r\n\r\nOK\r\n", Reply::CmsError},
    {"cms error without code yet", "\r\n+CMS ERROR: ", Reply::CmsError},
    {"error", "AT+CMGF=0\r\r\nERROR\r\n", Reply::Failed},
    {"error after ok", "\r\nOK\r\n\r\nERROR\r\n", Reply::Failed},
    {"error beats cms error", "+CMS ERROR: 1\r\nERROR\r\n", Reply::Failed},
    {"no carrier", "\r\nNO CARRIER\r\n", Reply::Failed},
    {"error without line end", "\r\nERROR", Reply::Arriving},
    {"phone's own error report", "\r\n+CME ERROR: 10\r\n", Reply::Arriving},
    {"identification", "ATI\r\r\nNokia 6310i\r\n\r\nOK\r\n", Reply::Ok},
    {"binary noise", std::string("\x00\xFF\x1A\r\n", 5), Reply::Arriving},
};

TEST(ReplyClassifierTest, WholeTranscriptAtOnce) {
    for (const auto& t : kTranscripts) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(ClassifyReply(t.bytes, true), t.state);
        ReplyCollector collector;
        EXPECT_EQ(collector.Append(t.bytes), t.state);
        EXPECT_EQ(collector.Text(), t.bytes);
    }
}

TEST(ReplyClassifierTest, TranscriptByteByByte) {
    for (const auto& t : kTranscripts) {
        SCOPED_TRACE(t.name);
        ReplyCollector collector;
        Reply state = Reply::Fresh;
        for (char c : t.bytes) {
            state = collector.Append(std::string_view(&c, 1));
        }
        EXPECT_EQ(state, t.state);
        EXPECT_EQ(collector.Text(), t.bytes);
    }
}

TEST(ReplyClassifierTest, NothingNewIsNothing) {
    EXPECT_EQ(ClassifyReply("", false), Reply::Nothing);
    EXPECT_EQ(ClassifyReply("AT\r", false), Reply::Nothing);
    ReplyCollector collector;
    collector.Append("AT\r");
    EXPECT_EQ(collector.Append(""), Reply::Nothing);
    collector.Append("\r\nOK\r\n");
    EXPECT_EQ(collector.Append(""), Reply::Ok);
}

TEST(ReplyCollectorTest, FloodKeepsTheNewestCharactersOnly) {
    ReplyCollector collector;
    const std::string chunk(1000, 'x');
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(collector.Append(chunk), Reply::Arriving);
        ASSERT_LE(collector.Text().size(), ReplyBufferLimit);
    }
    EXPECT_EQ(collector.Text().size(), ReplyBufferLimit);
    // The closing token after a flood is still seen.
    EXPECT_EQ(collector.Append("\r\nOK\r\n"), Reply::Ok);
    EXPECT_EQ(collector.Text().size(), ReplyBufferLimit);
    EXPECT_EQ(collector.Text().substr(ReplyBufferLimit - 6), "\r\nOK\r\n");

    ReplyCollector single;
    const std::string huge = std::string(70000, 'y') + "\r\nERROR\r\n";
    EXPECT_EQ(single.Append(huge), Reply::Failed);
    EXPECT_EQ(single.Text(), huge.substr(huge.size() - ReplyBufferLimit));
}

}  // namespace
}  // namespace pixora
