#pragma once
// The AT command engine: one conversation at a time, a queue of up to ten commands, one reply
// buffer, and a periodic tick that judges each step. It owns no timer and never waits: the
// platform feeds it Received() for every batch of incoming characters and Tick() whenever the
// conversation's timer fires, and starts or stops that timer when the engine asks through the
// timer hook. Everything runs on the caller's thread.
//
// A conversation plugs in as a Conversation: its retry limit, tick interval, whether it watches
// Cancel and waits on partial replies, and what happens at its end, on cancel, time-out and when
// the port does not open.
//
// A conversation that waits on partial replies never answers a reply that is still on its way
// with a second copy of the command: as long as characters have come since the command was
// written and none of the reply tokens is among them, each tick waits without counting a retry,
// however long the phone (or the network behind it) takes. A phone that stops in the middle
// keeps it waiting until the user cancels.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/user_interface.h"
#include "phone/reply_classifier.h"
#include "phone/serial_link.h"

namespace pixora {

// What a phone command says when no serial port is chosen: the link's own error 6, and the send
// command's check before its dialog opens.
inline constexpr const char* NoPortText =
    "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'";

struct Step {
    std::string command;    // written as is, CR included where there is one
    int expected = 0;       // the reply state that completes the step
    int marker = 0;         // progress percentage or stage number
    std::string errorText;  // shown when the step fails or is cancelled
};

struct ConversationRules {
    int retryLimit = 3;          // re-sends allowed in the whole conversation
    int intervalMs = 1000;       // tick interval
    bool watchesBreak = false;   // Cancel is checked by the step driver and the tick
    bool arrivingWaits = false;  // a reply begun but without a token postpones the judgement
    size_t replyLimit = ReplyBufferLimit;  // characters of the reply kept, the newest
};

class AtEngine;

class Conversation {
public:
    virtual ~Conversation() = default;
    virtual ConversationRules Rules() const = 0;

    // Step driver, after the cancel check and before the end check (pseudo-steps, labels).
    virtual void BeforeStep(AtEngine& /*engine*/) {}
    // Step driver, just before step `index` is written (progress, titles).
    virtual void OnStepWriting(AtEngine& /*engine*/, int /*index*/) {}
    // Tick, before the reply is compared with the step's expectation (index ranges).
    virtual void BeforeJudge(AtEngine& /*engine*/) {}
    // Tick, first of all: the chance to drop from the front of the reply what answers another
    // command (a late second answer to a re-sent one), with AtEngine::DropReply.
    virtual void SiftReply(AtEngine& /*engine*/) {}
    // Tick: a reply that ends the conversation at once instead of being retried.
    virtual bool IsFatalReply(int /*state*/) const { return false; }
    // Tick, on a retry: whether the step's command may go to the port a second time. Where it
    // may not, the retry is counted all the same, so the step fails at the same tick.
    virtual bool WritesAgain(const Step& /*step*/) const { return true; }

    // The ends. The port is closed and the engine idle when these run, so each may start the
    // next conversation. ReplyBuffer() still holds the reply to the last command.
    virtual void OnFinished(AtEngine& engine) = 0;
    virtual void OnTimedOut(AtEngine& engine) = 0;
    virtual void OnOpenFailed(AtEngine& engine) = 0;
    // Default: the ErrorText of the step in progress in an error box.
    virtual void OnCancelled(AtEngine& engine, bool noticedByTick);
    virtual void OnFatalReply(AtEngine& /*engine*/) {}
};

class AtEngine {
public:
    static constexpr int QueueCapacity = 10;
    // The hook is told (true, interval) to start or restart the timer, (false, 0) to stop it.
    using TimerHook = std::function<void(bool running, int intervalMs)>;

    AtEngine(SerialLink& link, UserInterface& ui);
    AtEngine(const AtEngine&) = delete;
    AtEngine& operator=(const AtEngine&) = delete;

    // Building a conversation, in the order a starter calls them.
    void SetPortNumber(int port) { portNumber_ = port; }
    int PortNumber() const { return portNumber_; }
    void ClearQueue() { stepCount_ = 0; }
    // False when the queue is full; the step is then dropped.
    bool QueueCommand(std::string_view command, int expected, int marker,
                      std::string_view errorText);
    void ResetConversation(int retryLimit);
    // ResetConversation with the conversation's limit, OpenPort, then the step driver; when the
    // port does not open, the conversation's OnOpenFailed. Returns whether the port opened.
    // A conversation still running is dropped without a report.
    bool Start(Conversation& conversation);

    // The port operations; every failure sounds the beep.
    bool OpenPort();
    void ClosePort();
    void WriteCommand();
    // Codes 3 (user break), 4 (time-out) and 6 (no port configured); others show nothing.
    void ShowLinkError(int code);

    // The generic step driver: writes the next step or runs the end.
    void DriveStep();

    // Inputs.
    void Received(std::string_view bytes);
    void Tick();
    // The port went away underneath us (device unplugged): the conversation fails now instead
    // of waiting on a reply that cannot come.
    void LinkLost();
    void SetBreak(bool value) { myBreak_ = value; }

    void SetTimerHook(TimerHook hook) { timerHook_ = std::move(hook); }

    // State, under the names the conversations use.
    bool Running() const { return conversation_ != nullptr; }
    bool TimerRunning() const { return timerRunning_; }
    int TimerInterval() const { return timerInterval_; }
    bool myBreak() const { return myBreak_; }
    const std::string& ReplyBuffer() const { return reply_.Text(); }
    int ReplyState() const { return replyState_; }
    void SetReplyState(int state) { replyState_ = state; }
    // Characters have arrived since the command of the step in progress was first written.
    bool HeardSinceWrite() const { return heardSinceWrite_; }
    // Drops the first `count` characters of the reply and classifies the rest anew.
    void DropReply(size_t count);
    int RetryCount() const { return retryCount_; }
    int RetryLimit() const { return retryLimit_; }
    int StepCount() const { return stepCount_; }
    int NextStep() const { return nextStep_; }
    void SetNextStep(int index) { nextStep_ = index; }
    const std::string& CurrentCommand() const { return currentCommand_; }
    // Steps 0..StepCount()-1; index is clamped into the queue.
    Step& StepAt(int index);
    // The step whose reply is awaited (NextStep - 1), or the first one before any was written.
    const Step& StepInProgress() const;

    // Why the port of the last conversation did not open; "" when it did.
    const std::string& OpenFailure() const { return openFailure_; }

    UserInterface& Ui() { return ui_; }
    void ShowError(const std::string& text);
    void ShowInformation(const std::string& text);

private:
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
    std::array<Step, QueueCapacity> commandQueue_;
    int stepCount_ = 0;
    int nextStep_ = 0;
    std::string currentCommand_;
    ReplyCollector reply_;
    int replyState_ = reply::Fresh;
    bool heardSinceWrite_ = false;
    int retryCount_ = 0;
    int retryLimit_ = 0;
    bool myBreak_ = false;
    std::string openFailure_;
    bool reportingOpenFailure_ = false;
};

}  // namespace pixora
