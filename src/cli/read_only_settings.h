// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's settings as pixora-cli sees them: read, never written. A batch run must not move
// the editor's window, recent files or counters, and the store is opened only when a command
// first reads a value, so conversions that need no setting never start Qt for it.

#include <functional>
#include <memory>

#include "core/settings.h"

namespace pixora::cli {

class ReadOnlySettings : public SettingsStore {
public:
    using Opener = std::function<std::unique_ptr<SettingsStore>()>;
    explicit ReadOnlySettings(Opener opener) : opener_(std::move(opener)) {}

    // Without a store (the opener gave none) every key reads as absent, so defaults apply.
    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    // Refused: the caller treats it as a value that could not be stored.
    bool Write(std::string_view, std::string_view, std::string_view) override { return false; }
    void Delete(std::string_view, std::string_view) override {}

    bool Opened() const { return opened_; }

private:
    Opener opener_;
    std::unique_ptr<SettingsStore> store_;
    bool opened_ = false;
};

}  // namespace pixora::cli
