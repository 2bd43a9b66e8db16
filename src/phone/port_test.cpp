// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/port_test.h"

#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/translate.h"

namespace pixora {

namespace {

constexpr StepRow<NoStepContext> kPortTestSteps[] = {
    {.command = "AT\r"},
    // The identification goes into the buffer that OnFinished inspects.
    {.command = "ATI\r"},
};

constexpr StepRow<NoStepContext> kSmscSteps[] = {
    {.command = "AT\r"},
    // Some phones answer AT+CSCA? with an empty number until the message profile is loaded.
    {.command = "AT+CRES=1\r"},
    {.command = "AT+CSCA?\r"},
};

}  // namespace

PortTest::PortTest(AtEngine& engine, DoneCallback myTestDone)
    : engine_(engine), done_(std::move(myTestDone)) {}

void PortTest::myTestPort(int port) {
    engine_.SetPortNumber(port);
    engine_.Start(*this);
}

int PortTest::StepCount() const {
    return static_cast<int>(std::size(kPortTestSteps));
}

Step PortTest::BuildStep(int index) const {
    return TableStep<NoStepContext>(kPortTestSteps, index, {}, engine_.PortNumber());
}

ConversationRules PortTest::Rules() const {
    return {.retryLimit = 3, .intervalMs = 1000, .watchesBreak = false, .arrivingWaits = false};
}

void PortTest::OnFinished(Exchange& exchange) {
    const bool nokia = exchange.ReplyBuffer().find("Nokia") != std::string::npos;
    done_(nokia ? test_result::Nokia : test_result::OtherPhone);
}

void PortTest::OnTimedOut(Exchange&) {
    done_(test_result::NoValidReply);
}

void PortTest::OnOpenFailed(Exchange&) {
    done_(test_result::NotAvailable);
}

SmscRead::SmscRead(AtEngine& engine, SettingsStore& settings, DoneCallback myReadSMSCDone)
    : engine_(engine), settings_(settings), done_(std::move(myReadSMSCDone)) {}

void SmscRead::myReadSMSC(int port) {
    // The dialog's port is used for this conversation only; the configured one is kept.
    const int kept = engine_.PortNumber();
    engine_.SetPortNumber(port);
    engine_.Start(*this);
    engine_.SetPortNumber(kept);
}

int SmscRead::StepCount() const {
    return static_cast<int>(std::size(kSmscSteps));
}

Step SmscRead::BuildStep(int index) const {
    return TableStep<NoStepContext>(kSmscSteps, index, {}, engine_.PortNumber());
}

ConversationRules SmscRead::Rules() const {
    return {.retryLimit = 3, .intervalMs = 1000, .watchesBreak = false, .arrivingWaits = false};
}

void SmscRead::OnFinished(Exchange& exchange) {
    const CscaReply csca = ParseCscaReply(exchange.ReplyBuffer());
    if (!csca.found) {
        done_(smsc_result::NotRead);
        return;
    }
    smscNumber_ = csca.digits;
    WriteText(settings_, keys::SMSC, smscNumber_);
    if (smscNumber_.empty()) {
        done_(smsc_result::NoNumber);
    } else {
        done_(csca.international ? smsc_result::International : smsc_result::NoCountryCode);
    }
}

void SmscRead::OnTimedOut(Exchange&) {
    done_(smsc_result::NotRead);
}

void SmscRead::OnOpenFailed(Exchange&) {
    done_(smsc_result::NotRead);
}

CscaReply ParseCscaReply(std::string_view reply) {
    constexpr std::string_view kKey = "+CSCA: ";
    CscaReply result;
    const size_t key = reply.find(kKey);
    if (key == std::string_view::npos) {
        return result;
    }
    result.found = true;
    const size_t start = key + kKey.size();
    // The number runs to the comma before the address type. Without a comma the reply is cut
    // short, and a number that may be cut short is no number.
    const size_t comma = reply.find(',', start);
    if (comma != std::string_view::npos) {
        result.digits = DigitsOnly(reply.substr(start, comma - start));
    }
    result.international = reply.find(",145") != std::string_view::npos;
    return result;
}

std::string TestDoneText(int code, int port) {
    const std::string number = std::to_string(port);
    switch (code) {
        case test_result::NoValidReply:
            return WithArgs(
                TranslateText("Phone", "COM%1 does not return valid data at the moment."),
                {number});
        case test_result::Nokia:
            return WithArgs(TranslateText("Phone", "COM%1 is \"Data Suite compatible\"."),
                            {number});
        case test_result::OtherPhone:
            return WithArgs(
                TranslateText("Phone", "COM%1 is probably not \"Data Suite compatible\"."),
                {number});
        case test_result::NotAvailable:
            return WithArgs(TranslateText("Phone", "COM%1 is not available or in use."), {number});
        default:
            return "";
    }
}

std::string ReadSmscDoneText(int code) {
    switch (code) {
        case smsc_result::NotRead:
            return TranslateText("Phone", "Could not read Number.");
        case smsc_result::International:
        case smsc_result::NoCountryCode:
            return TranslateText("Phone", "Number has been read.");
        case smsc_result::NoNumber:
            return TranslateText("Phone", "Could not find Number.");
        default:
            return "";
    }
}

std::string ReadSmscDoneMessage(int code) {
    switch (code) {
        case smsc_result::NoCountryCode:
            return TranslateText(
                "Phone",
                "Please add the international country-code\r\nto your Message Center Number");
        case smsc_result::NoNumber:
            return TranslateText("Phone",
                                 "Could not find the Message Center Number.\r\n\r\n"
                                 "Please go to Message settings in your phone,\r\n"
                                 "read your Message Center Number there and\r\n"
                                 "enter it here with the international country-code.");
        default:
            return "";
    }
}

}  // namespace pixora
