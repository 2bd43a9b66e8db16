// SPDX-License-Identifier: GPL-2.0-or-later
#include "sms/stored_pictures.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "core/translate.h"
#include "sms/submit_pdu.h"

namespace pixora {

StoredPictures FindStoredPictures(const std::vector<ListedPdu>& listed) {
    struct Group {
        std::vector<ReceivedPart> parts;
        std::vector<std::pair<std::string, int>> locations;
        bool picture = false;
    };
    // Sender, reference, part count; a message in one part is a group of its own (its listing
    // position keeps it apart).
    using Key = std::tuple<std::string, int, int, size_t>;
    std::map<Key, size_t> groupOf;
    std::vector<Group> groups;
    for (size_t i = 0; i < listed.size(); ++i) {
        std::string ignored;
        std::optional<ReceivedPart> part = ParseReceivedPdu(listed[i].pdu, ignored);
        // A PDU that does not read is no picture message the user could open either.
        if (!part || !part->deliver) {
            continue;
        }
        const Key key{part->address, part->reference, part->total, part->reference < 0 ? i : 0};
        const auto [found, added] = groupOf.try_emplace(key, groups.size());
        if (added) {
            groups.emplace_back();
        }
        Group& group = groups[found->second];
        group.picture = group.picture || part->port == PictureMessagePort;
        group.locations.emplace_back(listed[i].memory, listed[i].index);
        group.parts.push_back(std::move(*part));
    }

    StoredPictures result;
    for (Group& group : groups) {
        if (!group.picture) {
            continue;
        }
        std::string error;
        std::optional<ReceivedMessage> message = JoinReceivedParts(group.parts, error);
        if (!message) {
            const ReceivedPart& first = group.parts.front();
            std::string who = first.address.empty()
                                  ? TranslateText("ReceivedMessage", "unknown sender")
                                  : first.address;
            if (first.reference >= 0) {
                who += TranslateText("ReceivedMessage", ", reference ") +
                       std::to_string(first.reference);
            }
            result.problems.push_back(who + ": " + error);
            continue;
        }
        // In part order, as the picture was joined.
        std::vector<std::pair<int, std::pair<std::string, int>>> ordered;
        for (size_t i = 0; i < group.parts.size(); ++i) {
            ordered.emplace_back(group.parts[i].sequence, group.locations[i]);
        }
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        StoredPicture picture{std::move(*message), {}};
        for (auto& [sequence, location] : ordered) {
            picture.locations.push_back(std::move(location));
        }
        result.messages.push_back(std::move(picture));
    }
    return result;
}

}  // namespace pixora
