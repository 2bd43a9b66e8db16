// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How often this user has sent picture messages, by phone and by web. The counts travel with the
// web requests and the update check so the vendor can see how the program is used.

#include <string>

#include "core/settings.h"

namespace pixora {

// Which counter CountUsage raises.
inline constexpr int UsageSms = 0;
inline constexpr int UsageInternet = 3;

// The counters are 16-bit in the store the siblings share; they stop at the top instead of
// wrapping into negative numbers.
inline constexpr int UsageCounterLimit = 32767;

// "StatsSend|StatsInternet" in plain decimal, for example "2|1".
std::string myGetCount(SettingsStore& store);

// Raises StatsSend (UsageSms) or StatsInternet (UsageInternet) by one; any other value counts
// nothing. A counter at the limit stays there.
void CountUsage(SettingsStore& store, int which);

}  // namespace pixora
