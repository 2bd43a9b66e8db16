// SPDX-License-Identifier: GPL-2.0-or-later
// AT+CMGL listings of any bytes: the parser alone, and the whole read conversation fed the bytes
// as the phone's answers. Nothing may crash, loop for ever or grow past the capacity, and every
// entry handed on is whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "phone/at_engine.h"
#include "phone/stored_messages.h"

namespace {

using pixora::fuzzing::Check;
using pixora::fuzzing::NullLink;
using pixora::fuzzing::QuietUi;

void CheckEntries(const std::vector<pixora::StoredMessage>& messages) {
    Check(messages.size() <= pixora::StoredMessageCapacity);
    for (const pixora::StoredMessage& m : messages) {
        Check(m.memory == pixora::SimMessageMemory || m.memory == pixora::PhoneMessageMemory);
        Check(m.length > 0 && m.length <= pixora::MaxTpduOctets);
        Check(m.pdu.size() >= static_cast<size_t>(2 * (1 + m.length)));
        Check(m.pdu.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos);
        Check(static_cast<int>(m.status) >= 0 && static_cast<int>(m.status) <= 3);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    std::vector<pixora::StoredMessage> messages;
    const size_t found = pixora::ParseMessageListing(input, pixora::SimMessageMemory, messages);
    Check(found == messages.size());
    CheckEntries(messages);

    NullLink link;
    QuietUi ui;
    pixora::AtEngine engine(link, ui);
    pixora::MemorySettingsStore settings;
    settings.Write("Settings", "COMPort", "1");
    int ends = 0;
    pixora::StoredMessagesRead read(engine, settings,
                                    {.myShowLabel = {}, .finished = [&ends](bool) { ++ends; }});
    read.ReadStoredMessages();
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
        CheckEntries(read.Messages());
        if (!engine.Running()) {
            read.ReadStoredMessages();
        }
    }
    // Silence ends a read within its retries; a reply that has begun and stopped ends on Cancel.
    for (int i = 0; i < 40 && engine.Running(); ++i) {
        engine.Tick();
    }
    if (engine.Running()) {
        read.Cancel();
        engine.Tick();
    }
    Check(!engine.Running());
    Check(ends >= 1);
    Check(read.Failures().size() <= 2);
    CheckEntries(read.Messages());
    return 0;
}
