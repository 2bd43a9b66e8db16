// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a graphic file says about itself beyond the 72 x 28 picture the readers return: its
// format, the size of the graphic it stores and the fields of its header and trailer (the
// operator code of an operator logo, the kind of an NLM logo, a message's text and author).
// Every offset is checked against the file's length; a field that is not all there is left out.
//
// - NLM: type byte at 5 (00 operator, 01 group, 02 startup, 03 picture), width at 7, height at 8.
// - NOL: after "NOL" 00 and the version, two 16-bit little-endian operator codes at 6 and 8
//   (country, network), then width and height at 10 and 12. NGG and NCG: width and height at 6
//   and 8.
// - NPM: text length at 4, text from 5, width and height at 6+L and 7+L; the trailer after the
//   picture holds "Made by " and the author up to the closing 0D.
// - GMS: text length at 3, text from 4, width and height at 8+L and 9+L.
// - OTB: width at 1, height at 2. WBMP: width at 2, height at 3. NSL: always 84 x 48.
//   NGL: always 72 x 14.
// - Pictures to import: the kind and the size the header declares.
// Texts are Windows-1252 and are given in UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/open_dispatch.h"

namespace pixora {

struct FileInfo {
    std::string format;  // "NLM", "NOL", "NPM", "BMP", ...
    std::optional<int64_t> width;
    std::optional<int64_t> height;
    // In the order they are printed: "operator", "nlm-type", "text", "author".
    std::vector<std::pair<std::string, std::string>> fields;
};

// The information of a file that the reader for kind takes. For the import kinds the format is
// the content's own (a ".bmp" holding a GIF is a "GIF"), "unknown" when nothing is recognised.
FileInfo ReadFileInfo(std::string_view bytes, FileKind kind);

// "format: NLM", "width: 72", "height: 28", then each field, one "key: value" line each.
std::string FileInfoText(const FileInfo& info);

}  // namespace pixora
