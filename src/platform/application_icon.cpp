// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/application_icon.h"

namespace pixora {

QIcon ApplicationIcon() {
    return QIcon::fromTheme(QStringLiteral("pixora"), QIcon(QStringLiteral(":/pixora/pixora.svg")));
}

}  // namespace pixora
