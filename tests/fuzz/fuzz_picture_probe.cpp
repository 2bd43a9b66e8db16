// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a picture file to import: the structure walks of every kind never read out of
// range; a walk that finds the whole picture only does so behind that kind's magic, and the
// name decides the kind only for content without a magic.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/picture_header.h"
#include "fuzz_support.h"

using pixora::fuzzing::Check;
using Kind = pixora::PictureKind;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Kind sniffed = pixora::SniffPictureKind(bytes);
    for (Kind kind : {Kind::Bmp, Kind::Gif, Kind::Jpeg, Kind::Ico}) {
        if (pixora::PictureDataComplete(bytes, kind)) {
            Check(sniffed == kind);
        }
    }
    Check(pixora::PictureDataComplete(bytes, Kind::Png));
    Check(pixora::PictureDataComplete(bytes, Kind::Unknown));
    for (std::string_view name : {"/p/a.WMF", "/p/a.emf", "/p/a.jpg", "/p/a", "a.b/c"}) {
        const Kind probed = pixora::ProbePictureKind(bytes, name);
        if (sniffed != Kind::Unknown) {
            Check(probed == sniffed);
        } else {
            Check(probed == Kind::Unknown || probed == pixora::PictureKindFromName(name));
        }
    }
    return 0;
}
