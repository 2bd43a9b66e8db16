#include "phone/reply_classifier.h"

namespace pixora {

namespace {

struct Token {
    std::string_view text;
    int state;
};

// In order of precedence, lowest first. "ERROR" counts only with its line end, so the
// "CMS ERROR: " report (followed by a code) is not mistaken for a plain failure.
constexpr Token kTokens[] = {
    {"OK\r\n", reply::Ok},        {"> ", reply::Prompt},
    {"CPBR: (", reply::Range},    {"CMS ERROR: ", reply::CmsError},
    {"ERROR\r\n", reply::Failed}, {"NO CARRIER\r\n", reply::Failed},
};

}  // namespace

int ClassifyReply(std::string_view buffer, bool grew) {
    int state = reply::Nothing;
    for (const Token& token : kTokens) {
        if (buffer.find(token.text) != std::string_view::npos) {
            state = token.state;
        }
    }
    if (state == reply::Nothing && grew) {
        state = reply::Arriving;
    }
    return state;
}

int ReplyCollector::Append(std::string_view bytes) {
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
