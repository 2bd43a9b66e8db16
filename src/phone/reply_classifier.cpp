// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/reply_classifier.h"

namespace pixora {

namespace {

struct Token {
    std::string_view text;
    Reply state;
};

// In order of precedence, lowest first. "ERROR" counts only with its line end, so the
// "CMS ERROR: " report (followed by a code) is not mistaken for a plain failure.
constexpr Token kTokens[] = {
    {"OK\r\n", Reply::Ok},        {"> ", Reply::Prompt},
    {"CPBR: (", Reply::Range},    {"CMS ERROR: ", Reply::CmsError},
    {"ERROR\r\n", Reply::Failed}, {"NO CARRIER\r\n", Reply::Failed},
};

}  // namespace

Reply ClassifyReply(std::string_view buffer, bool grew) {
    Reply state = Reply::Nothing;
    for (const Token& token : kTokens) {
        if (buffer.find(token.text) != std::string_view::npos) {
            state = token.state;
        }
    }
    if (state == Reply::Nothing && grew) {
        state = Reply::Arriving;
    }
    return state;
}

Reply ReplyCollector::Append(std::string_view bytes) {
    if (bytes.size() >= limit_) {
        text_.assign(bytes.substr(bytes.size() - limit_));
    } else {
        const size_t keep = limit_ - bytes.size();
        if (text_.size() > keep) {
            text_.erase(0, text_.size() - keep);
        }
        text_.append(bytes);
    }
    return ClassifyReply(text_, !bytes.empty());
}

}  // namespace pixora
