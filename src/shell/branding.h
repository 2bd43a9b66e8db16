// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The branding file "KALDRIX.INI" beside the program: a reseller switches the send commands, adds a
// picture to the main window and tags the web requests, without a different build.

#include <optional>
#include <string>
#include <string_view>

namespace pixora {

inline constexpr const char* BrandingFileName = "KALDRIX.INI";
inline constexpr const char* BrandingSection = "Branding";
inline constexpr size_t BrandingValueLimit = 144;

// The value of key in section of an INI file given as its bytes: section and key match in any
// letter case, the value is the text after the first "=" with spaces and tabs trimmed, at most
// 144 bytes. The first matching key wins. A missing section or key, or lines that make no sense,
// give an empty value. Lines starting with ";" are comments; "\r\n", "\n" and "\r" all end lines.
std::string ReadBrandingValue(std::string_view fileBytes, std::string_view section,
                              std::string_view key);

// What the branding file asks of the main window, decided from the file alone. Loading the picture
// is left to the window: when the file is missing or cannot be decoded the picture stays hidden and
// the text box takes its room (NoPictureTextWidth).
struct BrandingPlan {
    bool hideSmsSend = false;             // SendViaSMS=NO: SMS send and its options pages go
    std::optional<bool> showWebCommands;  // SendViaInternet YES/NO; nullopt keeps RegionCheck's
    std::string backgroundPicPath;        // program folder + BackgroundPic; empty for none
    std::optional<int> backgroundPicX;    // both set only when both are integers
    std::optional<int> backgroundPicY;
    std::string media;  // the media code; empty for none
};

// Widths of the text box and its frame when no branding picture is shown.
inline constexpr int NoPictureTextWidth = 241;
inline constexpr int TextFrameExtraWidth = 4;

// programFolder is the folder of the executable; a separator is added when missing.
BrandingPlan PlanBranding(std::string_view fileBytes, std::string_view programFolder);

// The visibility of the web commands after the branding file has had its say.
inline bool WebCommandsVisible(bool regionOffered, const BrandingPlan& plan) {
    return plan.showWebCommands.value_or(regionOffered);
}

}  // namespace pixora
