// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/document.h"

#include "core/utf8.h"

namespace pixora {

std::string ShortenPath(std::string_view text, int limit) {
    const std::u32string chars = Utf8ToU32(text);
    if (limit < 3 || static_cast<int>(chars.size()) <= limit) {
        return std::string(text);
    }
    const size_t tail = static_cast<size_t>(limit - 3);
    std::u32string shortened = chars.substr(0, 3) + U"..." + chars.substr(chars.size() - tail);
    return U32ToUtf8(shortened);
}

std::string TitleFor(std::string_view documentName, bool saved) {
    std::string title = std::string(ProductName) + " [" + ShortenPath(documentName, TitlePathLimit);
    title += saved ? "]" : "*]";
    return title;
}

namespace {
// A number with the sign position of the old Str$: a space for non-negative values.
std::string SignedText(int n) {
    std::string text(n < 0 ? "" : " ");
    text += std::to_string(n);
    return text;
}
}  // namespace

std::string PositionReadout(int px, int py) {
    return SignedText(px + 1) + "/" + SignedText(py + 1);
}

std::string TwoDigits(int number) {
    std::string s = std::to_string(number < 0 ? -number : number);
    if (s.size() < 2) {
        s.insert(0, 2 - s.size(), '0');
    }
    return number < 0 ? "-" + s : s;
}

}  // namespace pixora
