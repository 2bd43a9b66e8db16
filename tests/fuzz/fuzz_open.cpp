// SPDX-License-Identifier: GPL-2.0-or-later
// The open dispatcher: the first byte picks a file name, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string_view>

#include "formats/open_dispatch.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static constexpr std::string_view kNames[] = {
        "/f/a.nlm",  "/f/a.gms", "/f/a.nsl",        "/f/a.ngl",        "/f/a.otb",
        "/f/a.wbmp", "/f/a.jpg", "/f/a.ngg",        "/f/a.nol",        "/f/a.npm",
        "/f/a.emf",  "/f/a.i61", "/t/GGTMP001.NGG", "/t/PMTMP001.NPM", "/f/x.nlm/a.npm"};
    if (size == 0) {
        pixora::OpenGraphicFile("/f/a.npm", std::nullopt);
        return 0;
    }
    const std::string_view name = kNames[data[0] % std::size(kNames)];
    const pixora::OpenResult result = pixora::OpenGraphicFile(name, bytes.substr(1));
    CheckCells(result.picture);
    // Only a document change may come without a message; a quiet failure changes no picture.
    if (result.action == pixora::OpenAction::KeepDocument && result.message.empty() &&
        result.pictureChanged) {
        std::abort();
    }
    if (result.text.size() > 121) {
        std::abort();
    }
    return 0;
}
