// SPDX-License-Identifier: GPL-2.0-or-later
// Phonebook replies and cache files of any bytes: the range and entry parsers, the cache reader
// and writer, and the whole read conversation fed the bytes as the phone's answers. Nothing may
// crash, loop for ever or grow past the table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "formats/file_io.h"
#include "fuzz_support.h"
#include "phone/at_engine.h"
#include "phone/phonebook.h"

namespace {

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;
using pixora::fuzzing::NullLink;
using pixora::fuzzing::QuietUi;

bool Digits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

std::string CachePath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("pixora_fuzz_phonebook_" + std::to_string(::getpid())))
                                        .string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    std::string low = "1";
    std::string high = "250";
    if (pixora::ParseIndexRange(input, low, high)) {
        Check(Digits(low) && low.size() <= 9);
        Check(Digits(high) && high.size() <= 9);
    }
    for (pixora::PhonebookStage stage :
         {pixora::PhonebookStage::Other, pixora::PhonebookStage::SizeQuery,
          pixora::PhonebookStage::EntryRead}) {
        Check(pixora::ForeignAnswerLength(input, stage) <= input.size());
    }
    pixora::Phonebook table;
    const int found = pixora::ParsePhonebookEntries(input, pixora::SimMemory, low, high, table);
    Check(found == table.PhonebookCount());
    Check(found <= pixora::PhonebookCapacity);
    for (int i = 0; i < table.PhonebookCount(); ++i) {
        Check(Digits(table.Entry(i).index));
        Check(table.Entry(i).number.find(',') == std::string::npos);
    }
    // Whatever went into the cache reads back as the same entries.
    pixora::Phonebook reread;
    Check(pixora::ParsePhonebookCache(pixora::PhonebookCacheText(table), reread) ==
          pixora::CacheLoad::Loaded);
    Check(reread.PhonebookCount() == table.PhonebookCount());

    pixora::Phonebook cache;
    const pixora::CacheLoad load = pixora::ParsePhonebookCache(input, cache);
    Check(cache.PhonebookCount() <= pixora::PhonebookCapacity);
    if (load == pixora::CacheLoad::Loaded) {
        const std::string text = pixora::PhonebookCacheText(cache);
        Check(text.size() <= input.size() + 2u * static_cast<size_t>(cache.PhonebookCount()));
        Check(pixora::myPhonebook2Combo(cache).size() <=
              static_cast<size_t>(cache.PhonebookCount()));
    }

    // The same bytes as a cache file on disk, and as the phone's answers to a whole read.
    NullLink link;
    QuietUi ui;
    pixora::AtEngine engine(link, ui);
    pixora::MemorySettingsStore settings;
    settings.Write("Settings", "COMPort", "1");
    int ends = 0;
    pixora::PhonebookRead read(engine, settings, CachePath(),
                               {.myShowLabel = {}, .finished = [&ends](bool) { ++ends; }});
    Check(pixora::WriteFileAtomically(CachePath(), input));
    const bool loaded = read.myPhonebookLoad();
    Check(loaded == (load == pixora::CacheLoad::Loaded));
    Check(read.Table().PhonebookCount() == cache.PhonebookCount());

    read.myReadPhonebook();
    size_t pos = 0;
    while (pos < input.size()) {
        const auto control = static_cast<uint8_t>(input[pos++]);
        if (control < 48) {
            engine.Tick();
            continue;
        }
        const size_t length = std::min<size_t>(input.size() - pos, control);
        engine.Received(input.substr(pos, length));
        pos += length;
        if (!engine.Running()) {
            read.myReadPhonebook();
        }
    }
    // Silence ends a read within its retries; a read waiting on a reply that has begun ends on
    // the user's Cancel, at the next tick.
    for (int i = 0; i < 40 && engine.Running(); ++i) {
        engine.Tick();
    }
    if (engine.Running()) {
        Check(engine.HeardSinceWrite());
        read.Cancel();
        engine.Tick();
    }
    Check(!engine.Running());
    Check(ends >= 1);
    Check(read.Table().PhonebookCount() <= pixora::PhonebookCapacity);
    std::filesystem::remove(CachePath());
    return 0;
}
