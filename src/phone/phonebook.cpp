// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/phonebook.h"

#include "core/strings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/text.h"
#include "core/translate.h"
#include "core/utf8.h"
#include "formats/file_io.h"

namespace pixora {

namespace {

constexpr std::string_view kRangeKey = "+CPBR: (";
constexpr std::string_view kEntryKey = "+CPBR: ";
// Enough digits for any memory a phone has, few enough that no sum of them overflows.
constexpr size_t kMaxIndexDigits = 9;

// Step markers of the phonebook: 5/55 select the memory, 6/56 ask its size, 10/60 read the
// entries, which are parsed as soon as that read has answered.
constexpr int kSimSizeMarker = 6;
constexpr int kSimEntriesMarker = 10;
constexpr int kPhoneSizeMarker = 56;
constexpr int kPhoneEntriesMarker = 60;

// The entry read before the size query has given the range.
std::string EntryRead(const PhonebookReads& reads, int memory) {
    const std::string& read = reads.entryRead[memory];
    return read.empty() ? std::string("AT+CPBR=1,1\r") : read;
}

constexpr StepRow<PhonebookReads> kHeadSteps[] = {
    {.command = "AT\r", .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't talk to COM{port}.")},
};

constexpr StepRow<PhonebookReads> kSimSteps[] = {
    {.command = "AT+CPBS=\"SM\"\r",
     .marker = 5,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set phonebook-read to SIM-memory.")},
    {.command = "AT+CPBR=?\r",
     .marker = kSimSizeMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read phonebook-size from SIM.")},
    {.build = EntryRead,
     .part = 0,
     .marker = kSimEntriesMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read phonebook-entries from SIM.")},
};

constexpr StepRow<PhonebookReads> kPhoneSteps[] = {
    {.command = "AT+CPBS=\"ME\"\r",
     .marker = 55,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't set phonebook-read to phone-memory.")},
    {.command = "AT+CPBR=?\r",
     .marker = kPhoneSizeMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read phonebook-size from phone.")},
    {.build = EntryRead,
     .part = 1,
     .marker = kPhoneEntriesMarker,
     .errorText = PIXORA_TRANSLATE_NOOP("Phone", "Can't read phonebook-entries from phonebook.")},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

// A bound as a number; nullopt for anything but 1..9 digits.
std::optional<long> IndexValue(std::string_view text) {
    text = TrimBlanks(text, " ");
    if (text.empty() || text.size() > kMaxIndexDigits || !AllDigits(text)) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// A cache field must not carry the separator or a line end, or the line would read back as
// other fields; a name with ";" is kept readable with "," instead.
std::string CacheField(std::string_view text) {
    std::string field(text);
    for (char& c : field) {
        if (c == ';') {
            c = ',';
        } else if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return field;
}

char32_t FoldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c - U'A' + U'a';
    }
    // Latin-1 capitals (À..Þ without ×) as the list's comparison folds them.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 0x20;
    }
    return c;
}

}  // namespace

bool Phonebook::Append(PhonebookEntry entry) {
    if (Full()) {
        return false;
    }
    const auto position = static_cast<size_t>(count_);
    if (rows_.size() <= position) {
        rows_.resize(position + 1);
    }
    rows_[position] = std::move(entry);
    ++count_;
    return true;
}

const PhonebookEntry& Phonebook::Entry(int position) const {
    static const PhonebookEntry kEmpty;
    if (position < 0 || static_cast<size_t>(position) >= rows_.size()) {
        return kEmpty;
    }
    return rows_[static_cast<size_t>(position)];
}

std::string StripQuotes(std::string_view text) {
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.back() == '"') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string MapPhoneChars(std::string_view text) {
    std::string mapped(text);
    for (char& c : mapped) {
        const auto code = static_cast<unsigned char>(c);
        for (const PhoneCharEntry& entry : PhoneCharTable()) {
            if (entry.first != 0 && entry.first == code) {
                c = static_cast<char>(entry.second);
                break;
            }
        }
    }
    return mapped;
}

bool ParseIndexRange(std::string_view reply, std::string& indexLow, std::string& indexHigh) {
    const size_t key = reply.find(kRangeKey);
    if (key == std::string_view::npos) {
        return false;
    }
    const size_t start = key + kRangeKey.size();
    const size_t dash = reply.find('-', start);
    if (dash == std::string_view::npos) {
        return false;
    }
    const size_t close = reply.find(')', dash + 1);
    if (close == std::string_view::npos) {
        return false;
    }
    const std::string_view low = TrimBlanks(reply.substr(start, dash - start), " ");
    const std::string_view high = TrimBlanks(reply.substr(dash + 1, close - dash - 1), " ");
    // The bounds go into the next command; text that is not a number would only earn an ERROR.
    if (!IndexValue(low) || !IndexValue(high)) {
        return false;
    }
    indexLow = std::string(low);
    indexHigh = std::string(high);
    return true;
}

int ParsePhonebookEntries(std::string_view reply, std::string_view memory,
                          std::string_view indexLow, std::string_view indexHigh, Phonebook& table) {
    const std::optional<long> low = IndexValue(indexLow);
    const std::optional<long> high = IndexValue(indexHigh);
    if (!low || !high || *low > *high) {
        return 0;
    }
    // One pass over the reply finds where each index's key first appears; walking the range
    // index by index instead would search the reply up to a billion times for (1-999999999).
    std::map<long, size_t> firstKey;
    for (size_t at = reply.find(kEntryKey); at != std::string_view::npos;
         at = reply.find(kEntryKey, at + 1)) {
        const size_t digits = at + kEntryKey.size();
        size_t end = digits;
        while (end < reply.size() && end - digits <= kMaxIndexDigits && IsDigit(reply[end])) {
            ++end;
        }
        const size_t length = end - digits;
        // The key is the index in plain decimal followed by ",": "07," is no key for 7.
        if (length == 0 || length > kMaxIndexDigits || end >= reply.size() || reply[end] != ',' ||
            (length > 1 && reply[digits] == '0')) {
            continue;
        }
        const long index = *IndexValue(reply.substr(digits, length));
        if (index >= *low && index <= *high) {
            firstKey.emplace(index, end + 1);
        }
    }
    int appended = 0;
    for (const auto& [index, fieldStart] : firstKey) {
        const size_t numberEnd = reply.find(',', fieldStart);
        if (numberEnd == std::string_view::npos) {
            break;
        }
        const size_t typeEnd = reply.find(',', numberEnd + 1);
        if (typeEnd == std::string_view::npos) {
            break;
        }
        const size_t textEnd = reply.find('\r', typeEnd + 1);
        if (textEnd == std::string_view::npos) {
            break;
        }
        PhonebookEntry entry;
        entry.name = MapPhoneChars(StripQuotes(reply.substr(typeEnd + 1, textEnd - typeEnd - 1)));
        entry.number = StripQuotes(reply.substr(fieldStart, numberEnd - fieldStart));
        entry.memory = std::string(memory);
        entry.index = std::to_string(index);
        if (!table.Append(std::move(entry))) {
            break;
        }
        ++appended;
    }
    return appended;
}

std::string PhonebookCacheErrorText(std::string_view path, std::string_view reason) {
    return TranslateText("Phone", "Can't save the phonebook to\r\n") + std::string(path) + "\r\n" +
           std::string(reason) + ".";
}

PhonebookStage StageOfMarker(int marker) {
    if (marker == kSimSizeMarker || marker == kPhoneSizeMarker) {
        return PhonebookStage::SizeQuery;
    }
    if (marker == kSimEntriesMarker || marker == kPhoneEntriesMarker) {
        return PhonebookStage::EntryRead;
    }
    return PhonebookStage::Other;
}

size_t ForeignAnswerLength(std::string_view reply, PhonebookStage stage) {
    const auto holdsListing = [](std::string_view answer) {
        for (size_t at = answer.find(kEntryKey); at != std::string_view::npos;
             at = answer.find(kEntryKey, at + 1)) {
            const size_t digit = at + kEntryKey.size();
            if (digit < answer.size() && IsDigit(answer[digit])) {
                return true;
            }
        }
        return false;
    };
    size_t dropped = 0;
    while (dropped < reply.size()) {
        const std::string_view rest = reply.substr(dropped);
        // The answer ends with the first final result line.
        size_t end = std::string_view::npos;
        for (std::string_view final : {std::string_view("OK\r\n"), std::string_view("ERROR\r\n")}) {
            const size_t at = rest.find(final);
            if (at != std::string_view::npos) {
                end = std::min(end, at + final.size());
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        const std::string_view answer = rest.substr(0, end);
        const bool foreign = (stage != PhonebookStage::EntryRead && holdsListing(answer)) ||
                             (stage != PhonebookStage::SizeQuery &&
                              answer.find(kRangeKey) != std::string_view::npos);
        if (!foreign) {
            break;
        }
        dropped += end;
    }
    return dropped;
}

std::string PhonebookCacheText(const Phonebook& table) {
    std::string text;
    for (int i = 0; i < table.PhonebookCount(); ++i) {
        const PhonebookEntry& entry = table.Entry(i);
        if (entry.index.empty()) {
            continue;
        }
        text += CacheField(entry.name) + ";" + CacheField(entry.number) + ";" +
                CacheField(entry.memory) + ";" + CacheField(entry.index) + ";\r\n";
    }
    return text;
}

CacheLoad ParsePhonebookCache(std::string_view bytes, Phonebook& table) {
    table.ResetCount();
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", at);
        const std::string_view line =
            bytes.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (end == std::string_view::npos) {
            at = bytes.size();
        } else {
            // CR LF is one line end; a lone CR or LF (a file edited elsewhere) is one too.
            at = end +
                 (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
        }
        std::string_view fields[4];
        size_t from = 0;
        for (std::string_view& field : fields) {
            const size_t semicolon = line.find(';', from);
            if (semicolon == std::string_view::npos) {
                return CacheLoad::Malformed;
            }
            field = line.substr(from, semicolon - from);
            from = semicolon + 1;
        }
        if (!table.Append({std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                           std::string(fields[3])})) {
            // A cache longer than the table: what fits is the phonebook.
            break;
        }
    }
    return CacheLoad::Loaded;
}

std::vector<PhonebookComboItem> myPhonebook2Combo(const Phonebook& table) {
    struct Keyed {
        std::u32string key;
        PhonebookComboItem item;
    };
    std::vector<Keyed> rows;
    for (int i = 0; i < table.PhonebookCount(); ++i) {
        const PhonebookEntry& entry = table.Entry(i);
        if (entry.index.empty()) {
            continue;
        }
        const std::u32string name = DecodeCp1252(entry.name);
        std::u32string key = name;
        std::transform(key.begin(), key.end(), key.begin(), FoldCase);
        rows.push_back({std::move(key), {U32ToUtf8(name), i, DigitsOnly(entry.number)}});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<PhonebookComboItem> items;
    items.reserve(rows.size());
    for (Keyed& row : rows) {
        items.push_back(std::move(row.item));
    }
    return items;
}

PhonebookRead::PhonebookRead(AtEngine& engine, SettingsStore& settings, std::string cachePath,
                             Callbacks callbacks)
    : engine_(engine),
      settings_(settings),
      cachePath_(std::move(cachePath)),
      callbacks_(std::move(callbacks)) {}

void PhonebookRead::myReadPhonebook() {
    const int port = ReadInt(settings_, keys::COMPort);
    engine_.SetPortNumber(port);
    if (port == 0) {
        engine_.ShowLinkError(LinkError::NoPort);
        Finish(false);
        return;
    }
    table_.ResetCount();
    reads_ = {};
    plan_.Clear();
    plan_.Add(kHeadSteps);
    if (ReadBool(settings_, keys::PBookReadSM)) {
        plan_.Add(kSimSteps);
    }
    if (ReadBool(settings_, keys::PBookReadME)) {
        plan_.Add(kPhoneSteps);
    }
    ShowLabel(StageInitializing);
    engine_.Start(*this);
}

bool PhonebookRead::myPhonebookLoad() {
    const std::optional<std::string> bytes = ReadWholeFile(cachePath_, PhonebookCacheMaxBytes);
    if (!bytes) {
        std::error_code ignored;
        // A file that is there but cannot be read (or is far too big) is damage; no file is not.
        if (!cachePath_.empty() && std::filesystem::exists(cachePath_, ignored)) {
            table_.ResetCount();
            engine_.Ui().Beep();
        }
        return false;
    }
    if (ParsePhonebookCache(*bytes, table_) != CacheLoad::Loaded) {
        engine_.Ui().Beep();
        return false;
    }
    return true;
}

bool PhonebookRead::SavePhonebookCache() {
    if (cachePath_.empty()) {
        return true;
    }
    // On a fresh installation the data folder does not exist yet.
    std::error_code folderError;
    const std::filesystem::path folder = std::filesystem::path(cachePath_).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, folderError);
    }
    std::string reason = folderError ? folderError.message() : std::string();
    if (reason.empty()) {
        errno = 0;
        if (WriteFileAtomically(cachePath_, PhonebookCacheText(table_))) {
            return true;
        }
        reason = errno != 0 ? std::strerror(errno)
                            : TranslateText("Phone", "the file could not be written");
    }
    engine_.ShowError(PhonebookCacheErrorText(cachePath_, reason));
    return false;
}

ConversationRules PhonebookRead::Rules() const {
    // A whole phone memory comes as one reply; room for a full table of long lines.
    return {.retryLimit = 3,
            .intervalMs = 1000,
            .watchesBreak = true,
            .arrivingWaits = true,
            .replyLimit = static_cast<size_t>(PhonebookCapacity) * 200};
}

Step PhonebookRead::BuildStep(int index) const {
    return plan_.Build(index, reads_, engine_.PortNumber());
}

void PhonebookRead::OnStepWriting(Exchange&, int, const Step& step) {
    if (step.marker == kSimSizeMarker) {
        ShowLabel(StageReadingSim);
    } else if (step.marker == kPhoneSizeMarker) {
        ShowLabel(StageReadingPhone);
    }
}

void PhonebookRead::SiftReply(Exchange& exchange) {
    // A command re-sent after silence may be answered twice; the second answer then arrives
    // while a later step waits, and would otherwise be taken for that step's reply.
    const size_t foreign = ForeignAnswerLength(exchange.ReplyBuffer(),
                                               StageOfMarker(exchange.StepInProgress().marker));
    if (foreign > 0) {
        exchange.DropReply(foreign);
    }
}

Reply PhonebookRead::Judge(Exchange& exchange, Reply state) {
    const PhonebookStage stage = StageOfMarker(exchange.StepInProgress().marker);
    if (stage == PhonebookStage::EntryRead && !exchange.HeardSinceWrite()) {
        // The "OK" still standing from the size query is no listing: the entry read is done
        // only by an answer of its own. Until one begins, silence counts as silence.
        return Reply::Nothing;
    }
    if (state != Reply::Range) {
        return state;
    }
    // The size query answered: the placeholder read that follows becomes a read of the whole
    // range. A range that does not parse leaves the last one (or the placeholder when there is
    // none).
    ParseIndexRange(exchange.ReplyBuffer(), indexLow_, indexHigh_);
    const StepRow<PhonebookReads>* next = plan_.Row(exchange.StepIndex() + 1);
    if (next != nullptr && next->build == EntryRead && !indexLow_.empty() && !indexHigh_.empty()) {
        reads_.entryRead[next->part] = "AT+CPBR=" + indexLow_ + "," + indexHigh_ + "\r";
    }
    return exchange.StepInProgress().expected;
}

void PhonebookRead::OnStepDone(Exchange& exchange) {
    // The buffer still holds the reply to the entry read.
    const int marker = exchange.StepInProgress().marker;
    if (marker == kSimEntriesMarker) {
        ParsePhonebookEntries(exchange.ReplyBuffer(), SimMemory, indexLow_, indexHigh_, table_);
    } else if (marker == kPhoneEntriesMarker) {
        ParsePhonebookEntries(exchange.ReplyBuffer(), PhoneMemory, indexLow_, indexHigh_, table_);
    }
}

void PhonebookRead::OnFinished(Exchange& exchange) {
    phonebookLoaded_ = true;
    cacheSaved_ = SavePhonebookCache();
    exchange.ShowInformation(TranslateText("Phone", "Phonebook read."));
    Finish(true);
}

void PhonebookRead::OnTimedOut(Exchange& exchange) {
    exchange.ShowLinkError(LinkError::TimedOut);
    Finish(false);
}

void PhonebookRead::OnOpenFailed(Exchange& exchange) {
    exchange.ShowError(exchange.StepInProgress().errorText);
    Finish(false);
}

void PhonebookRead::OnCancelled(Exchange& exchange, bool noticedByTick) {
    if (noticedByTick) {
        exchange.ShowError(exchange.StepInProgress().errorText);
    } else {
        exchange.ShowLinkError(LinkError::UserBreak);
    }
    Finish(false);
}

void PhonebookRead::ShowLabel(const char* label) {
    if (callbacks_.myShowLabel) {
        callbacks_.myShowLabel(label);
    }
}

void PhonebookRead::Finish(bool read) {
    if (callbacks_.finished) {
        callbacks_.finished(read);
    }
}

}  // namespace pixora
