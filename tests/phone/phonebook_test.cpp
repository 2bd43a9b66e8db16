// SPDX-License-Identifier: GPL-2.0-or-later
// The phonebook: reply parsers and the cache from tables of odd inputs, and the read tick by
// tick against a scripted phone with a SIM and a phone memory.
#include "phone/phonebook.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/settings_keys.h"
#include "formats/file_io.h"
#include "scripted_link.h"
#include "support/fake_user_interface.h"

namespace pixora {
namespace {

using testing::FakeUserInterface;
using testing::ScriptedLink;

struct RangeCase {
    const char* reply;
    bool parsed;
    const char* low;
    const char* high;
};

TEST(PhonebookParseTest, IndexRanges) {
    const RangeCase cases[] = {
        {"\r\n+CPBR: (1-250),40,18\r\n\r\nOK\r\n", true, "1", "250"},
        {"AT+CPBR=?\r\r\n+CPBR: (0-9)\r\nOK\r\n", true, "0", "9"},
        {"+CPBR: (1-99999),20,14", true, "1", "99999"},
        {"+CPBR: (5-1)", true, "5", "1"},
        {"+CPBR: ( 1 - 20 )", true, "1", "20"},
        // Nothing that can go into a command: the last range stays.
        {"+CPBR: (1-250", false, "old", "old"},
        {"+CPBR: (1,250)", false, "old", "old"},
        {"+CPBR: (a-b)", false, "old", "old"},
        {"+CPBR: (-)", false, "old", "old"},
        {"+CPBR: (1-1234567890)", false, "old", "old"},
        {"CPBR: (1-250)", false, "old", "old"},
        {"\r\nOK\r\n", false, "old", "old"},
        {"", false, "old", "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        std::string low = "old";
        std::string high = "old";
        EXPECT_EQ(ParseIndexRange(c.reply, low, high), c.parsed);
        EXPECT_EQ(low, c.low);
        EXPECT_EQ(high, c.high);
    }
}

std::vector<std::string> Rows(const Phonebook& table) {
    std::vector<std::string> rows;
    for (int i = 0; i < table.PhonebookCount(); ++i) {
        const PhonebookEntry& e = table.Entry(i);
        rows.push_back(e.name + "|" + e.number + "|" + e.memory + "|" + e.index);
    }
    return rows;
}

struct EntriesCase {
    const char* name;
    std::string reply;
    const char* low;
    const char* high;
    std::vector<std::string> rows;
};

TEST(PhonebookParseTest, EntryLines) {
    const std::string two =
        "\r\n+CPBR: 1,\"+4912345\",145,\"Bob\"\r\n+CPBR: 3,\"030\",129,\"Alice\"\r\n\r\nOK\r\n";
    const EntriesCase cases[] = {
        {"plain", two, "1", "250", {"Bob|+4912345|A|1", "Alice|030|A|3"}},
        {"range cuts", two, "2", "3", {"Alice|030|A|3"}},
        {"empty range", two, "5", "1", {}},
        {"range not a number", two, "x", "3", {}},
        {"text with commas and quotes",
         "+CPBR: 2,\"1\",129,\"Smith, \"Jo\", Dr\"\r\n",
         "1",
         "9",
         {"Smith, \"Jo\", Dr|1|A|2"}},
        {"code page 437 letters",
         "+CPBR: 4,\"5\",129,\"J\x81rgen \x8E\x84\xE1\"\r\n",
         "1",
         "9",
         {"J\xFCrgen \xC4\xE4\xDF|5|A|4"}},
        {"unquoted fields", "+CPBR: 4,5,129,Ann\r\n", "4", "4", {"Ann|5|A|4"}},
        {"found in index order, first key wins",
         "+CPBR: 9,\"9\",129,\"Nine\"\r\n+CPBR: 2,\"2\",129,\"Two\"\r\n+CPBR: "
         "9,\"x\",129,\"X\"\r\n",
         "1",
         "9",
         {"Two|2|A|2", "Nine|9|A|9"}},
        {"leading zero is another key", "+CPBR: 07,\"7\",129,\"Seven\"\r\n", "1", "9", {}},
        {"a key inside a name counts",
         "+CPBR: 1,\"1\",129,\"a+CPBR: 2,b,c,d\"\r\n",
         "1",
         "2",
         {"a+CPBR: 2,b,c,d|1|A|1", "d|b|A|2"}},
        {"a key inside a name, cut off",
         "+CPBR: 1,\"1\",129,\"a+CPBR: 2,b\"\r\n",
         "1",
         "2",
         {"a+CPBR: 2,b|1|A|1"}},
        // Cut-off replies: the search ends at the entry that is incomplete.
        {"no CR after the text",
         "+CPBR: 1,\"1\",129,\"A\"\r\n+CPBR: 2,\"2\",129,\"B\"",
         "1",
         "9",
         {"A|1|A|1"}},
        {"no second comma", "+CPBR: 1,\"1\",129,\"A\"\r\n+CPBR: 2,\"2\"", "1", "9", {"A|1|A|1"}},
        {"no comma at all", "+CPBR: 3,", "1", "9", {}},
        {"huge range, tiny reply",
         "+CPBR: 99999,\"1\",129,\"Last\"\r\n",
         "1",
         "99999",
         {"Last|1|A|99999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Phonebook table;
        EXPECT_EQ(ParsePhonebookEntries(c.reply, SimMemory, c.low, c.high, table),
                  static_cast<int>(c.rows.size()));
        EXPECT_EQ(Rows(table), c.rows);
    }
}

TEST(PhonebookParseTest, FullTableStopsWithoutLosingWhatItHas) {
    std::string reply;
    for (int i = 1; i <= PhonebookCapacity + 20; ++i) {
        reply += "+CPBR: " + std::to_string(i) + ",\"" + std::to_string(i) + "\",129,\"N\"\r\n";
    }
    Phonebook table;
    EXPECT_EQ(ParsePhonebookEntries(reply, SimMemory, "1", "6000", table), PhonebookCapacity);
    EXPECT_TRUE(table.Full());
    EXPECT_EQ(table.Entry(PhonebookCapacity - 1).index, std::to_string(PhonebookCapacity));
    EXPECT_EQ(ParsePhonebookEntries(reply, PhoneMemory, "1", "6000", table), 0);
    const std::string cache = PhonebookCacheText(table);
    EXPECT_EQ(std::count(cache.begin(), cache.end(), '\n'), PhonebookCapacity);
    Phonebook loaded;
    EXPECT_EQ(ParsePhonebookCache(cache + cache, loaded), CacheLoad::Loaded);
    EXPECT_EQ(loaded.PhonebookCount(), PhonebookCapacity);
}

struct ForeignAnswerCase {
    const char* name;
    std::string reply;
    PhonebookStage stage;
    size_t dropped;
};

TEST(PhonebookParseTest, AnswersOfAnotherStageAreDropped) {
    const std::string listing = "\r\n+CPBR: 1,\"1\",129,\"a\"\r\n\r\nOK\r\n";
    const std::string range = "\r\n+CPBR: (1-250),40,18\r\n\r\nOK\r\n";
    const std::string ok = "\r\nOK\r\n";
    const ForeignAnswerCase cases[] = {
        {"listing before the memory's OK", listing + ok, PhonebookStage::Other, listing.size()},
        {"two listings", listing + listing + ok, PhonebookStage::Other, 2 * listing.size()},
        {"listing before the range", listing + range, PhonebookStage::SizeQuery, listing.size()},
        {"range before the listing", range + listing, PhonebookStage::EntryRead, range.size()},
        {"the entry read's own listing", listing, PhonebookStage::EntryRead, 0},
        {"the size query's own range", range, PhonebookStage::SizeQuery, 0},
        {"listing not yet complete", "\r\n+CPBR: 1,\"1\",1", PhonebookStage::Other, 0},
        {"failed listing", "\r\n+CPBR: 3,\r\nERROR\r\n" + ok, PhonebookStage::Other, 20},
        {"no entry key, only an OK", ok, PhonebookStage::Other, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ForeignAnswerLength(c.reply, c.stage), c.dropped);
    }
}

TEST(PhonebookParseTest, TextHelpers) {
    EXPECT_EQ(StripQuotes("\"a\""), "a");
    EXPECT_EQ(StripQuotes("\"\""), "");
    EXPECT_EQ(StripQuotes("\""), "");
    EXPECT_EQ(StripQuotes("\"\"a\"\""), "\"a\"");
    EXPECT_EQ(StripQuotes("a\"b"), "a\"b");
    EXPECT_EQ(MapPhoneChars("\x8E\x84\x99\x94\x9A\x81\xE1\x91\x92\x82"),
              "\xC4\xE4\xD6\xF6\xDC\xFC\xDF\xE6\xC6\xE9");
    // A zero byte is no phone letter, though the table ends with a zero row.
    EXPECT_EQ(MapPhoneChars(std::string("a\0b", 3)), std::string("a\0b", 3));
}

struct CacheCase {
    const char* name;
    std::string bytes;
    CacheLoad result;
    std::vector<std::string> rows;
};

TEST(PhonebookCacheTest, Loading) {
    const CacheCase cases[] = {
        {"one line", "Bob;+4912345;B;7;\r\n", CacheLoad::Loaded, {"Bob|+4912345|B|7"}},
        {"no final line end", "Bob;1;A;7;", CacheLoad::Loaded, {"Bob|1|A|7"}},
        {"empty", "", CacheLoad::Loaded, {}},
        {"LF and lone CR ends",
         "a;1;A;1;\nb;2;A;2;\rc;3;A;3;\r\n",
         CacheLoad::Loaded,
         {"a|1|A|1", "b|2|A|2", "c|3|A|3"}},
        {"extra fields ignored", "a;1;A;1;junk;more\r\n", CacheLoad::Loaded, {"a|1|A|1"}},
        {"empty fields", ";;;;\r\n", CacheLoad::Loaded, {"|||"}},
        {"three separators",
         "a;1;A;1;\r\nb;2;A;2\r\nc;3;A;3;\r\n",
         CacheLoad::Malformed,
         {"a|1|A|1"}},
        {"blank line", "a;1;A;1;\r\n\r\nb;2;A;2;\r\n", CacheLoad::Malformed, {"a|1|A|1"}},
        {"binary", std::string("\x00\xFF;\x01;\x02", 7), CacheLoad::Malformed, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Phonebook table;
        table.Append({"stale", "0", "A", "1"});
        EXPECT_EQ(ParsePhonebookCache(c.bytes, table), c.result);
        EXPECT_EQ(Rows(table), c.rows);
    }
}

TEST(PhonebookCacheTest, WrittenLinesReadBackAndSkipEntriesWithoutIndex) {
    Phonebook table;
    table.Append({"Office", "+41791234567", "A", "12"});
    table.Append({"no index", "1", "A", ""});
    table.Append({"semi;colon\r\nname", "1;2", "B", "3"});
    EXPECT_EQ(PhonebookCacheText(table),
              "Office;+41791234567;A;12;\r\nsemi,colon  name;1,2;B;3;\r\n");
    Phonebook loaded;
    EXPECT_EQ(ParsePhonebookCache(PhonebookCacheText(table), loaded), CacheLoad::Loaded);
    EXPECT_EQ(Rows(loaded),
              (std::vector<std::string>{"Office|+41791234567|A|12", "semi,colon  name|1,2|B|3"}));
}

TEST(PhonebookComboTest, SortedNamesWithTheirNumbers) {
    Phonebook table;
    ASSERT_EQ(ParsePhonebookCache("bob;+49 (123) 45;B;7;\r\n"
                                  "\xC4rger;1;A;1;\r\n"
                                  "Alice;+1;A;2;\r\n"
                                  "alice;2;A;3;\r\n"
                                  "Zed;3;A;;\r\n",
                                  table),
              CacheLoad::Loaded);
    const std::vector<PhonebookComboItem> items = myPhonebook2Combo(table);
    std::vector<std::string> shown;
    for (const PhonebookComboItem& item : items) {
        shown.push_back(item.text + "|" + std::to_string(item.position) + "|" + item.digits);
    }
    // Case is ignored and equal names keep their order; Ä sorts after the ASCII letters; an
    // entry without an index is no entry.
    EXPECT_EQ(shown, (std::vector<std::string>{"Alice|2|1", "alice|3|2", "bob|0|4912345",
                                               "\xC3\x84rger|1|1"}));
}

// A phone with a SIM and a phone memory, echo off, answering the phonebook commands.
struct TwoMemoryPhone {
    std::map<std::string, std::string> range;  // memory -> "(1-250)" or "" for no range line
    std::map<std::string, std::string> entries;
    std::string memory = "SM";
    std::vector<std::string> readCommands;

    std::string Answer(const std::string& command) {
        if (command == "AT+CPBS=\"SM\"\r" || command == "AT+CPBS=\"ME\"\r") {
            memory = command.substr(9, 2);
            return "\r\nOK\r\n";
        }
        if (command == "AT+CPBR=?\r") {
            const std::string r = range[memory];
            return r.empty() ? "\r\nOK\r\n" : "\r\n+CPBR: " + r + ",40,18\r\n\r\nOK\r\n";
        }
        if (command.rfind("AT+CPBR=", 0) == 0) {
            readCommands.push_back(memory + ":" + command);
            return entries[memory] + "\r\nOK\r\n";
        }
        return "\r\nOK\r\n";
    }
};

class PhonebookReadTest : public ::testing::Test {
public:
    PhonebookReadTest()
        : dir(std::filesystem::temp_directory_path() /
              ("pixora_phonebook_" + std::to_string(::getpid()))),
          engine(link, ui) {
        std::filesystem::create_directories(dir);
        read = std::make_unique<PhonebookRead>(
            engine, settings, (dir / "KDXPBOOK.CSV").string(),
            PhonebookRead::Callbacks{
                .myShowLabel = [this](const std::string& l) { labels.push_back(l); },
                .finished = [this](bool ok) { outcomes.push_back(ok); }});
        WriteInt(settings, keys::COMPort, 2);
        phone.range = {{"SM", "(1-250)"}, {"ME", "(1-500)"}};
        phone.entries = {{"SM",
                          "\r\n+CPBR: 1,\"+4912345\",145,\"Bob, office\"\r\n"
                          "+CPBR: 7,\"030 1234\",129,\"\x8E"
                          "rger \"the\" boss\"\r\n"},
                         {"ME", "\r\n+CPBR: 2,\"+41791234567\",145,\"M\x81ller\"\r\n"}};
        link.responder = [this](const std::string& c) { return phone.Answer(c); };
    }
    ~PhonebookReadTest() override { std::filesystem::remove_all(dir); }

    std::string Cache() const { return ReadWholeFile(read->CachePath()).value_or("<missing>"); }

    int TicksUntilDone(const std::function<void(int tick)>& beforeTick = {}) {
        return testing::TicksUntilDone(engine, link, beforeTick);
    }

    std::filesystem::path dir;
    ScriptedLink link;
    FakeUserInterface ui;
    MemorySettingsStore settings;
    AtEngine engine;
    TwoMemoryPhone phone;
    std::unique_ptr<PhonebookRead> read;
    std::vector<std::string> labels;
    std::vector<bool> outcomes;
};

TEST_F(PhonebookReadTest, BothMemoriesFillTableAndCache) {
    read->myReadPhonebook();
    EXPECT_EQ(TicksUntilDone(), 7);
    EXPECT_EQ(link.writes, (std::vector<std::string>{"AT\r", "AT+CPBS=\"SM\"\r", "AT+CPBR=?\r",
                                                     "AT+CPBR=1,250\r", "AT+CPBS=\"ME\"\r",
                                                     "AT+CPBR=?\r", "AT+CPBR=1,500\r"}));
    EXPECT_EQ(labels, (std::vector<std::string>{"- Initializing", "- Reading from SIM",
                                                "- Reading from Phone"}));
    EXPECT_EQ(Cache(),
              "Bob, office;+4912345;A;1;\r\n"
              "\xC4rger \"the\" boss;030 1234;A;7;\r\n"
              "M\xFCller;+41791234567;B;2;\r\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Phonebook read.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(read->PhonebookLoaded());
    EXPECT_EQ(outcomes, std::vector<bool>{true});
    EXPECT_EQ(read->IndexLow(), "1");
    EXPECT_EQ(read->IndexHigh(), "500");
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(PhonebookReadTest, BothMemoriesOffExchangeOnlyAt) {
    WriteBool(settings, keys::PBookReadSM, false);
    WriteBool(settings, keys::PBookReadME, false);
    read->myReadPhonebook();
    EXPECT_EQ(TicksUntilDone(), 1);
    EXPECT_EQ(link.writes, std::vector<std::string>{"AT\r"});
    EXPECT_EQ(Cache(), "");
    EXPECT_EQ(ui.LastText(), "Phonebook read.");
    EXPECT_EQ(labels, std::vector<std::string>{"- Initializing"});
}

struct ReadCase {
    const char* name;
    std::function<void(PhonebookReadTest&)> setUp;
    std::vector<std::string> readCommands;
    std::vector<std::string> cacheNames;
};

TEST_F(PhonebookReadTest, RangesAsThePhoneGivesThem) {
    const ReadCase cases[] = {
        {"SIM only",
         [](PhonebookReadTest& t) { WriteBool(t.settings, keys::PBookReadME, false); },
         {"SM:AT+CPBR=1,250\r"},
         {"Bob, office", "\xC4rger \"the\" boss"}},
        // No range line: the placeholder is sent, and the reply is searched in the SIM's range
        // (this phone sends its whole memory whatever the range asked).
        {"phone memory without range",
         [](PhonebookReadTest& t) { t.phone.range["ME"] = ""; },
         {"SM:AT+CPBR=1,250\r", "ME:AT+CPBR=1,1\r"},
         {"Bob, office", "\xC4rger \"the\" boss", "M\xFCller"}},
        {"huge range",
         [](PhonebookReadTest& t) {
             t.phone.range["SM"] = "(1-99999)";
             WriteBool(t.settings, keys::PBookReadME, false);
         },
         {"SM:AT+CPBR=1,99999\r"},
         {"Bob, office", "\xC4rger \"the\" boss"}},
        {"reversed range",
         [](PhonebookReadTest& t) {
             t.phone.range["SM"] = "(5-1)";
             WriteBool(t.settings, keys::PBookReadME, false);
         },
         {"SM:AT+CPBR=5,1\r"},
         {}},
        // Without any range yet, the placeholder is sent and nothing is searched for.
        {"range that is no number",
         [](PhonebookReadTest& t) {
             t.phone.range["SM"] = "(one-two)";
             WriteBool(t.settings, keys::PBookReadME, false);
         },
         {"SM:AT+CPBR=1,1\r"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PhonebookReadTest& t = *this;
        WriteBool(settings, keys::PBookReadSM, true);
        WriteBool(settings, keys::PBookReadME, true);
        phone = TwoMemoryPhone{};
        phone.range = {{"SM", "(1-250)"}, {"ME", "(1-500)"}};
        phone.entries = {{"SM",
                          "\r\n+CPBR: 1,\"+4912345\",145,\"Bob, office\"\r\n"
                          "+CPBR: 7,\"030 1234\",129,\"\x8E"
                          "rger \"the\" boss\"\r\n"},
                         {"ME", "\r\n+CPBR: 2,\"+41791234567\",145,\"M\x81ller\"\r\n"}};
        c.setUp(t);
        read = std::make_unique<PhonebookRead>(engine, settings, (dir / "c.csv").string(),
                                               PhonebookRead::Callbacks{});
        read->myReadPhonebook();
        EXPECT_GT(TicksUntilDone(), 0);
        EXPECT_EQ(phone.readCommands, c.readCommands);
        std::vector<std::string> names;
        for (const PhonebookComboItem& item : myPhonebook2Combo(read->Table())) {
            names.push_back(read->Table().Entry(item.position).name);
        }
        std::vector<std::string> expected = c.cacheNames;
        std::sort(names.begin(), names.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
        EXPECT_EQ(ui.LastText(), "Phonebook read.");
    }
}

// A phone that works through its commands one after the other and takes its time: each answer
// comes a tick after the one before at the earliest, the listing of a memory `listingDelay` ticks
// after its command. Echo off, so a late listing is preceded by silence.
struct SlowPhone {
    TwoMemoryPhone* phone;
    std::map<std::string, int> listingDelay;  // memory -> extra ticks
    std::vector<std::pair<int, std::string>> queue;
    int now = 0;
    int lastDue = 0;

    std::string Take(const std::string& command) {
        const bool listing = command.rfind("AT+CPBR=", 0) == 0 && command != "AT+CPBR=?\r";
        const int delay = listing ? listingDelay[phone->memory] : 0;
        lastDue = std::max(now + 1 + delay, lastDue + 1);
        queue.emplace_back(lastDue, phone->Answer(command));
        return "";
    }
    void DeliverDue(AtEngine& engine) {
        while (!queue.empty() && queue.front().first <= now) {
            engine.Received(queue.front().second);
            queue.erase(queue.begin());
        }
    }
};

struct LateListingCase {
    const char* name;
    std::map<std::string, int> listingDelay;
    int sends;  // how often the SIM listing was asked for
};

// The SIM listing comes late, after a re-send of its command, and then once more: each memory
// gets its own entries, once, and the second copy of the SIM listing is not taken for the answer
// to the commands that follow.
TEST_F(PhonebookReadTest, LateListingIsTakenOnlyForItsOwnMemory) {
    const LateListingCase cases[] = {
        {"in time", {}, 1},
        {"SIM listing a tick late", {{"SM", 1}}, 2},
        {"SIM listing two ticks late", {{"SM", 2}}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        link.writes.clear();
        phone.readCommands.clear();
        SlowPhone slow{&phone, c.listingDelay, {}, 0, 0};
        link.responder = [&slow](const std::string& command) { return slow.Take(command); };
        read->myReadPhonebook();
        EXPECT_GT(TicksUntilDone([&](int tick) {
                      slow.now = tick;
                      slow.DeliverDue(engine);
                  }),
                  0);
        EXPECT_EQ(link.CountWrites("AT+CPBR=1,250\r"), c.sends);
        EXPECT_EQ(link.CountWrites("AT+CPBR=1,500\r"), 1);
        EXPECT_EQ(Cache(),
                  "Bob, office;+4912345;A;1;\r\n"
                  "\xC4rger \"the\" boss;030 1234;A;7;\r\n"
                  "M\xFCller;+41791234567;B;2;\r\n");
        EXPECT_EQ(ui.LastText(), "Phonebook read.");
    }
}

struct FailCase {
    const char* name;
    std::function<void(PhonebookReadTest&)> setUp;
    int cancelBeforeTick;
    const char* message;
    int ticks;
};

TEST_F(PhonebookReadTest, FailuresLeaveCacheAndLoadedStateAlone) {
    const FailCase cases[] = {
        {"no port configured", [](PhonebookReadTest& t) { WriteInt(t.settings, keys::COMPort, 0); },
         0, "Please configure the Nokia GSM Serial Port\r\nin menu 'Edit/Options'", 0},
        {"port cannot be opened", [](PhonebookReadTest& t) { t.link.openSucceeds = false; }, 0,
         "Can't talk to COM2.", 0},
        {"silent phone", [](PhonebookReadTest& t) { t.link.responder = nullptr; }, 0,
         "Error while talking to COM2.", 4},
        // The size query is in progress when the tick sees the cancel.
        {"cancel during the size query", [](PhonebookReadTest&) {}, 3,
         "Can't read phonebook-size from SIM.", 3},
        {"cancel during the phone read", [](PhonebookReadTest&) {}, 7,
         "Can't read phonebook-entries from phonebook.", 7},
        // "> " in a name looks like a prompt: the read is repeated until the retries run out.
        {"prompt in a name",
         [](PhonebookReadTest& t) {
             t.phone.entries["SM"] = "\r\n+CPBR: 1,\"1\",129,\"a> b\"\r\n";
         },
         0, "Error while talking to COM2.", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileAtomically(read->CachePath(), "Old;1;A;1;\r\n"));
        read->SetPhonebookLoaded(false);
        ui.messages.clear();
        link.writes.clear();
        link.pending.clear();
        link.openSucceeds = true;
        link.responder = [this](const std::string& cmd) { return phone.Answer(cmd); };
        WriteInt(settings, keys::COMPort, 2);
        c.setUp(*this);
        read->myReadPhonebook();
        EXPECT_EQ(TicksUntilDone([&](int tick) {
                      if (tick == c.cancelBeforeTick) {
                          read->Cancel();
                      }
                  }),
                  c.ticks);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(Cache(), "Old;1;A;1;\r\n");
        EXPECT_FALSE(read->PhonebookLoaded());
        EXPECT_FALSE(link.IsOpen());
    }
}

TEST_F(PhonebookReadTest, CacheFolderIsCreatedAndAFailedWriteIsNamed) {
    WriteBool(settings, keys::PBookReadME, false);
    const std::filesystem::path fresh = dir / "data" / "Brellow" / "Pixora" / "KDXPBOOK.CSV";
    const std::filesystem::path blocked = dir / "plain-file" / "KDXPBOOK.CSV";
    ASSERT_TRUE(WriteFileAtomically((dir / "plain-file").string(), "x"));
    const struct {
        std::filesystem::path path;
        std::vector<std::string> messages;
    } cases[] = {
        {fresh, {"Phonebook read."}},
        {blocked,
         {"Can't save the phonebook to\r\n" + blocked.string() + "\r\nNot a directory.",
          "Phonebook read."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        ui.messages.clear();
        PhonebookRead reader(engine, settings, c.path.string(), {});
        reader.myReadPhonebook();
        EXPECT_GT(TicksUntilDone(), 0);
        std::vector<std::string> texts;
        for (const auto& m : ui.messages) {
            texts.push_back(m.text);
        }
        EXPECT_EQ(texts, c.messages);
        EXPECT_EQ(std::filesystem::exists(c.path), c.messages.size() == 1);
        // What the read wrote is what a later run loads.
        PhonebookRead later(engine, settings, c.path.string(), {});
        EXPECT_EQ(later.myPhonebookLoad(), c.messages.size() == 1);
    }
}

TEST_F(PhonebookReadTest, CacheLoadFromDisk) {
    // No file: false, quietly.
    EXPECT_FALSE(read->myPhonebookLoad());
    EXPECT_EQ(ui.beeps, 0);
    ASSERT_TRUE(WriteFileAtomically(read->CachePath(), "Bob;+4912345;B;7;\r\n"));
    ASSERT_TRUE(read->myPhonebookLoad());
    ASSERT_EQ(read->Table().PhonebookCount(), 1);
    const auto items = myPhonebook2Combo(read->Table());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "Bob");
    EXPECT_EQ(items[0].digits, "4912345");
    EXPECT_EQ(read->Table().Entry(items[0].position).memory, "B");
    EXPECT_EQ(read->Table().Entry(items[0].position).index, "7");
    // Damaged: a beep and false; what came before the bad line stays.
    ASSERT_TRUE(WriteFileAtomically(read->CachePath(), "A;1;A;1;\r\nbroken\r\n"));
    EXPECT_FALSE(read->myPhonebookLoad());
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(read->Table().PhonebookCount(), 1);
    // A folder where the file should be, and a file far too big: refused, not read.
    std::filesystem::remove(read->CachePath());
    std::filesystem::create_directory(read->CachePath());
    EXPECT_FALSE(read->myPhonebookLoad());
    EXPECT_EQ(ui.beeps, 2);
    std::filesystem::remove(read->CachePath());
    {
        std::ofstream big(read->CachePath(), std::ios::binary);
        const std::string line(1000, 'x');
        for (size_t written = 0; written <= PhonebookCacheMaxBytes; written += line.size()) {
            big << line;
        }
    }
    EXPECT_FALSE(read->myPhonebookLoad());
    EXPECT_EQ(ui.beeps, 3);
    EXPECT_EQ(read->Table().PhonebookCount(), 0);
}

}  // namespace
}  // namespace pixora
