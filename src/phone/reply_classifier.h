// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How the engine reads a phone's reply: the whole of what arrived since the command was written
// is searched for the few tokens the conversations care about. Later tokens in the list win, so
// "+CMS ERROR: 21" beats an "OK" in the same buffer and a prompt beats an echoed "OK".

#include <cstddef>
#include <string>
#include <string_view>

namespace pixora {

// The reply states. The numbers are those of the step tables and of the phone transcripts kept
// in the tests, so they stay as they are.
enum class Reply : int {
    Nothing = 0,   // no token, nothing new
    Arriving = 1,  // no token, but the buffer grew
    Ok = 2,
    Failed = 3,
    Prompt = 4,
    Range = 7,  // "CPBR: (", a phonebook index range
    CmsError = 8,
    Fresh = 99,  // conversation started, nothing classified yet
};

// Classifies everything received so far. grew: the last notification added characters.
Reply ClassifyReply(std::string_view buffer, bool grew);

// The receive buffer: at most ReplyBufferLimit characters. A phone that floods the line keeps
// only the newest characters, where a closing "OK" or error would be.
inline constexpr size_t ReplyBufferLimit = 32767;

class ReplyCollector {
public:
    // Appends and returns the new classification.
    Reply Append(std::string_view bytes);
    void Clear() { text_.clear(); }
    // Forgets the first `count` characters (all of them when there are fewer).
    void DropFront(size_t count) { text_.erase(0, count); }
    const std::string& Text() const { return text_; }
    // A conversation whose answer is long by nature (a whole phonebook memory) keeps more.
    void SetLimit(size_t limit) { limit_ = limit == 0 ? ReplyBufferLimit : limit; }
    size_t Limit() const { return limit_; }

private:
    std::string text_;
    size_t limit_ = ReplyBufferLimit;
};

}  // namespace pixora
