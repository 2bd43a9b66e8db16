// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/usage_counters.h"

#include <algorithm>

#include "core/settings_keys.h"

namespace pixora {

namespace {

// A value edited by hand may lie outside the 16-bit range; report and count from the nearest
// value the sibling tools could have written.
int ReadCounter(SettingsStore& store, const IntKey& key) {
    return std::clamp(ReadInt(store, key), -UsageCounterLimit - 1, UsageCounterLimit);
}

}  // namespace

std::string myGetCount(SettingsStore& store) {
    return std::to_string(ReadCounter(store, keys::StatsSend)) + "|" +
           std::to_string(ReadCounter(store, keys::StatsInternet));
}

void CountUsage(SettingsStore& store, int which) {
    const IntKey* key = nullptr;
    if (which == UsageSms) {
        key = &keys::StatsSend;
    } else if (which == UsageInternet) {
        key = &keys::StatsInternet;
    } else {
        return;
    }
    const int value = ReadCounter(store, *key);
    WriteInt(store, *key, value >= UsageCounterLimit ? UsageCounterLimit : value + 1);
}

}  // namespace pixora
