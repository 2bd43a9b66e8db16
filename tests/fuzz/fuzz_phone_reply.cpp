// SPDX-License-Identifier: GPL-2.0-or-later
// Phone replies of any bytes, split at any points and interleaved with ticks: the classifier,
// the reply buffer, the "+CSCA: " parser and the engine must neither crash nor grow without
// bound. The first byte of each record chooses what happens next.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "phone/at_engine.h"
#include "phone/port_test.h"
#include "phone/reply_classifier.h"

namespace {

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;
using pixora::fuzzing::NullLink;
using pixora::fuzzing::QuietUi;

bool ValidState(pixora::Reply state) {
    switch (static_cast<int>(state)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 7:
        case 8:
        case 99:
            return true;
        default:
            return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    Check(ValidState(pixora::ClassifyReply(input, true)));
    const pixora::CscaReply csca = pixora::ParseCscaReply(input);
    for (char c : csca.digits) {
        Check(c >= '0' && c <= '9');
    }
    Check(csca.digits.size() <= input.size());

    NullLink link;
    QuietUi ui;
    pixora::AtEngine engine(link, ui);
    pixora::MemorySettingsStore settings;
    int done = 0;
    pixora::SmscRead read(engine, settings, [&done](int) { ++done; });
    read.myReadSMSC(1);

    size_t pos = 0;
    while (pos < input.size()) {
        const auto control = static_cast<uint8_t>(input[pos++]);
        if (control < 32) {
            engine.Tick();
            continue;
        }
        // Chunks up to 8 KiB, repeated to flood the buffer now and then.
        const size_t length = std::min<size_t>(input.size() - pos, control);
        const std::string_view chunk = input.substr(pos, length);
        pos += length;
        const int repeats = control >= 250 ? 20 : 1;
        for (int r = 0; r < repeats; ++r) {
            engine.Received(chunk);
            Check(engine.ReplyBuffer().size() <= pixora::ReplyBufferLimit);
            Check(ValidState(engine.ReplyState()));
        }
        if (!engine.Running()) {
            read.myReadSMSC(1);
        }
    }
    // A conversation that does not wait on partial replies ends within its retries.
    for (int i = 0; i < 20 && engine.Running(); ++i) {
        engine.Tick();
    }
    Check(!engine.Running());
    Check(done >= 1);
    return 0;
}
