// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/send.h"

#include "core/settings_keys.h"
#include "core/translate.h"
#include "phone/cms_errors.h"

namespace pixora {

namespace {

// The progress markers of the three announcements, which also change the title.
constexpr int kSegmentMarkers[SegmentCount] = {40, 60, 80};

// The web layer's index of the phone-send counter.
constexpr int kUsageSms = 0;

std::string Announcement(const PictureMessagePdus& pdus, int segment) {
    return "AT+CMGS=" + std::to_string(pdus.segments[static_cast<size_t>(segment)].length) + "\r";
}

std::string MessageLine(const PictureMessagePdus& pdus, int segment) {
    return pdus.segments[static_cast<size_t>(segment)].line;
}

static_assert(SegmentCount == 3, "the send table has three segments");

constexpr StepRow<PictureMessagePdus> kSendSteps[] = {
    {.command = "AT\r",
     .marker = 0,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't talk to COM{port}.")},
    {.command = "ATZ\r",
     .marker = 5,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't talk to COM{port} driver.")},
    {.command = "AT+CMGF=0\r",
     .marker = 20,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set params.")},
    {.build = Announcement,
     .part = 0,
     .expected = Reply::Prompt,
     .marker = kSegmentMarkers[0],
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't initiate sending (1/3).")},
    {.build = MessageLine,
     .part = 0,
     .marker = 50,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't send SMS (1/3).")},
    {.build = Announcement,
     .part = 1,
     .expected = Reply::Prompt,
     .marker = kSegmentMarkers[1],
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't initiate sending (2/3).")},
    {.build = MessageLine,
     .part = 1,
     .marker = 70,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't send SMS (2/3).")},
    {.build = Announcement,
     .part = 2,
     .expected = Reply::Prompt,
     .marker = kSegmentMarkers[2],
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't initiate sending (3/3).")},
    {.build = MessageLine,
     .part = 2,
     .marker = 90,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't send SMS (3/3).")},
};

}  // namespace

std::string SendSetupProblem(std::string_view smscNumber, int portNumber) {
    if (smscNumber.empty()) {
        return TranslateText("Phone", NoSmscText);
    }
    if (portNumber == 0) {
        return TranslateText("Phone", NoPortText);
    }
    return {};
}

bool ValidDestination(std::string_view digits) {
    return !digits.empty() && digits.front() != '0';
}

std::string InvalidDestinationText(std::string_view example) {
    return TranslateText(
               "Phone",
               "Please enter a valid number with\r\nthe international country-code\r\n\r\n"
               "It could look like ") +
           std::string(example);
}

std::string SendingSegmentTitle(int marker) {
    for (int n = 0; n < SegmentCount; ++n) {
        if (kSegmentMarkers[n] == marker) {
            return TranslateText("Phone", "Sending (") + std::to_string(n + 1) + "/" +
                   std::to_string(SegmentCount) + TranslateText("Phone", ") ...");
        }
    }
    return {};
}

std::string CmsErrorMessage(std::string_view stepErrorText, std::string_view reply) {
    return std::string(stepErrorText) + TranslateText("Phone", "\r\nError: ") +
           ExplainCmsError(reply);
}

PictureSend::PictureSend(AtEngine& engine, SettingsStore& settings, Callbacks callbacks)
    : engine_(engine), settings_(settings), callbacks_(std::move(callbacks)) {}

void PictureSend::mySendSMS(const PictureGrid& picture, std::u32string_view text,
                            std::string_view smscNumber) {
    if (callbacks_.setTitle) {
        callbacks_.setTitle(TranslateText("Phone", SendingTitle));
    }
    const int port = ReadInt(settings_, keys::COMPort);
    Run(port, BuildSend(settings_, picture, text, smscNumber));
}

void PictureSend::mySendSMSTo(int portNumber, std::string_view destination,
                              const PictureGrid& picture, std::u32string_view text,
                              std::string_view smscNumber) {
    if (callbacks_.setTitle) {
        callbacks_.setTitle(TranslateText("Phone", SendingTitle));
    }
    Run(portNumber, BuildSendTo(settings_, destination, picture, text, smscNumber));
}

void PictureSend::Run(int portNumber, PictureMessagePdus pdus) {
    pdus_ = std::move(pdus);
    engine_.SetPortNumber(portNumber);
    engine_.Start(*this);
}

int PictureSend::StepCount() const {
    return static_cast<int>(std::size(kSendSteps));
}

Step PictureSend::BuildStep(int index) const {
    return TableStep<PictureMessagePdus>(kSendSteps, index, pdus_, engine_.PortNumber());
}

ConversationRules PictureSend::Rules() const {
    return {.retryLimit = 5, .intervalMs = 2000, .watchesBreak = true, .arrivingWaits = true};
}

bool PictureSend::WritesAgain(const Step& step) const {
    // The message lines end with Ctrl-Z; the commands with a CR.
    return step.command.empty() || step.command.back() != CtrlZ;
}

void PictureSend::OnStepWriting(Exchange&, int, const Step& step) {
    const int marker = step.marker;
    Progress(marker);
    const std::string title = SendingSegmentTitle(marker);
    if (!title.empty() && callbacks_.setTitle) {
        callbacks_.setTitle(title);
    }
}

void PictureSend::OnFinished(Exchange& exchange) {
    Progress(100);
    if (callbacks_.countUsage) {
        callbacks_.countUsage(kUsageSms);
    }
    exchange.ShowInformation(TranslateText("Phone", DataSentText));
    Finish(true);
}

void PictureSend::OnTimedOut(Exchange& exchange) {
    exchange.ShowLinkError(LinkError::TimedOut);
    Finish(false);
}

void PictureSend::OnOpenFailed(Exchange& exchange) {
    exchange.ShowError(exchange.StepInProgress().errorText);
    Finish(false);
}

void PictureSend::OnCancelled(Exchange& exchange, bool /*noticedByTick*/) {
    exchange.ShowError(exchange.StepInProgress().errorText);
    Finish(false);
}

void PictureSend::OnFatalReply(Exchange& exchange) {
    exchange.ShowError(
        CmsErrorMessage(exchange.StepInProgress().errorText, exchange.ReplyBuffer()));
    Finish(false);
}

void PictureSend::Progress(int percent) {
    if (callbacks_.myUpdateSending) {
        callbacks_.myUpdateSending(percent);
    }
}

void PictureSend::Finish(bool sent) {
    if (callbacks_.finished) {
        callbacks_.finished(sent);
    }
}

}  // namespace pixora
