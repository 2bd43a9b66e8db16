// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as every kind of file: never a read out of range, and the text form stays one line
// per field.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/file_info.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const pixora::FileKind kind :
         {pixora::FileKind::Nlm, pixora::FileKind::Gms, pixora::FileKind::Nsl,
          pixora::FileKind::Ngl, pixora::FileKind::Otb, pixora::FileKind::Wbmp,
          pixora::FileKind::ImportPicture, pixora::FileKind::GroupGraphic,
          pixora::FileKind::PictureMessage}) {
        const pixora::FileInfo info = pixora::ReadFileInfo(bytes, kind);
        size_t lines = 0;
        for (const char c : pixora::FileInfoText(info)) {
            lines += c == '\n' ? 1 : 0;
        }
        Check(lines == 1 + (info.width && info.height ? 2 : 0) + info.fields.size());
    }
    return 0;
}
