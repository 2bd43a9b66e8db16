// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The two short conversations of the options dialog: "does a phone answer on this port, and is
// it a Nokia?" and "what message-centre number does the phone hold?". Each reports a result code
// through a callback into the dialog; the texts the dialog shows for them are here as well.

#include <functional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "phone/at_engine.h"
#include "phone/step_table.h"

namespace pixora {

// The short conversations need no context to build their steps.
struct NoStepContext {};

// Result codes of the port test.
namespace test_result {
inline constexpr int NoValidReply = 0;
inline constexpr int Nokia = 1;
inline constexpr int OtherPhone = 2;
inline constexpr int NotAvailable = 3;
}  // namespace test_result

// Result codes of the message-centre read.
namespace smsc_result {
inline constexpr int NotRead = 0;
inline constexpr int International = 1;
inline constexpr int NoCountryCode = 2;
inline constexpr int NoNumber = 3;
}  // namespace smsc_result

class PortTest : public Conversation {
public:
    using DoneCallback = std::function<void(int code)>;
    PortTest(AtEngine& engine, DoneCallback myTestDone);

    // Returns at once; the result arrives through the callback.
    void myTestPort(int port);

    ConversationRules Rules() const override;
    int StepCount() const override;
    Step BuildStep(int index) const override;
    void OnFinished(Exchange& exchange) override;
    void OnTimedOut(Exchange& exchange) override;
    void OnOpenFailed(Exchange& exchange) override;

private:
    AtEngine& engine_;
    DoneCallback done_;
};

class SmscRead : public Conversation {
public:
    using DoneCallback = std::function<void(int code)>;
    SmscRead(AtEngine& engine, SettingsStore& settings, DoneCallback myReadSMSCDone);

    void myReadSMSC(int port);
    // The number read by the last completed conversation (digits only, possibly empty).
    const std::string& SmscNumber() const { return smscNumber_; }

    ConversationRules Rules() const override;
    int StepCount() const override;
    Step BuildStep(int index) const override;
    void OnFinished(Exchange& exchange) override;
    void OnTimedOut(Exchange& exchange) override;
    void OnOpenFailed(Exchange& exchange) override;

private:
    AtEngine& engine_;
    SettingsStore& settings_;
    DoneCallback done_;
    std::string smscNumber_;
};

// What a "+CSCA: " reply says.
struct CscaReply {
    bool found = false;          // the reply holds "+CSCA: "
    std::string digits;          // the number's digits, "" when it has none
    bool international = false;  // address type 145
};
CscaReply ParseCscaReply(std::string_view reply);

// The status line for a port-test result; empty for an unknown code.
std::string TestDoneText(int code, int port);
// The status line for a message-centre result, and the error box that codes 2 and 3 also show
// (empty for the others).
std::string ReadSmscDoneText(int code);
std::string ReadSmscDoneMessage(int code);

}  // namespace pixora
