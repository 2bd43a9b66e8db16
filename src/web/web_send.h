// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The body of "Send via Internet" between the empty-picture check and opening the page: build the
// request, write the redirect page, count the send. The main window brackets it with SetBusy, asks
// ConfirmNotEmpty first and opens the returned page with the desktop's default handler.

#include <optional>
#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/settings.h"
#include "web/temp_files.h"
#include "web/web_address.h"

namespace pixora {

// The path of the page written, or nullopt when it could not be written; then nothing is counted
// and there is nothing to open. The counter moves on either way, as the name was used; only an
// empty folder writes nothing and takes no number.
std::optional<std::string> WriteWebSendPage(const WebContext& context, const PictureGrid& picture,
                                            std::u32string_view text, SettingsStore& store,
                                            std::string_view tempFolder, TempFileCounter& counter,
                                            TempFileWriter& writer);

}  // namespace pixora
