// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/stored_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sms/submit_pdu.h"

namespace pixora {
namespace {

// Our own three parts, received as DELIVERs from +4412345678 (senderDigit '8') or +4412345679.
std::vector<std::string> Received(char32_t mark, char senderDigit) {
    PictureMessageRequest request;
    request.picture.Set(5, 5, 1);
    request.text = std::u32string(1, mark);
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 42;
    std::vector<std::string> pdus;
    for (const SubmitSegment& segment : BuildPictureMessagePdus(request).segments) {
        // The SUBMIT's TP-UDL sits at octet 12.
        pdus.push_back(std::string("07912143658709F1") + "44" + "0A9144214365" + senderDigit + "7" +
                       "00F5" + "62218011737340" + segment.pdu.substr(24));
    }
    return pdus;
}

// "hi" in the default alphabet, no user-data header.
const std::string kPlainText = "07912143658709F1040A91442143658700006221801173734002E834";

TEST(StoredPicturesTest, GroupsThePartsOfEachMessage) {
    const auto a = Received(U'A', '8');
    const auto b = Received(U'B', '9');
    struct Case {
        const char* name;
        std::vector<std::string> pdus;
        std::vector<std::u32string> texts;  // of the messages found, in order
        std::vector<std::string> senders;
        std::vector<int> firstIndexes;  // where each one's part 1 is stored
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"two interleaved, out of order, among a text",
         {b[2], a[0], kPlainText, b[0], a[2], a[1], b[1]},
         {U"B", U"A"},
         {"+4412345679", "+4412345678"},
         {4, 2},
         {}},
        {"one incomplete",
         {a[0], b[0], a[2], b[1], b[2]},
         {U"B"},
         {"+4412345679"},
         {2},
         {"+4412345678, reference 42: part 2 of 3 is missing"}},
        {"only texts and a broken entry", {kPlainText, "zz", kPlainText}, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ListedPdu> listed;
        for (size_t i = 0; i < c.pdus.size(); ++i) {
            listed.push_back({i % 2 ? "ME" : "SM", static_cast<int>(i + 1), c.pdus[i]});
        }
        const StoredPictures found = FindStoredPictures(listed);
        ASSERT_EQ(found.messages.size(), c.texts.size());
        for (size_t i = 0; i < c.texts.size(); ++i) {
            const StoredPicture& picture = found.messages[i];
            EXPECT_EQ(picture.message.text, c.texts[i]);
            EXPECT_EQ(picture.message.sender, c.senders[i]);
            EXPECT_EQ(picture.message.timestamp, "2026-12-08 11:37:37 +01:00");
            EXPECT_EQ(picture.message.picture.IsSet(5, 5), true);
            ASSERT_EQ(picture.locations.size(), 3u);
            EXPECT_EQ(picture.locations[0].second, c.firstIndexes[i]);
        }
        EXPECT_EQ(found.problems, c.problems);
    }
}

}  // namespace
}  // namespace pixora
