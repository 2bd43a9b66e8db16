// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Lists of names in the order the user's language puts them: "Älice" beside "Alice" in German,
// after "Zed" in Swedish. A comparison of code points would put every accented letter after "z".

#include <QLocale>
#include <vector>

#include "phone/phonebook.h"

namespace pixora {

// Sorts the send dialog's phonebook items by name for the locale, case ignored; names the
// locale counts as equal keep their order.
void SortByLocale(std::vector<PhonebookComboItem>& items, const QLocale& locale = QLocale());

}  // namespace pixora
