// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/at_engine.h"

#include "core/document.h"
#include "core/translate.h"
#include "phone/step_table.h"

namespace pixora {

void Conversation::OnCancelled(Exchange& exchange, bool /*noticedByTick*/) {
    exchange.ShowError(exchange.StepInProgress().errorText);
}

std::string WithPortNumber(std::string_view text, int port) {
    constexpr std::string_view kPort = "{port}";
    std::string result(text);
    for (size_t at = result.find(kPort); at != std::string::npos; at = result.find(kPort, at)) {
        const std::string number = std::to_string(port);
        result.replace(at, kPort.size(), number);
        at += number.size();
    }
    return result;
}

AtEngine::AtEngine(SerialLink& link, UserInterface& ui) : link_(link), ui_(ui) {}

void AtEngine::ResetConversation(int retryLimit) {
    retryCount_ = 0;
    retryLimit_ = retryLimit;
    nextStep_ = 0;
    myBreak_ = false;
    replyState_ = Reply::Fresh;
    heardSinceWrite_ = false;
    reply_.Clear();
    current_ = conversation_ != nullptr && conversation_->StepCount() > 0
                   ? conversation_->BuildStep(0)
                   : Step{};
}

bool AtEngine::Start(Conversation& conversation) {
    if (conversation_ != nullptr) {
        End();
    }
    conversation_ = &conversation;
    reply_.SetLimit(conversation.Rules().replyLimit);
    ResetConversation(conversation.Rules().retryLimit);
    if (!OpenPort()) {
        End();
        // Whatever the conversation says about the port, the reason follows as a paragraph.
        openFailure_ = link_.OpenFailureText();
        reportingOpenFailure_ = true;
        conversation.OnOpenFailed(*this);
        reportingOpenFailure_ = false;
        return false;
    }
    openFailure_.clear();
    DriveStep();
    return true;
}

bool AtEngine::OpenPort() {
    if (link_.IsOpen()) {
        ClosePort();
    }
    if (!link_.Open(portNumber_, PhonePortSettings)) {
        ui_.Beep();
        return false;
    }
    return true;
}

void AtEngine::ClosePort() {
    if (link_.IsOpen() && !link_.Close()) {
        ui_.Beep();
    }
}

void AtEngine::WriteCommand() {
    // A failed write is not reported further: the missing reply runs into the retries.
    if (!link_.Write(current_.command)) {
        ui_.Beep();
    }
}

void AtEngine::ShowLinkError(LinkError error) {
    switch (error) {
        case LinkError::UserBreak:
            ShowError(TranslateText("Phone", "User break."));
            break;
        case LinkError::TimedOut:
            ShowError(TranslateText("Phone", "Error while talking to COM") +
                      std::to_string(portNumber_) + ".");
            break;
        case LinkError::NoPort:
            ShowError(TranslateText("Phone", NoPortText));
            break;
        default:
            break;
    }
}

void AtEngine::DriveStep() {
    Conversation* conversation = conversation_;
    if (conversation == nullptr) {
        return;
    }
    const ConversationRules rules = conversation->Rules();
    if (rules.watchesBreak && myBreak_) {
        End();
        conversation->OnCancelled(*this, false);
        return;
    }
    if (nextStep_ >= conversation->StepCount()) {
        End();
        conversation->OnFinished(*this);
        return;
    }
    reply_.Clear();
    heardSinceWrite_ = false;
    current_ = conversation->BuildStep(nextStep_);
    conversation->OnStepWriting(*this, nextStep_, current_);
    WriteCommand();
    ++nextStep_;
    StartTimer(rules.intervalMs);
}

void AtEngine::Received(std::string_view bytes) {
    if (conversation_ == nullptr) {
        return;
    }
    replyState_ = reply_.Append(bytes);
    heardSinceWrite_ = heardSinceWrite_ || !bytes.empty();
}

void AtEngine::DropReply(size_t count) {
    reply_.DropFront(count);
    replyState_ = ClassifyReply(reply_.Text(), heardSinceWrite_);
}

void AtEngine::Tick() {
    Conversation* conversation = conversation_;
    if (conversation == nullptr || !timerRunning_) {
        return;
    }
    StopTimer();
    const ConversationRules rules = conversation->Rules();
    if (rules.watchesBreak && myBreak_) {
        End();
        conversation->OnCancelled(*this, true);
        return;
    }
    if (!link_.IsOpen()) {
        End();
        conversation->OnTimedOut(*this);
        return;
    }
    conversation->SiftReply(*this);
    if (rules.arrivingWaits && heardSinceWrite_ &&
        ClassifyReply(reply_.Text(), false) == Reply::Nothing) {
        // The reply has begun and is not complete: a second copy of the command now would
        // only be taken for garbage or, after a prompt, for a second message.
        StartTimer(rules.intervalMs);
        return;
    }
    replyState_ = conversation->Judge(*this, replyState_);
    if (replyState_ == current_.expected) {
        conversation->OnStepDone(*this);
        DriveStep();
        return;
    }
    if (conversation->IsFatalReply(replyState_)) {
        End();
        conversation->OnFatalReply(*this);
        return;
    }
    ++retryCount_;
    if (retryCount_ > retryLimit_) {
        End();
        conversation->OnTimedOut(*this);
        return;
    }
    // The buffer is kept on purpose: a reply that once failed stays failed.
    if (conversation->WritesAgain(current_)) {
        WriteCommand();
    }
    StartTimer(rules.intervalMs);
}

void AtEngine::LinkLost() {
    Conversation* conversation = conversation_;
    if (conversation == nullptr) {
        return;
    }
    End();
    conversation->OnTimedOut(*this);
}

void AtEngine::ShowError(const std::string& text) {
    if (reportingOpenFailure_ && !openFailure_.empty()) {
        ui_.MessageBox(text + "\r\n\r\n" + openFailure_, ProductName, MessageIcon::Error,
                       MessageButtons::Ok);
        return;
    }
    ui_.MessageBox(text, ProductName, MessageIcon::Error, MessageButtons::Ok);
}

void AtEngine::ShowInformation(const std::string& text) {
    ui_.MessageBox(text, ProductName, MessageIcon::Information, MessageButtons::Ok);
}

void AtEngine::StartTimer(int intervalMs) {
    timerRunning_ = true;
    timerInterval_ = intervalMs;
    if (timerHook_) {
        timerHook_(true, intervalMs);
    }
}

void AtEngine::StopTimer() {
    const bool wasRunning = timerRunning_;
    timerRunning_ = false;
    timerInterval_ = 0;
    if (wasRunning && timerHook_) {
        timerHook_(false, 0);
    }
}

Conversation* AtEngine::End() {
    Conversation* conversation = conversation_;
    conversation_ = nullptr;
    StopTimer();
    ClosePort();
    return conversation;
}

}  // namespace pixora
