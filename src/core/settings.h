// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The per-user settings store shared with the sibling tools: sections of text values under the
// application "Brellow". Each value is read with its default at the point of use; a missing key
// or a value that does not parse as the reader's type gives that default, never an error.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pixora {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // nullopt when the section or key is absent.
    virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
    // false when the value could not be stored; callers treat that like an unchanged value.
    virtual bool Write(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Removing an absent key is not an error.
    virtual void Delete(std::string_view section, std::string_view key) = 0;
};

// The store the tests use: a plain map, nothing on disk.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    void Delete(std::string_view section, std::string_view key) override;

    bool Has(std::string_view section, std::string_view key) const;
    const std::map<std::pair<std::string, std::string>, std::string>& Values() const {
        return values_;
    }
    // Lets a test make writes fail, as on a read-only or full disk.
    void SetWritable(bool writable) { writable_ = writable; }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    bool writable_ = true;
};

// Value parsing, exposed for the tests and for values read from elsewhere (branding file).
std::optional<int> ParseSettingInt(std::string_view text);
std::optional<bool> ParseSettingBool(std::string_view text);
std::optional<double> ParseSettingCoordinate(std::string_view text);

// The typed keys: a section, a key and the default most readers assume.
struct IntKey {
    const char* section;
    const char* key;
    int fallback;
};
struct BoolKey {
    const char* section;
    const char* key;
    bool fallback;
};
struct CoordKey {
    const char* section;
    const char* key;
    double fallback;
};
struct TextKey {
    const char* section;
    const char* key;
    const char* fallback;
};

int ReadInt(SettingsStore& store, const IntKey& key);
int ReadInt(SettingsStore& store, const IntKey& key, int fallback);
bool ReadBool(SettingsStore& store, const BoolKey& key);
double ReadCoordinate(SettingsStore& store, const CoordKey& key);
std::string ReadText(SettingsStore& store, const TextKey& key);
std::string ReadText(SettingsStore& store, const TextKey& key, std::string_view fallback);

bool WriteInt(SettingsStore& store, const IntKey& key, int value);
bool WriteBool(SettingsStore& store, const BoolKey& key, bool value);  // "True"/"False"
bool WriteText(SettingsStore& store, const TextKey& key, std::string_view value);

template <typename Key>
void DeleteKey(SettingsStore& store, const Key& key) {
    store.Delete(key.section, key.key);
}

}  // namespace pixora
