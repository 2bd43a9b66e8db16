// SPDX-License-Identifier: GPL-2.0-or-later
// Branding files come from whoever installed the program; any bytes must read as values or as
// nothing. The values read must keep the reader's promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/branding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"SendViaSMS", "SendViaInternet", "BackgroundPic", "BackgroundPicX",
                            "BackgroundPicY", "Media"}) {
        const std::string value = pixora::ReadBrandingValue(bytes, pixora::BrandingSection, key);
        if (value.size() > pixora::BrandingValueLimit) {
            std::abort();
        }
        if (!value.empty() && (value.front() == ' ' || value.back() == ' ' ||
                               value.find_first_of("\r\n") != std::string::npos)) {
            std::abort();
        }
    }
    const pixora::BrandingPlan plan = pixora::PlanBranding(bytes, "/opt/pixora");
    if (plan.backgroundPicX.has_value() != plan.backgroundPicY.has_value()) {
        std::abort();
    }
    return 0;
}
