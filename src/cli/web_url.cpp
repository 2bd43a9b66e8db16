// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/web_url.h"

#include "cli/qt_modules.h"
#include "formats/file_io.h"
#include "shell/branding.h"

namespace pixora::cli {

WebContext EditorWebContext(const std::string& programFolder, std::string& warning) {
    WebContext context;
    context.versionCode =
        VersionCode(PIXORA_VERSION_MAJOR, PIXORA_VERSION_MINOR, PIXORA_VERSION_PATCH);
    if (const std::optional<RegionResult> region = KeyboardRegionThroughModule(warning)) {
        context.keyboardCountryCode = region->keyboardCountryCode;
    }
    // A missing or unreadable branding file means no media code, as in the editor.
    const std::string folder =
        programFolder.empty() || programFolder.back() == '/' ? programFolder : programFolder + "/";
    if (const std::optional<std::string> bytes = ReadWholeFile(folder + BrandingFileName)) {
        context.media = PlanBranding(*bytes, folder).media;
    }
    return context;
}

}  // namespace pixora::cli
