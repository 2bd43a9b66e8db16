// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/collated_names.h"

#include <QCollator>
#include <QString>
#include <algorithm>

namespace pixora {

void SortByLocale(std::vector<PhonebookComboItem>& items, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    struct Keyed {
        QCollatorSortKey key;
        PhonebookComboItem item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (PhonebookComboItem& item : items) {
        QCollatorSortKey key = collator.sortKey(QString::fromStdString(item.text));
        keyed.push_back({std::move(key), std::move(item)});
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
    items.clear();
    for (Keyed& k : keyed) {
        items.push_back(std::move(k.item));
    }
}

}  // namespace pixora
