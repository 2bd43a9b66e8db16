// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The picture messages among the messages a phone lists from its memories. A phone keeps every
// part of a long message as an entry of its own, in whatever order they arrived, so the parts
// are grouped here by sender, concatenation reference and part count before each group is
// joined and decoded. Entries that are no picture message (plain texts, other ports) are passed
// over without a word: a phone's memory is mostly those.

#include <string>
#include <utility>
#include <vector>

#include "sms/received_message.h"

namespace pixora {

// One entry as listed: which memory ("SM", "ME"), its index there, its PDU in hex.
struct ListedPdu {
    std::string memory;
    int index = 0;
    std::string pdu;
};

struct StoredPicture {
    ReceivedMessage message;
    // Where its parts are stored, in part order.
    std::vector<std::pair<std::string, int>> locations;
};

struct StoredPictures {
    std::vector<StoredPicture> messages;  // in the order their first part was listed
    // One line for each picture message that cannot be decoded, naming its sender:
    // "+4412345678, reference 42: part 2 of 3 is missing".
    std::vector<std::string> problems;
};

// Only received messages (SMS-DELIVER) are taken: what the user sent is no message from the
// phone.
StoredPictures FindStoredPictures(const std::vector<ListedPdu>& listed);

}  // namespace pixora
