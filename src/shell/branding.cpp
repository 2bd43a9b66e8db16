// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/branding.h"

#include "core/strings.h"

#include <cctype>

#include "core/paths.h"
#include "core/settings.h"

namespace pixora {

namespace {

// Cuts the next line off text, whatever its line ending.
std::string_view NextLine(std::string_view& text) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const size_t skip =
            (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
        text.remove_prefix(end + skip);
    }
    return line;
}

std::optional<int> Position(const std::string& text) {
    // Screen positions fit in 16 bits; anything larger is as meaningless as text.
    const auto value = ParseSettingInt(text);
    if (!value || *value < -32768 || *value > 32767) {
        return std::nullopt;
    }
    return value;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return out;
}

}  // namespace

std::string ReadBrandingValue(std::string_view fileBytes, std::string_view section,
                              std::string_view key) {
    // Editors on Windows like to start the file with a byte-order mark.
    if (fileBytes.substr(0, 3) == "\xEF\xBB\xBF") {
        fileBytes.remove_prefix(3);
    }
    bool inSection = false;
    while (!fileBytes.empty()) {
        const std::string_view line = TrimBlanks(NextLine(fileBytes));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        EqualsNoCase(TrimBlanks(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !EqualsNoCase(TrimBlanks(line.substr(0, equals)), key)) {
            continue;
        }
        std::string_view value = TrimBlanks(line.substr(equals + 1));
        if (value.size() > BrandingValueLimit) {
            value = TrimBlanks(value.substr(0, BrandingValueLimit));
        }
        return std::string(value);
    }
    return {};
}

BrandingPlan PlanBranding(std::string_view fileBytes, std::string_view programFolder) {
    const auto value = [&](std::string_view key) {
        return ReadBrandingValue(fileBytes, BrandingSection, key);
    };
    BrandingPlan plan;
    plan.hideSmsSend = Upper(value("SendViaSMS")) == "NO";

    const std::string web = Upper(value("SendViaInternet"));
    if (web == "YES") {
        plan.showWebCommands = true;
    } else if (web == "NO") {
        plan.showWebCommands = false;
    }

    const std::string picture = value("BackgroundPic");
    if (!picture.empty()) {
        plan.backgroundPicPath = std::string(programFolder);
        if (!plan.backgroundPicPath.empty() && plan.backgroundPicPath.back() != PathSeparator) {
            plan.backgroundPicPath += PathSeparator;
        }
        plan.backgroundPicPath += picture;
        // A position half given or not a number leaves the picture where the window's design
        // put it, rather than moving it to a guess.
        const auto x = Position(value("BackgroundPicX"));
        const auto y = Position(value("BackgroundPicY"));
        if (x && y) {
            plan.backgroundPicX = x;
            plan.backgroundPicY = y;
        }
    }
    plan.media = value("Media");
    return plan;
}

}  // namespace pixora
