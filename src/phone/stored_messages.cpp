// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/stored_messages.h"

#include <optional>

#include "core/settings_keys.h"
#include "core/strings.h"
#include "core/translate.h"
#include "phone/cms_errors.h"
#include "phone/phonebook.h"

namespace pixora {

namespace {

constexpr std::string_view kListingKey = "+CMGL:";

// Step markers: 5/55 choose the memory, 10/60 list it.
constexpr int kSimSelectMarker = 5;
constexpr int kSimListMarker = 10;
constexpr int kPhoneSelectMarker = 55;
constexpr int kPhoneListMarker = 60;

using Row = StepRow<StoredMessagesRead::Context>;

constexpr Row kHeadSteps[] = {
    {.command = "AT\r", .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't talk to COM{port}.")},
    {.command = "AT+CMGF=0\r",
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set the phone to PDU mode.")},
};

constexpr Row kSimSteps[] = {
    {.command = "AT+CPMS=\"SM\"\r",
     .marker = kSimSelectMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set message-read to SIM-memory.")},
    {.command = "AT+CMGL=4\r",
     .marker = kSimListMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read messages from SIM.")},
};

constexpr Row kPhoneSteps[] = {
    {.command = "AT+CPMS=\"ME\"\r",
     .marker = kPhoneSelectMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set message-read to phone-memory.")},
    {.command = "AT+CMGL=4\r",
     .marker = kPhoneListMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read messages from phone.")},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexNibble(char c) {
    return IsDigit(c) ? c - '0' : (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

bool AllHex(std::string_view text) {
    for (char c : text) {
        if (!IsHexDigit(c)) {
            return false;
        }
    }
    return !text.empty();
}

// A field of one to four digits (indexes and lengths are far smaller), blanks around allowed.
std::optional<int> SmallNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// "+CMGL: <index>,<stat>,[<alpha>],<length>": the alpha may be quoted and then hold commas.
std::optional<StoredMessage> ParseHeader(std::string_view line) {
    line.remove_prefix(kListingKey.size());
    const size_t first = line.find(',');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    size_t alphaEnd = second + 1;
    while (alphaEnd < line.size() && line[alphaEnd] == ' ') {
        ++alphaEnd;
    }
    if (alphaEnd < line.size() && line[alphaEnd] == '"') {
        alphaEnd = line.find('"', alphaEnd + 1);
        if (alphaEnd == std::string_view::npos) {
            return std::nullopt;
        }
    }
    const size_t third = line.find(',', alphaEnd);
    if (third == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> index = SmallNumber(line.substr(0, first));
    const std::optional<int> status = SmallNumber(line.substr(first + 1, second - first - 1));
    const std::optional<int> length = SmallNumber(line.substr(third + 1));
    if (!index || !status || *status > 3 || !length || *length == 0 || *length > MaxTpduOctets) {
        return std::nullopt;
    }
    StoredMessage message;
    message.index = *index;
    message.status = static_cast<StoredStatus>(*status);
    message.alpha = StripQuotes(TrimBlanks(line.substr(second + 1, third - second - 1)));
    message.length = *length;
    return message;
}

// Hex digits the whole PDU has once its first octet (the message-centre length) is known.
std::optional<size_t> PduDigits(const StoredMessage& message) {
    if (message.pdu.size() < 2) {
        return std::nullopt;
    }
    const int centre = HexNibble(message.pdu[0]) * 16 + HexNibble(message.pdu[1]);
    if (centre > MaxCentreOctets) {
        return std::nullopt;
    }
    return static_cast<size_t>(1 + centre + message.length) * 2;
}

}  // namespace

size_t ParseMessageListing(std::string_view reply, std::string_view memory,
                           std::vector<StoredMessage>& messages) {
    size_t appended = 0;
    std::optional<StoredMessage> open;  // a header whose PDU is still being collected
    size_t at = 0;
    while (at < reply.size() && messages.size() < StoredMessageCapacity) {
        size_t end = reply.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            end = reply.size();
        }
        const std::string_view line = TrimBlanks(reply.substr(at, end - at));
        at = end + 1;
        if (line.empty()) {
            continue;
        }
        if (line.substr(0, kListingKey.size()) == kListingKey) {
            // A new header: a PDU still short before it was cut off.
            open = ParseHeader(line);
            if (open) {
                open->memory = std::string(memory);
            }
            continue;
        }
        if (!open) {
            continue;  // echo, "OK", anything between entries
        }
        if (!AllHex(line)) {
            open.reset();
            continue;
        }
        open->pdu += line;
        const std::optional<size_t> digits = PduDigits(*open);
        if (open->pdu.size() >= 2 && !digits) {
            open.reset();
            continue;
        }
        if (digits && open->pdu.size() >= *digits) {
            // Digits past the announced length are the phone's business; the PDU is handed
            // on as sent, and its reader judges it.
            messages.push_back(std::move(*open));
            open.reset();
            ++appended;
        }
    }
    return appended;
}

StoredMessagesRead::StoredMessagesRead(AtEngine& engine, SettingsStore& settings,
                                       Callbacks callbacks)
    : engine_(engine), settings_(settings), callbacks_(std::move(callbacks)) {}

void StoredMessagesRead::ReadStoredMessages() {
    const int port = ReadInt(settings_, keys::COMPort);
    engine_.SetPortNumber(port);
    messages_.clear();
    failures_.clear();
    listed_ = 0;
    refused_ = false;
    if (port == 0) {
        engine_.ShowLinkError(LinkError::NoPort);
        Finish(false);
        return;
    }
    plan_.Clear();
    plan_.Add(kHeadSteps);
    plan_.Add(kSimSteps);
    plan_.Add(kPhoneSteps);
    ShowLabel(StageInitializing);
    engine_.Start(*this);
}

ConversationRules StoredMessagesRead::Rules() const {
    // A whole memory comes as one reply: room for a full listing of the longest PDUs.
    return {.retryLimit = 3,
            .intervalMs = 1000,
            .watchesBreak = true,
            .arrivingWaits = true,
            .replyLimit = StoredMessageCapacity * (2 * (1 + MaxCentreOctets + MaxTpduOctets) + 80)};
}

Step StoredMessagesRead::BuildStep(int index) const {
    return plan_.Build(index, Context{}, engine_.PortNumber());
}

void StoredMessagesRead::OnStepWriting(Exchange&, int, const Step& step) {
    if (step.marker == kSimSelectMarker) {
        ShowLabel(StageReadingSim);
    } else if (step.marker == kPhoneSelectMarker) {
        ShowLabel(StageReadingPhone);
    }
}

Reply StoredMessagesRead::Judge(Exchange& exchange, Reply state) {
    const Step& step = exchange.StepInProgress();
    const bool select = step.marker == kSimSelectMarker || step.marker == kPhoneSelectMarker;
    const bool list = step.marker == kSimListMarker || step.marker == kPhoneListMarker;
    if (!select && !list) {
        return state;
    }
    if (state == Reply::CmsError || state == Reply::Failed) {
        // A definite no for this memory: asking again would get the same answer. The other
        // memory is still worth reading.
        const std::string explanation = ExplainCmsError(exchange.ReplyBuffer());
        const bool sim = step.marker == kSimSelectMarker || step.marker == kSimListMarker;
        failures_.push_back(
            {sim ? SimMessageMemory : PhoneMessageMemory,
             explanation.empty() ? step.errorText : step.errorText + "\r\n" + explanation});
        if (select) {
            plan_.Drop(exchange.StepIndex() + 1);
        }
        refused_ = true;
        return step.expected;
    }
    if (list && (state == Reply::Prompt || state == Reply::Range) &&
        exchange.ReplyBuffer().find("OK\r\n") != std::string::npos) {
        // "> " or "CPBR: (" inside a name the phone put in the listing is no answer of its own.
        return Reply::Ok;
    }
    return state;
}

void StoredMessagesRead::OnStepDone(Exchange& exchange) {
    const int marker = exchange.StepInProgress().marker;
    if (refused_) {
        refused_ = false;
        return;
    }
    if (marker == kSimListMarker || marker == kPhoneListMarker) {
        ParseMessageListing(exchange.ReplyBuffer(),
                            marker == kSimListMarker ? SimMessageMemory : PhoneMessageMemory,
                            messages_);
        ++listed_;
    }
}

void StoredMessagesRead::OnFinished(Exchange& exchange) {
    for (const MemoryFailure& failure : failures_) {
        exchange.ShowError(failure.text);
    }
    Finish(listed_ > 0);
}

void StoredMessagesRead::OnTimedOut(Exchange& exchange) {
    exchange.ShowLinkError(LinkError::TimedOut);
    Finish(false);
}

void StoredMessagesRead::OnOpenFailed(Exchange& exchange) {
    exchange.ShowError(exchange.StepInProgress().errorText);
    Finish(false);
}

void StoredMessagesRead::OnCancelled(Exchange& exchange, bool noticedByTick) {
    if (noticedByTick) {
        exchange.ShowError(exchange.StepInProgress().errorText);
    } else {
        exchange.ShowLinkError(LinkError::UserBreak);
    }
    Finish(false);
}

void StoredMessagesRead::ShowLabel(const char* label) {
    if (callbacks_.myShowLabel) {
        callbacks_.myShowLabel(label);
    }
}

void StoredMessagesRead::Finish(bool read) {
    if (callbacks_.finished) {
        callbacks_.finished(read);
    }
}

}  // namespace pixora
