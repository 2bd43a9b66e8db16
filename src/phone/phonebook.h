// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's phonebook: read from the SIM and the phone memory over the AT engine, kept in a
// table, written to a cache file so later runs can offer the names without the phone, and turned
// into the send dialog's list.
//
// Reply shapes relied on (echo and blank lines may come in between):
//   AT+CPBR=?        +CPBR: (1-250),40,18            the index range, then OK
//   AT+CPBR=1,250    +CPBR: 3,"+4912345",145,"Bob"   one line per used index, then OK
//
// Cache file, one line per entry, CR LF after each, no header, no quoting:
//   Name;Number;Memory;Index;          e.g. Office;+41791234567;A;12;
// Names are kept in Windows-1252, as the picture text is.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "core/translate.h"
#include "phone/at_engine.h"
#include "phone/step_table.h"

namespace pixora {

struct PhonebookEntry {
    std::string name;    // quotes removed, phone letters mapped to Windows-1252
    std::string number;  // as the phone gives it, quotes removed; may hold "+"
    std::string memory;  // "A" SIM, "B" phone memory
    std::string index;   // position in the phone's memory; empty counts as no entry
};

// SIM and phone memory together rarely hold more than a few hundred names; a memory claiming
// more is cut here rather than growing without end.
inline constexpr int PhonebookCapacity = 5000;

// The table. A new read or load starts over at position 0 but leaves the rows behind the count
// in place, so a list built from a half-finished read still finds its rows.
class Phonebook {
public:
    int PhonebookCount() const { return count_; }
    void ResetCount() { count_ = 0; }
    // False when the table is full; the entry is then dropped.
    bool Append(PhonebookEntry entry);
    bool Full() const { return count_ >= PhonebookCapacity; }
    // Row `position`; an empty entry for a position that was never filled.
    const PhonebookEntry& Entry(int position) const;

private:
    std::vector<PhonebookEntry> rows_;
    int count_ = 0;
};

// Memory tags.
inline constexpr const char* SimMemory = "A";
inline constexpr const char* PhoneMemory = "B";

// Stage labels of the reading form.
inline constexpr const char* StageInitializing = PIXORA_TRANSLATE_NOOP("Phone", "- Initializing");
inline constexpr const char* StageReadingSim = PIXORA_TRANSLATE_NOOP("Phone", "- Reading from SIM");
inline constexpr const char* StageReadingPhone =
    PIXORA_TRANSLATE_NOOP("Phone", "- Reading from Phone");

// One leading and one trailing double quote removed, each only when present.
std::string StripQuotes(std::string_view text);
// Code-page-437 letters of phone names (142 Ä, 132 ä, ...) to their Windows-1252 codes.
std::string MapPhoneChars(std::string_view text);

// From "+CPBR: (1-250),40,18": "1" and "250". False, and both left as they were, when the reply
// holds no such range or its bounds are not plain numbers of at most nine digits.
bool ParseIndexRange(std::string_view reply, std::string& indexLow, std::string& indexHigh);

// Appends, in index order from indexLow to indexHigh, the entry of every index whose
// "+CPBR: <i>," key appears in the reply (the first one where it appears twice). The text field
// runs to the CR, so names with commas stay whole. A found key without the two commas or the CR
// after it ends the search: the reply was cut off there. Returns the number of entries appended;
// stops early when the table is full.
int ParsePhonebookEntries(std::string_view reply, std::string_view memory,
                          std::string_view indexLow, std::string_view indexHigh, Phonebook& table);

// Which answers a phonebook step takes: only the size query takes a range, only the entry read
// takes a listing.
enum class PhonebookStage { Other, SizeQuery, EntryRead };
PhonebookStage StageOfMarker(int marker);
// How many characters at the front of the reply are whole answers (up to their "OK" or "ERROR"
// line) that the stage does not take: a listing or a range that a re-sent command brought late.
size_t ForeignAnswerLength(std::string_view reply, PhonebookStage stage);

// The error box of a cache that cannot be written: the file and why.
std::string PhonebookCacheErrorText(std::string_view path, std::string_view reason);

// The cache file's bytes for the first PhonebookCount entries that have an index.
std::string PhonebookCacheText(const Phonebook& table);

// Reading a cache: the table is refilled from position 0.
enum class CacheLoad {
    Loaded,     // read to its end
    Missing,    // no such file (nothing changed)
    Malformed,  // unreadable, too large, or a line with fewer than four ";"; rows before it stay
};
// A cache of this size is no phonebook (a few hundred thousand names); refused unread.
inline constexpr size_t PhonebookCacheMaxBytes = 4u * 1024u * 1024u;
CacheLoad ParsePhonebookCache(std::string_view bytes, Phonebook& table);

// One row of the send dialog's phonebook list, in the order the list shows them.
struct PhonebookComboItem {
    std::string text;    // the name in UTF-8
    int position = 0;    // the entry's row in the table: the item data
    std::string digits;  // what picking it puts into the number field
};
// The list's own item and its data, sorted before every name by the leading blank.
inline constexpr const char* LastUsedNumberItem =
    PIXORA_TRANSLATE_NOOP("Phone", " Last used number");
inline constexpr int LastUsedNumberData = 9999;
inline constexpr const char* NoPhonebookItem = PIXORA_TRANSLATE_NOOP("Phone", "No phonebook");

// The entries that have an index, sorted by name (code points, case ignored, equal names in
// table order). The send dialog sorts them again for the user's language.
std::vector<PhonebookComboItem> myPhonebook2Combo(const Phonebook& table);

// What the phonebook's steps are built from: the entry read of each memory (0 SIM, 1 phone
// memory) once its size query has answered with a range; empty until then.
struct PhonebookReads {
    std::string entryRead[2];
};

// The phonebook conversation and what the main window keeps of the phonebook.
class PhonebookRead : public Conversation {
public:
    struct Callbacks {
        // The reading form: the given label in bold, the others normal.
        std::function<void(const std::string& label)> myShowLabel;
        // The read is over (read, failed or cancelled); the message box has been shown. The
        // reading form hides itself here.
        std::function<void(bool read)> finished;
    };

    PhonebookRead(AtEngine& engine, SettingsStore& settings, std::string cachePath,
                  Callbacks callbacks);

    // Starts the read from the "COMPort" port; returns at once.
    void myReadPhonebook();
    // The reading form's Cancel and close.
    void Cancel() { engine_.SetBreak(true); }

    // Loads the cache file; true when it existed and was read to its end. A damaged file beeps.
    bool myPhonebookLoad();
    // Writes the cache file, creating its folder; an error box names the file and the reason
    // when it cannot. With an empty cache path the table is kept in memory only.
    bool SavePhonebookCache();
    // The last completed read wrote its cache (or had none to write).
    bool CacheSaved() const { return cacheSaved_; }

    const Phonebook& Table() const { return table_; }
    bool PhonebookLoaded() const { return phonebookLoaded_; }
    void SetPhonebookLoaded(bool loaded) { phonebookLoaded_ = loaded; }
    const std::string& IndexLow() const { return indexLow_; }
    const std::string& IndexHigh() const { return indexHigh_; }
    const std::string& CachePath() const { return cachePath_; }

    ConversationRules Rules() const override;
    int StepCount() const override { return plan_.Count(); }
    Step BuildStep(int index) const override;
    void OnStepWriting(Exchange& exchange, int index, const Step& step) override;
    void SiftReply(Exchange& exchange) override;
    Reply Judge(Exchange& exchange, Reply state) override;
    void OnStepDone(Exchange& exchange) override;
    void OnFinished(Exchange& exchange) override;
    void OnTimedOut(Exchange& exchange) override;
    void OnOpenFailed(Exchange& exchange) override;
    void OnCancelled(Exchange& exchange, bool noticedByTick) override;

private:
    void ShowLabel(const char* label);
    void Finish(bool read);

    AtEngine& engine_;
    SettingsStore& settings_;
    std::string cachePath_;
    Callbacks callbacks_;
    Phonebook table_;
    bool phonebookLoaded_ = false;
    bool cacheSaved_ = false;
    std::string indexLow_;
    std::string indexHigh_;
    StepPlan<PhonebookReads> plan_;
    PhonebookReads reads_;
};

}  // namespace pixora
