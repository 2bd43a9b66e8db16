// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/web_desktop_opener.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace pixora {

bool QtDesktopOpener::OpenDocument(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return false;
    }
    // File names are bytes on Linux; decodeName keeps names that are not valid UTF-8 intact.
    const QString name =
        QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(name));
}

bool QtDesktopOpener::OpenAddress(const std::string& url) {
    if (url.empty()) {
        return false;
    }
    // fromEncoded in strict mode keeps "%7C" and "+" exactly as built; the gateway reads the
    // query as we wrote it.
    const QUrl address = QUrl::fromEncoded(
        QByteArray(url.data(), static_cast<qsizetype>(url.size())), QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(address);
}

}  // namespace pixora
