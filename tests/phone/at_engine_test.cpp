// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/at_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripted_link.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::AnswerTable;
using testing::FakeUserInterface;
using testing::ScriptedLink;

// A conversation that only records how it ended, with the rules of one of the real ones.
class RecordingConversation : public Conversation {
public:
    explicit RecordingConversation(ConversationRules rules) : rules_(rules) {}
    ConversationRules Rules() const override { return rules_; }
    int StepCount() const override { return static_cast<int>(steps.size()); }
    Step BuildStep(int index) const override { return steps.at(static_cast<size_t>(index)); }
    bool IsFatalReply(Reply state) const override {
        return fatalOnCmsError && state == Reply::CmsError;
    }
    void OnStepWriting(Exchange&, int index, const Step&) override { written.push_back(index); }
    void OnFinished(Exchange& exchange) override {
        ends.push_back("finished");
        lastReply = exchange.ReplyBuffer();
    }
    void OnTimedOut(Exchange&) override { ends.push_back("timed out"); }
    void OnOpenFailed(Exchange&) override { ends.push_back("open failed"); }
    void OnCancelled(Exchange& exchange, bool byTick) override {
        ends.push_back(byTick ? "cancelled by tick" : "cancelled by driver");
        Conversation::OnCancelled(exchange, byTick);
    }
    void OnFatalReply(Exchange&) override { ends.push_back("fatal reply"); }

    std::vector<Step> steps;
    bool fatalOnCmsError = false;
    std::vector<std::string> ends;
    std::vector<int> written;
    std::string lastReply;

private:
    ConversationRules rules_;
};

constexpr ConversationRules kSending{5, 2000, true, true};
constexpr ConversationRules kPortTest{3, 1000, false, false};
constexpr ConversationRules kPhonebook{3, 1000, true, true};

class AtEngineTest : public ::testing::Test {
protected:
    AtEngineTest() : engine(link, ui) {
        engine.SetTimerHook(
            [this](bool running, int interval) { timerEvents.push_back(running ? interval : 0); });
        engine.SetPortNumber(2);
    }

    static void QueueSendLikeSteps(RecordingConversation& conversation) {
        conversation.steps = {{"AT\r", Reply::Ok, 0, "Can't talk to COM2."},
                              {"AT+CMGS=34\r", Reply::Prompt, 40, "Can't initiate sending (1/3)."},
                              {"0011\x1A", Reply::Ok, 50, "Can't send SMS (1/3)."}};
    }

    // Ticks until the conversation ends; returns the number of ticks it took.
    int TicksUntilEnd(int limit = 100) {
        for (int tick = 1; tick <= limit; ++tick) {
            link.Deliver(engine);
            engine.Tick();
            if (!engine.Running()) {
                return tick;
            }
        }
        return -1;
    }

    ScriptedLink link;
    FakeUserInterface ui;
    AtEngine engine;
    std::vector<int> timerEvents;
};

struct SilenceCase {
    const char* name;
    ConversationRules rules;
    int failingTick;
};

TEST_F(AtEngineTest, SilentPhoneFailsAfterTheRetryLimit) {
    const SilenceCase cases[] = {
        {"sending", kSending, 6}, {"port test", kPortTest, 4}, {"phonebook", kPhonebook, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        link.writes.clear();
        RecordingConversation conversation(c.rules);
        QueueSendLikeSteps(conversation);
        ASSERT_TRUE(engine.Start(conversation));
        EXPECT_EQ(link.openedPort, 2);
        EXPECT_EQ(link.openedSettings, "19200,n,8,1");
        EXPECT_EQ(engine.TimerInterval(), c.rules.intervalMs);
        EXPECT_EQ(TicksUntilEnd(), c.failingTick);
        EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
        // The first command and one re-send per counted retry, nothing else.
        EXPECT_EQ(link.CountWrites("AT\r"), c.rules.retryLimit + 1);
        EXPECT_EQ(link.writes.size(), static_cast<size_t>(c.rules.retryLimit + 1));
        EXPECT_FALSE(link.IsOpen());
        EXPECT_FALSE(engine.TimerRunning());
    }
}

TEST_F(AtEngineTest, AnsweredConversationRunsToItsEnd) {
    link.responder = AnswerTable({{"AT\r", "AT\r\r\nOK\r\n"},
                                  {"AT+CMGS=34\r", "\r\n> "},
                                  {"0011\x1A", "\r\n+CMGS: 7\r\n\r\nOK\r\n"}});
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    ASSERT_TRUE(engine.Start(conversation));
    EXPECT_EQ(TicksUntilEnd(), 3);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"finished"});
    EXPECT_EQ(conversation.written, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(link.writes, (std::vector<std::string>{"AT\r", "AT+CMGS=34\r", "0011\x1A"}));
    // The end still sees the reply to the last command.
    EXPECT_EQ(conversation.lastReply, "\r\n+CMGS: 7\r\n\r\nOK\r\n");
    EXPECT_EQ(engine.RetryCount(), 0);
    EXPECT_EQ(timerEvents, (std::vector<int>{2000, 0, 2000, 0, 2000, 0}));
    EXPECT_EQ(link.closes, 1);
}

TEST_F(AtEngineTest, OkDoesNotAnswerAPromptStep) {
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"}, {"AT+CMGS=34\r", "\r\nOK\r\n"}});
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    link.Deliver(engine);
    engine.Tick();  // AT accepted, AT+CMGS written
    link.Deliver(engine);
    engine.Tick();
    EXPECT_EQ(engine.RetryCount(), 1);
    EXPECT_EQ(link.CountWrites("AT+CMGS=34\r"), 2);
    EXPECT_TRUE(engine.Running());
}

// A phone that only echoes keeps a conversation that waits on arriving replies waiting until the
// user cancels, however long it falls silent afterwards.
TEST_F(AtEngineTest, EchoAloneWaitsUntilCancelWhereArrivingWaits) {
    const SilenceCase cases[] = {{"sending", kSending, 0}, {"phonebook", kPhonebook, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        link.writes.clear();
        link.responder = AnswerTable({{"AT\r", "AT\r"}});
        RecordingConversation conversation(c.rules);
        QueueSendLikeSteps(conversation);
        engine.Start(conversation);
        link.Deliver(engine);
        EXPECT_EQ(engine.ReplyState(), Reply::Arriving);
        EXPECT_EQ(TicksUntilEnd(50), -1);
        EXPECT_EQ(engine.RetryCount(), 0);
        EXPECT_EQ(link.writes.size(), 1u);
        engine.SetBreak(true);
        engine.Tick();
        EXPECT_EQ(conversation.ends, std::vector<std::string>{"cancelled by tick"});
    }
}

struct GrowingReplyCase {
    const char* name;
    ConversationRules rules;
    std::string command;
    Reply expected;
    std::string echo;  // arrives with the write
    // Arrives on the tick of its number (counted from the write), in order.
    std::vector<std::pair<int, std::string>> later;
    int ticks;  // the tick on which the step is accepted
};

// A reply that trickles in, with silent stretches of many ticks, is waited for without a retry
// and without a second copy of the command.
TEST_F(AtEngineTest, ReplyGrowingOverManyTicksIsWaitedFor) {
    std::string listing;
    std::vector<std::pair<int, std::string>> lines;
    for (int i = 1; i <= 12; ++i) {
        lines.emplace_back(3 + i * 2, "\r\n+CPBR: " + std::to_string(i) + ",\"+49170" +
                                          std::to_string(i) + "\",145,\"Name\"");
    }
    lines.emplace_back(30, "\r\n\r\nOK\r\n");
    const GrowingReplyCase cases[] = {
        // The network acknowledges the segment 30 s (15 ticks of 2 s) after the PDU.
        {"+CMGS after 30 s",
         kSending,
         "0011\x1A",
         Reply::Ok,
         "0011",
         {{15, "\r\n+CMGS: 7\r\n\r\nOK\r\n"}},
         15},
        {"+CMGS in pieces",
         kSending,
         "0011\x1A",
         Reply::Ok,
         "00",
         {{4, "11"}, {9, "\r\n+CM"}, {20, "GS: 7\r\n"}, {21, "\r\nOK\r\n"}},
         21},
        {"listing that starts late", kPhonebook, "AT+CPBR=1,250\r", Reply::Ok, "AT+CPBR=1,250\r",
         lines, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        link.writes.clear();
        link.responder = AnswerTable({{c.command, c.echo}});
        RecordingConversation conversation(c.rules);
        conversation.steps = {{c.command, c.expected, 0, ""}};
        engine.Start(conversation);
        size_t next = 0;
        int tick = 0;
        while (engine.Running() && tick < 100) {
            ++tick;
            link.Deliver(engine);
            while (next < c.later.size() && c.later[next].first == tick) {
                engine.Received(c.later[next++].second);
            }
            engine.Tick();
        }
        EXPECT_EQ(tick, c.ticks);
        EXPECT_EQ(conversation.ends, std::vector<std::string>{"finished"});
        EXPECT_EQ(link.writes, std::vector<std::string>{c.command});
        EXPECT_EQ(engine.RetryCount(), 0);
    }
}

TEST_F(AtEngineTest, EchoAloneIsARetryWhereArrivingDoesNotWait) {
    link.responder = AnswerTable({{"AT\r", "AT\r"}});
    RecordingConversation conversation(kPortTest);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    link.Deliver(engine);
    engine.Tick();
    EXPECT_EQ(engine.RetryCount(), 1);
    EXPECT_EQ(TicksUntilEnd(), 3);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
}

TEST_F(AtEngineTest, CmsErrorWinsOverOkAndEndsAtOnce) {
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"},
                                  {"AT+CMGS=34\r", "\r\n> "},
                                  {"0011\x1A", "\r\n+CMS ERROR: 21\r\n\r\nOK\r\n"}});
    RecordingConversation conversation(kSending);
    conversation.fatalOnCmsError = true;
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    EXPECT_EQ(TicksUntilEnd(), 3);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"fatal reply"});
    EXPECT_EQ(engine.ReplyBuffer(), "\r\n+CMS ERROR: 21\r\n\r\nOK\r\n");
    EXPECT_EQ(engine.StepInProgress().errorText, "Can't send SMS (1/3).");
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(AtEngineTest, CmsErrorIsRetriedWhereItIsNotFatal) {
    link.responder = AnswerTable({{"AT\r", "\r\n+CMS ERROR: 500\r\n"}});
    RecordingConversation conversation(kPortTest);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    EXPECT_EQ(TicksUntilEnd(), 4);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
}

TEST_F(AtEngineTest, ErrorOnceSeenStaysUntilRetriesRunOut) {
    int answers = 0;
    // ERROR first, then a proper OK to every re-send: the kept buffer still says ERROR.
    link.responder = [&answers](const std::string&) {
        return answers++ == 0 ? std::string("\r\nERROR\r\n") : std::string("\r\nOK\r\n");
    };
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    EXPECT_EQ(TicksUntilEnd(), 6);
    EXPECT_EQ(engine.ReplyState(), Reply::Failed);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
}

TEST_F(AtEngineTest, RetriesAreCountedForTheWholeConversation) {
    // Each step needs two re-sends: three steps exceed a limit of five.
    std::map<std::string, int> seen;
    link.responder = [&seen](const std::string& command) -> std::string {
        if (++seen[command] < 3) {
            return "";
        }
        return command == "AT+CMGS=34\r" ? "\r\n> " : "\r\nOK\r\n";
    };
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    TicksUntilEnd();
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
    EXPECT_EQ(engine.RetryCount(), 6);
    EXPECT_EQ(link.CountWrites("0011\x1A"), 2);
}

TEST_F(AtEngineTest, OldStateJudgesATickBeforeNewCharacters) {
    // The phone answers AT at once but needs longer than a tick for the prompt: the stale OK
    // from the first step is taken as the reply to the second.
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"}});
    RecordingConversation conversation(kPortTest);
    conversation.steps = {{"AT\r", Reply::Ok, 0, ""}, {"ATI\r", Reply::Ok, 0, ""}};
    engine.Start(conversation);
    link.Deliver(engine);
    engine.Tick();
    engine.Tick();
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"finished"});
    EXPECT_EQ(conversation.lastReply, "");
}

TEST_F(AtEngineTest, CancelIsNoticedByTheTickWhereWatched) {
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"}});
    engine.Start(conversation);
    link.Deliver(engine);
    engine.Tick();  // now waiting for the prompt
    engine.SetBreak(true);
    engine.Tick();
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"cancelled by tick"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Can't initiate sending (1/3).");
    EXPECT_EQ(ui.messages[0].title, "Pixora");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(AtEngineTest, CancelIsIgnoredWhereNotWatched) {
    RecordingConversation conversation(kPortTest);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    engine.SetBreak(true);
    engine.Tick();
    EXPECT_TRUE(engine.Running());
    EXPECT_EQ(engine.RetryCount(), 1);
}

// A Cancel that comes while the port is being opened (a question about the port can be on the
// screen then) is seen by the step driver before the first command goes out.
TEST_F(AtEngineTest, CancelBeforeTheDriverRuns) {
    RecordingConversation conversation(kPhonebook);
    QueueSendLikeSteps(conversation);
    link.onOpen = [this] { engine.SetBreak(true); };
    engine.Start(conversation);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"cancelled by driver"});
    EXPECT_TRUE(link.writes.empty());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(AtEngineTest, PortThatDoesNotOpenBeepsAndReports) {
    link.openSucceeds = false;
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    EXPECT_FALSE(engine.Start(conversation));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"open failed"});
    EXPECT_TRUE(link.writes.empty());
    EXPECT_FALSE(engine.Running());
    EXPECT_FALSE(engine.TimerRunning());
}

TEST_F(AtEngineTest, VanishedPortEndsTheConversation) {
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    link.responder = AnswerTable({{"AT\r", "AT\r"}});
    engine.Start(conversation);
    link.Deliver(engine);  // Arriving, which would make the tick wait
    link.Vanish();
    engine.Tick();
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});

    RecordingConversation second(kSending);
    QueueSendLikeSteps(second);
    engine.Start(second);
    engine.LinkLost();
    EXPECT_EQ(second.ends, std::vector<std::string>{"timed out"});
    EXPECT_FALSE(engine.TimerRunning());
    engine.Tick();  // nothing left to judge
    EXPECT_EQ(second.ends.size(), 1u);
}

TEST_F(AtEngineTest, FailedWriteBeepsAndRunsIntoTheRetries) {
    link.writeSucceeds = false;
    RecordingConversation conversation(kPortTest);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(TicksUntilEnd(), 4);
    EXPECT_EQ(ui.beeps, 4);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"timed out"});
}

TEST_F(AtEngineTest, FailedCloseOnlyBeeps) {
    link.closeSucceeds = false;
    link.responder = AnswerTable({{"AT\r", "\r\nOK\r\n"}});
    RecordingConversation conversation(kPortTest);
    conversation.steps = {{"AT\r", Reply::Ok, 0, ""}};
    engine.Start(conversation);
    EXPECT_EQ(TicksUntilEnd(), 1);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"finished"});
}

TEST_F(AtEngineTest, StartClearsTheState) {
    RecordingConversation first(kSending);
    QueueSendLikeSteps(first);
    engine.Start(first);
    engine.Received("garbage");
    engine.Tick();
    engine.Tick();
    engine.SetBreak(true);
    RecordingConversation second(kPhonebook);
    second.steps = {{"ATI\r", Reply::Ok, 0, ""}};
    engine.Start(second);
    EXPECT_EQ(engine.RetryCount(), 0);
    EXPECT_EQ(engine.RetryLimit(), kPhonebook.retryLimit);
    EXPECT_EQ(engine.StepIndex(), 0);
    EXPECT_EQ(engine.ReplyState(), Reply::Fresh);
    EXPECT_EQ(engine.ReplyBuffer(), "");
    EXPECT_EQ(link.writes.back(), "ATI\r");
    // The Cancel meant for the first conversation is not the second's.
    EXPECT_TRUE(first.ends.empty());
    EXPECT_EQ(TicksUntilEnd(), 4);
    EXPECT_EQ(second.ends, std::vector<std::string>{"timed out"});
}

TEST_F(AtEngineTest, ReceivedWhileIdleIsDropped) {
    engine.Received("\r\nOK\r\n");
    EXPECT_EQ(engine.ReplyBuffer(), "");
    engine.Tick();
    EXPECT_FALSE(engine.Running());
}

TEST_F(AtEngineTest, FloodingPhoneStaysBounded) {
    RecordingConversation conversation(kSending);
    QueueSendLikeSteps(conversation);
    engine.Start(conversation);
    const std::string chunk(4096, 'z');
    for (int i = 0; i < 64; ++i) {
        engine.Received(chunk);
        ASSERT_LE(engine.ReplyBuffer().size(), ReplyBufferLimit);
        engine.Tick();
    }
    // Still waiting on the text, as designed; the user's Cancel ends it.
    EXPECT_TRUE(engine.Running());
    engine.SetBreak(true);
    engine.Tick();
    EXPECT_EQ(conversation.ends, std::vector<std::string>{"cancelled by tick"});
}

struct LinkErrorCase {
    LinkError code;
    const char* text;  // nullptr: nothing shown
};

TEST_F(AtEngineTest, LinkErrorTexts) {
    engine.SetPortNumber(7);
    const LinkErrorCase cases[] = {
        {LinkError::UserBreak, "User break."},
        {LinkError::TimedOut, "Error while talking to COM7."},
        {LinkError::NoPort, "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'"},
        {LinkError{0}, nullptr},
        {LinkError{5}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        ui.messages.clear();
        engine.ShowLinkError(c.code);
        if (c.text == nullptr) {
            EXPECT_TRUE(ui.messages.empty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, c.text);
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        }
    }
}

}  // namespace
}  // namespace pixora
