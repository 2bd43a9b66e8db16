// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The messages stored on the phone, read over the AT engine from the SIM and the phone memory
// and handed on as the phone lists them: which memory, the index, the status, the length and
// the PDU in hex. Turning a PDU into a picture is the SMS layer's business.
//
// The conversation, in PDU mode:
//   AT                 OK
//   AT+CMGF=0          OK
//   AT+CPMS="SM"       +CPMS: 3,30,3,30,3,30  then OK
//   AT+CMGL=4          +CMGL: 1,1,,40         one header per message, the PDU on the next
//                      0791...                line(s), then OK (an empty memory: just OK)
//   AT+CPMS="ME" and AT+CMGL=4 again for the phone memory.
//
// Only the read memory (the first of the three AT+CPMS takes) is chosen: that is the one
// AT+CMGL lists from, and leaving the other two alone keeps where the phone writes and stores
// new messages as the user set it. Nothing is deleted; but a phone marks a "REC UNREAD"
// message as "REC READ" once AT+CMGL has listed it, as the phone's own menu would.
//
// A memory the phone refuses ("+CMS ERROR: ..." or "ERROR" to its AT+CPMS or AT+CMGL) is
// reported and skipped; the other memory is read all the same.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "phone/at_engine.h"
#include "phone/step_table.h"

namespace pixora {

// The message status AT+CMGL reports in PDU mode.
enum class StoredStatus : int {
    ReceivedUnread = 0,
    ReceivedRead = 1,
    StoredUnsent = 2,
    StoredSent = 3
};

struct StoredMessage {
    std::string memory;  // "SM" or "ME"
    int index = 0;       // position in that memory
    StoredStatus status = StoredStatus::ReceivedRead;
    std::string alpha;  // the optional name the phone puts in, quotes removed; mostly empty
    int length = 0;     // TPDU octets, as the header gives them
    std::string pdu;    // hex digits as the phone sent them, message-centre field first
};

// The phone's memories for messages.
inline constexpr const char* SimMessageMemory = "SM";
inline constexpr const char* PhoneMessageMemory = "ME";

// A SIM holds a few dozen messages and a phone memory a few hundred; a listing claiming more
// is cut here rather than growing without end.
inline constexpr size_t StoredMessageCapacity = 2000;
// The longest TPDU a message can have (a deliver with the longest address and 140 octets of
// user data) and the longest message-centre field.
inline constexpr int MaxTpduOctets = 176;
inline constexpr int MaxCentreOctets = 12;

// Appends to `messages` every complete entry of an AT+CMGL=4 reply, in the order listed, each
// tagged with `memory`. Blank lines, the echo, "OK" and anything else between entries are
// passed over. A PDU may come on one line or split over several; it is complete when it has
// as many hex digits as its message-centre length and the header's length call for. A header
// that does not parse, a PDU cut short by the next header or the end, or a PDU of non-hex text
// drops that entry only. Returns the number appended; stops at StoredMessageCapacity.
size_t ParseMessageListing(std::string_view reply, std::string_view memory,
                           std::vector<StoredMessage>& messages);

// A memory that could not be read: which, and the error box's text.
struct MemoryFailure {
    std::string memory;
    std::string text;
};

// The read conversation, as the editor's "Read Messages from Phone..." and the command line's
// receive use it: start it, let the engine run, take Messages() when finished(true) comes.
class StoredMessagesRead : public Conversation {
public:
    struct Callbacks {
        // The reading form: the given label in bold, the others normal.
        std::function<void(const std::string& label)> myShowLabel;
        // The read is over; `read` when at least one memory was listed. Error boxes (a memory
        // refused, time-out, cancel) have been shown.
        std::function<void(bool read)> finished;
    };

    StoredMessagesRead(AtEngine& engine, SettingsStore& settings, Callbacks callbacks);

    // Starts the read from the "COMPort" port; returns at once.
    void ReadStoredMessages();
    // The reading form's Cancel and close.
    void Cancel() { engine_.SetBreak(true); }

    // The entries of the last read, SIM first; what was listed before a failure stays.
    const std::vector<StoredMessage>& Messages() const { return messages_; }
    // The memories of the last read that the phone refused.
    const std::vector<MemoryFailure>& Failures() const { return failures_; }

    ConversationRules Rules() const override;
    int StepCount() const override { return plan_.Count(); }
    Step BuildStep(int index) const override;
    void OnStepWriting(Exchange& exchange, int index, const Step& step) override;
    Reply Judge(Exchange& exchange, Reply state) override;
    void OnStepDone(Exchange& exchange) override;
    void OnFinished(Exchange& exchange) override;
    void OnTimedOut(Exchange& exchange) override;
    void OnOpenFailed(Exchange& exchange) override;
    void OnCancelled(Exchange& exchange, bool noticedByTick) override;

    // The steps' context: nothing, every command is fixed.
    struct Context {};

private:
    void ShowLabel(const char* label);
    void Finish(bool read);

    AtEngine& engine_;
    SettingsStore& settings_;
    Callbacks callbacks_;
    StepPlan<Context> plan_;
    std::vector<StoredMessage> messages_;
    std::vector<MemoryFailure> failures_;
    int listed_ = 0;        // memories whose listing answered
    bool refused_ = false;  // the step just judged was refused and is passed over
};

}  // namespace pixora
