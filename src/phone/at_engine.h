// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The AT command engine: one conversation at a time, one reply buffer, and a periodic tick that
// judges each step. It owns no timer and never waits: the platform feeds it Received() for every
// batch of incoming characters and Tick() whenever the conversation's timer fires, and starts or
// stops that timer when the engine asks through the timer hook. Everything runs on the caller's
// thread.
//
// A conversation plugs in as a Conversation: its steps (built from a constant table, see
// phone/step_table.h), its retry limit, tick interval, whether it watches Cancel and waits on
// partial replies, and what happens at its end, on cancel, time-out and when the port does not
// open. While it runs it sees the engine only through the narrow Exchange.
//
// A conversation that waits on partial replies never answers a reply that is still on its way
// with a second copy of the command: as long as characters have come since the command was
// written and none of the reply tokens is among them, each tick waits without counting a retry,
// however long the phone (or the network behind it) takes. A phone that stops in the middle
// keeps it waiting until the user cancels.

#include <functional>
#include <string>
#include <string_view>

#include "core/translate.h"
#include "core/user_interface.h"
#include "phone/reply_classifier.h"
#include "phone/serial_link.h"

namespace pixora {

// What a phone command says when no serial port is chosen: the link's own error 6, and the send
// command's check before its dialog opens.
inline constexpr const char* NoPortText = PIXORA_TRANSLATE_NOOP(
    "Phone", "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'");

// One step as it goes to the port.
struct Step {
    std::string command;         // written as is, CR included where there is one
    Reply expected = Reply::Ok;  // the reply state that completes the step
    int marker = 0;              // progress percentage or stage number
    std::string errorText;       // shown when the step fails or is cancelled
};

// The link errors the conversations report; the numbers are the ones the messages were known by.
enum class LinkError : int {
    UserBreak = 3,  // "User break."
    TimedOut = 4,   // "Error while talking to COMn."
    NoPort = 6,     // no port configured
};

struct ConversationRules {
    int retryLimit = 3;          // re-sends allowed in the whole conversation
    int intervalMs = 1000;       // tick interval
    bool watchesBreak = false;   // Cancel is checked by the step driver and the tick
    bool arrivingWaits = false;  // a reply begun but without a token postpones the judgement
    size_t replyLimit = ReplyBufferLimit;  // characters of the reply kept, the newest
};

// What a running conversation sees of the engine.
class Exchange {
public:
    // Everything received since the command of the step in progress was written.
    virtual const std::string& ReplyBuffer() const = 0;
    // Characters have arrived since the command of the step in progress was first written.
    virtual bool HeardSinceWrite() const = 0;
    // The step whose reply is awaited, or the first one before any was written.
    virtual const Step& StepInProgress() const = 0;
    // Its index in the conversation's steps.
    virtual int StepIndex() const = 0;
    // Drops the first `count` characters of the reply and classifies the rest anew.
    virtual void DropReply(size_t count) = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void ShowLinkError(LinkError error) = 0;

protected:
    ~Exchange() = default;
};

class Conversation {
public:
    virtual ~Conversation() = default;
    virtual ConversationRules Rules() const = 0;

    // The steps of this run. A step is built when it is about to be written, so its command may
    // depend on what the replies before it said.
    virtual int StepCount() const = 0;
    virtual Step BuildStep(int index) const = 0;

    // Step driver, just before step `index` is written (progress, titles, stage labels).
    virtual void OnStepWriting(Exchange& /*exchange*/, int /*index*/, const Step& /*step*/) {}
    // Tick, first of all: the chance to drop from the front of the reply what answers another
    // command (a late second answer to a re-sent one), with Exchange::DropReply.
    virtual void SiftReply(Exchange& /*exchange*/) {}
    // Tick: the state the step in progress is judged by; it is kept as the reply state. By
    // default the state as classified.
    virtual Reply Judge(Exchange& /*exchange*/, Reply state) { return state; }
    // Tick: the step in progress was answered as expected; runs before the next is written,
    // while ReplyBuffer() still holds the answer.
    virtual void OnStepDone(Exchange& /*exchange*/) {}
    // Tick: a reply that ends the conversation at once instead of being retried.
    virtual bool IsFatalReply(Reply /*state*/) const { return false; }
    // Tick, on a retry: whether the step's command may go to the port a second time. Where it
    // may not, the retry is counted all the same, so the step fails at the same tick.
    virtual bool WritesAgain(const Step& /*step*/) const { return true; }

    // The ends. The port is closed and the engine idle when these run, so each may start the
    // next conversation. ReplyBuffer() still holds the reply to the last command.
    virtual void OnFinished(Exchange& exchange) = 0;
    virtual void OnTimedOut(Exchange& exchange) = 0;
    virtual void OnOpenFailed(Exchange& exchange) = 0;
    // Default: the ErrorText of the step in progress in an error box. noticedByTick is false when
    // the step driver saw the Cancel (it came while the port was being opened).
    virtual void OnCancelled(Exchange& exchange, bool noticedByTick);
    virtual void OnFatalReply(Exchange& /*exchange*/) {}
};

class AtEngine : private Exchange {
public:
    // The hook is told (true, interval) to start or restart the timer, (false, 0) to stop it.
    using TimerHook = std::function<void(bool running, int intervalMs)>;

    AtEngine(SerialLink& link, UserInterface& ui);
    AtEngine(const AtEngine&) = delete;
    AtEngine& operator=(const AtEngine&) = delete;

    // The port the next conversation opens (the user's COM number).
    void SetPortNumber(int port) { portNumber_ = port; }
    int PortNumber() const { return portNumber_; }
    // Resets the conversation state with the conversation's rules, opens the port and writes
    // the first step; when the port does not open, the conversation's OnOpenFailed. Returns
    // whether the port opened. A conversation still running is dropped without a report.
    bool Start(Conversation& conversation);

    // Inputs.
    void Received(std::string_view bytes);
    void Tick();
    // The port went away underneath us (device unplugged): the conversation fails now instead
    // of waiting on a reply that cannot come.
    void LinkLost();
    // The progress form's Cancel: noticed at the next tick of a conversation that watches it.
    void SetBreak(bool value) { myBreak_ = value; }

    void SetTimerHook(TimerHook hook) { timerHook_ = std::move(hook); }

    bool Running() const { return conversation_ != nullptr; }
    bool TimerRunning() const { return timerRunning_; }
    int TimerInterval() const { return timerInterval_; }
    Reply ReplyState() const { return replyState_; }
    int RetryCount() const { return retryCount_; }
    int RetryLimit() const { return retryLimit_; }
    // Why the port of the last conversation did not open; "" when it did.
    const std::string& OpenFailure() const { return openFailure_; }
    UserInterface& Ui() { return ui_; }

    // Also what a conversation sees.
    const std::string& ReplyBuffer() const override { return reply_.Text(); }
    bool HeardSinceWrite() const override { return heardSinceWrite_; }
    const Step& StepInProgress() const override { return current_; }
    int StepIndex() const override { return nextStep_ > 0 ? nextStep_ - 1 : 0; }
    void DropReply(size_t count) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    // UserBreak, TimedOut and NoPort each show their message; any other value shows nothing.
    void ShowLinkError(LinkError error) override;

private:
    void ResetConversation(int retryLimit);
    // The port operations; every failure sounds the beep.
    bool OpenPort();
    void ClosePort();
    void WriteCommand();
    // The step driver: writes the next step or runs the end.
    void DriveStep();
    void StartTimer(int intervalMs);
    void StopTimer();
    // Detaches the conversation and closes the port; returns the one that was running.
    Conversation* End();

    SerialLink& link_;
    UserInterface& ui_;
    Conversation* conversation_ = nullptr;
    TimerHook timerHook_;
    bool timerRunning_ = false;
    int timerInterval_ = 0;

    int portNumber_ = 0;
    int nextStep_ = 0;
    Step current_;
    ReplyCollector reply_;
    Reply replyState_ = Reply::Fresh;
    bool heardSinceWrite_ = false;
    int retryCount_ = 0;
    int retryLimit_ = 0;
    bool myBreak_ = false;
    std::string openFailure_;
    bool reportingOpenFailure_ = false;
};

}  // namespace pixora
