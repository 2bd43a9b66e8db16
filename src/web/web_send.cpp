// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/web_send.h"

#include "web/usage_counters.h"

namespace pixora {

std::optional<std::string> WriteWebSendPage(const WebContext& context, const PictureGrid& picture,
                                            std::u32string_view text, SettingsStore& store,
                                            std::string_view tempFolder, TempFileCounter& counter,
                                            TempFileWriter& writer) {
    if (tempFolder.empty()) {
        return std::nullopt;  // never the current folder
    }
    // The counts reported are those before this send.
    const std::string address = WebSendAddress(context, picture, text, myGetCount(store));
    const std::string path = NextTempFile(tempFolder, counter, TempPageExtension);
    if (!writer.WriteNewFile(path, RedirectPage(address, context.host))) {
        return std::nullopt;
    }
    CountUsage(store, UsageInternet);
    return path;
}

}  // namespace pixora
