#include "phone/send.h"

#include "core/settings_keys.h"
#include "phone/cms_errors.h"

namespace pixora {

namespace {

// The progress markers of the three announcements, which also change the title.
constexpr int kSegmentMarkers[SegmentCount] = {40, 60, 80};

// The web layer's index of the phone-send counter.
constexpr int kUsageSms = 0;

}  // namespace

std::string SendSetupProblem(std::string_view smscNumber, int portNumber) {
    if (smscNumber.empty()) {
        return NoSmscText;
    }
    if (portNumber == 0) {
        return NoPortText;
    }
    return {};
}

bool ValidDestination(std::string_view digits) {
    return !digits.empty() && digits.front() != '0';
}

std::string InvalidDestinationText(std::string_view example) {
    return "Please enter a valid number with\r\nthe international country-code\r\n\r\n"
           "It could look like " +
           std::string(example);
}

std::string SendingSegmentTitle(int marker) {
    for (int n = 0; n < SegmentCount; ++n) {
        if (kSegmentMarkers[n] == marker) {
            return "Sending (" + std::to_string(n + 1) + "/" + std::to_string(SegmentCount) +
                   ") ...";
        }
    }
    return {};
}

std::string CmsErrorMessage(std::string_view stepErrorText, std::string_view reply) {
    return std::string(stepErrorText) + "\r\nError: " + ExplainCmsError(reply);
}

PictureSend::PictureSend(AtEngine& engine, SettingsStore& settings, Callbacks callbacks)
    : engine_(engine), settings_(settings), callbacks_(std::move(callbacks)) {}

void PictureSend::mySendSMS(const PictureGrid& picture, std::u32string_view text,
                            std::string_view smscNumber) {
    if (callbacks_.setTitle) {
        callbacks_.setTitle(SendingTitle);
    }
    const int port = ReadInt(settings_, keys::COMPort);
    Run(port, BuildSend(settings_, picture, text, smscNumber));
}

void PictureSend::mySendSMSTo(int portNumber, std::string_view destination,
                              const PictureGrid& picture, std::u32string_view text,
                              std::string_view smscNumber) {
    if (callbacks_.setTitle) {
        callbacks_.setTitle(SendingTitle);
    }
    Run(portNumber, BuildSendTo(settings_, destination, picture, text, smscNumber));
}

void PictureSend::Run(int portNumber, const PictureMessagePdus& pdus) {
    const std::string n = std::to_string(portNumber);
    engine_.SetPortNumber(portNumber);
    engine_.ClearQueue();
    engine_.QueueCommand("AT\r", reply::Ok, 0, "Can't talk to COM" + n + ".");
    engine_.QueueCommand("ATZ\r", reply::Ok, 5, "Can't talk to COM" + n + " driver.");
    engine_.QueueCommand("AT+CMGF=0\r", reply::Ok, 20, "Can't set params.");
    for (int s = 0; s < SegmentCount; ++s) {
        const SubmitSegment& segment = pdus.segments[static_cast<size_t>(s)];
        const std::string part = "(" + std::to_string(s + 1) + "/3).";
        engine_.QueueCommand("AT+CMGS=" + std::to_string(segment.length) + "\r", reply::Prompt,
                             kSegmentMarkers[s], "Can't initiate sending " + part);
        engine_.QueueCommand(segment.line, reply::Ok, kSegmentMarkers[s] + 10,
                             "Can't send SMS " + part);
    }
    engine_.Start(*this);
}

ConversationRules PictureSend::Rules() const {
    return {.retryLimit = 5, .intervalMs = 2000, .watchesBreak = true, .arrivingWaits = true};
}

bool PictureSend::WritesAgain(const Step& step) const {
    // The message lines end with Ctrl-Z; the commands with a CR.
    return step.command.empty() || step.command.back() != CtrlZ;
}

void PictureSend::OnStepWriting(AtEngine& engine, int index) {
    const int marker = engine.StepAt(index).marker;
    Progress(marker);
    const std::string title = SendingSegmentTitle(marker);
    if (!title.empty() && callbacks_.setTitle) {
        callbacks_.setTitle(title);
    }
}

void PictureSend::OnFinished(AtEngine& engine) {
    Progress(100);
    if (callbacks_.countUsage) {
        callbacks_.countUsage(kUsageSms);
    }
    engine.ShowInformation(DataSentText);
    Finish(true);
}

void PictureSend::OnTimedOut(AtEngine& engine) {
    engine.ShowLinkError(4);
    Finish(false);
}

void PictureSend::OnOpenFailed(AtEngine& engine) {
    engine.ShowError(engine.StepAt(0).errorText);
    Finish(false);
}

void PictureSend::OnCancelled(AtEngine& engine, bool /*noticedByTick*/) {
    engine.ShowError(engine.StepInProgress().errorText);
    Finish(false);
}

void PictureSend::OnFatalReply(AtEngine& engine) {
    engine.ShowError(CmsErrorMessage(engine.StepInProgress().errorText, engine.ReplyBuffer()));
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
