// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/collated_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixora {
namespace {

struct CollationCase {
    const char* locale;
    std::vector<std::string> names;  // in the expected order, UTF-8
};

TEST(CollatedNamesTest, NamesSortAsTheLanguageDoes) {
    const CollationCase cases[] = {
        {"de_DE", {"Alice", "\xC3\x84lice", "Bob", "Muller", "M\xC3\xBCller", "zed"}},
        {"en_GB", {"\xC3\x89mile", "emma", "Item 2", "Item 10", "zed"}},
        // Swedish puts its extra letters after z.
        {"sv_SE", {"Alice", "bob", "zed", "\xC3\x84lice"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        std::vector<PhonebookComboItem> items;
        // Reversed, each with its original position, so the sort has work to do.
        for (size_t i = c.names.size(); i-- > 0;) {
            items.push_back({c.names[i], static_cast<int>(i), std::to_string(i)});
        }
        SortByLocale(items, QLocale(c.locale));
        std::vector<std::string> sorted;
        for (const PhonebookComboItem& item : items) {
            sorted.push_back(item.text);
            EXPECT_EQ(item.digits, std::to_string(item.position));
        }
        EXPECT_EQ(sorted, c.names);
    }
}

}  // namespace
}  // namespace pixora
