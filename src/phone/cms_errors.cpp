// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/cms_errors.h"

#include "core/strings.h"
#include "core/translate.h"

namespace pixora {

namespace {

struct CmsExplanation {
    std::string_view code;
    std::string_view text;
};

// The codes users of picture messages actually ran into.
constexpr CmsExplanation kExplanations[] = {
    {"322",
     PIXORA_TRANSLATE_NOOP("Phone",
                           "Phone says that memory is full (322).\r\n"
                           "Either it really is or you should try to get a firmware upgrade.")},
    {"301", PIXORA_TRANSLATE_NOOP("Phone",
                                  "Something else uses SMS in phone right now (301).\r\n"
                                  "Please wait or reset phone, then try again.")},
    {"111", PIXORA_TRANSLATE_NOOP("Phone",
                                  "Phone reports unspecified protocol error (111).\r\n"
                                  "Please wait a moment and try again.")},
    {"166", PIXORA_TRANSLATE_NOOP("Phone",
                                  "Phone reports unspecified command error (166).\r\n"
                                  "Please wait a moment and try again.")},
    {"38", PIXORA_TRANSLATE_NOOP("Phone",
                                 "Network out of order (38).\r\nMaybe wrong number or wrong "
                                 "SMS-Center.\r\nDid you enter all numbers with intl. prefix?")},
    {"21", PIXORA_TRANSLATE_NOOP("Phone",
                                 "Short message transfer rejected (21).\r\n"
                                 "The SMS-Center does not allow sending.")},
    {"28", PIXORA_TRANSLATE_NOOP("Phone",
                                 "Unidentified subscriber (28).\r\nMaybe wrong number or wrong "
                                 "SMS-Center.\r\nDid you enter all numbers with intl. prefix?")},
};

}  // namespace

std::string CmsErrorCode(std::string_view reply) {
    constexpr std::string_view kKey = "CMS ERROR: ";
    const size_t key = reply.find(kKey);
    if (key == std::string_view::npos) {
        return {};
    }
    // From the report's first letter to the end, the very last character left out: the reply
    // normally ends with the LF of the report's line.
    std::string_view tail = reply.substr(key);
    tail.remove_suffix(1);
    return DigitsOnly(tail);
}

std::string ExplainCmsError(std::string_view reply) {
    const std::string code = CmsErrorCode(reply);
    for (const CmsExplanation& row : kExplanations) {
        if (row.code == code) {
            return TranslateText("Phone", std::string(row.text).c_str());
        }
    }
    // A code we have no words for is still worth reading out: it is what a search or the
    // network operator's support needs.
    return code;
}

}  // namespace pixora
