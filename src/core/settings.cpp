// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings.h"

#include <charconv>
#include <cmath>

#include "core/strings.h"

namespace pixora {

std::optional<std::string> MemorySettingsStore::Read(std::string_view section,
                                                     std::string_view key) {
    auto it = values_.find({std::string(section), std::string(key)});
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool MemorySettingsStore::Write(std::string_view section, std::string_view key,
                                std::string_view value) {
    if (!writable_) {
        return false;
    }
    values_[{std::string(section), std::string(key)}] = std::string(value);
    return true;
}

void MemorySettingsStore::Delete(std::string_view section, std::string_view key) {
    if (writable_) {
        values_.erase({std::string(section), std::string(key)});
    }
}

bool MemorySettingsStore::Has(std::string_view section, std::string_view key) const {
    return values_.count({std::string(section), std::string(key)}) != 0;
}

std::optional<int> ParseSettingInt(std::string_view text) {
    text = TrimSpace(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseSettingCoordinate(std::string_view text) {
    text = TrimSpace(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseSettingBool(std::string_view text) {
    const std::string_view t = TrimSpace(text);
    if (EqualsNoCase(t, "true")) {
        return true;
    }
    if (EqualsNoCase(t, "false")) {
        return false;
    }
    if (auto number = ParseSettingCoordinate(t)) {
        return *number != 0.0;
    }
    return std::nullopt;
}

int ReadInt(SettingsStore& store, const IntKey& key) {
    return ReadInt(store, key, key.fallback);
}

int ReadInt(SettingsStore& store, const IntKey& key, int fallback) {
    auto text = store.Read(key.section, key.key);
    if (!text) {
        return fallback;
    }
    return ParseSettingInt(*text).value_or(fallback);
}

bool ReadBool(SettingsStore& store, const BoolKey& key) {
    auto text = store.Read(key.section, key.key);
    if (!text) {
        return key.fallback;
    }
    return ParseSettingBool(*text).value_or(key.fallback);
}

double ReadCoordinate(SettingsStore& store, const CoordKey& key) {
    auto text = store.Read(key.section, key.key);
    if (!text) {
        return key.fallback;
    }
    return ParseSettingCoordinate(*text).value_or(key.fallback);
}

std::string ReadText(SettingsStore& store, const TextKey& key) {
    return ReadText(store, key, key.fallback);
}

std::string ReadText(SettingsStore& store, const TextKey& key, std::string_view fallback) {
    auto text = store.Read(key.section, key.key);
    return text ? *text : std::string(fallback);
}

bool WriteInt(SettingsStore& store, const IntKey& key, int value) {
    return store.Write(key.section, key.key, std::to_string(value));
}

bool WriteBool(SettingsStore& store, const BoolKey& key, bool value) {
    return store.Write(key.section, key.key, value ? "True" : "False");
}

bool WriteText(SettingsStore& store, const TextKey& key, std::string_view value) {
    return store.Write(key.section, key.key, value);
}

}  // namespace pixora
