// SPDX-License-Identifier: GPL-2.0-or-later
// The settings file is written by other programs too; any bytes must come back exactly when
// nothing was changed, and a change must touch only its own key.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "shell/ini_document.h"

using pixora::IniDocument;
using pixora::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::Parse(bytes);
    Check(document.Serialise() == bytes);

    // The pairs a fuzzed file most likely holds, as the seeds do.
    const auto other = document.Get("Settings", "SendToAdd1");
    const std::string value = "True;\"x\\";
    Check(document.Set("Zorvet Settings", "CurrentBusy", value));
    Check(document.Get("Zorvet Settings", "CurrentBusy") == value);
    Check(document.Get("Settings", "SendToAdd1") == other);
    const IniDocument reread = IniDocument::Parse(document.Serialise());
    Check(reread.Get("Zorvet Settings", "CurrentBusy") == value);
    Check(reread.Get("Settings", "SendToAdd1") == other);

    document.Remove("Zorvet Settings", "CurrentBusy");
    Check(!document.Get("Zorvet Settings", "CurrentBusy").has_value());
    Check(!IniDocument::Parse(document.Serialise()).Get("Zorvet Settings", "CurrentBusy"));
    Check(document.Get("Settings", "SendToAdd1") == other);
    return 0;
}
