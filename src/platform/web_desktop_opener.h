// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Handing a file or a web address to the desktop's default handler: the redirect page of the web
// send goes to the browser as a file, the web links as addresses. Neither waits for the handler,
// and the editor reports nothing when it fails.

#include <string>

namespace pixora {

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // An absolute local path, opened with the handler for its type. False when the path is not
    // absolute or the desktop refused.
    virtual bool OpenDocument(const std::string& path) = 0;
    // A complete address such as "http://host/path?query", passed on byte for byte: its percent
    // escapes are not decoded and re-encoded on the way. False for an empty or malformed address.
    virtual bool OpenAddress(const std::string& url) = 0;
};

// Through QDesktopServices (xdg-open and the portal on a Linux desktop). Needs a QGuiApplication.
class QtDesktopOpener : public DesktopOpener {
public:
    bool OpenDocument(const std::string& path) override;
    bool OpenAddress(const std::string& url) override;
};

}  // namespace pixora
