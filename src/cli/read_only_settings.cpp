// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/read_only_settings.h"

namespace pixora::cli {

std::optional<std::string> ReadOnlySettings::Read(std::string_view section, std::string_view key) {
    if (!opened_) {
        opened_ = true;
        if (opener_) {
            store_ = opener_();
        }
    }
    return store_ ? store_->Read(section, key) : std::nullopt;
}

}  // namespace pixora::cli
