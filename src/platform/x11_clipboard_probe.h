// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the owner of the X11 clipboard answers at all, asked on a connection of our own with a
// deadline. Qt's own clipboard waits five seconds for an owner that does not answer, once for
// every question about the clipboard, with the window frozen all the while; a program that hangs
// after copying would so freeze the editor on every Ctrl+V, every opening of the Edit menu and
// every tick of the clipboard monitor. Asked first, a silent owner costs one bounded wait, and
// none at all until the clipboard changes hands.

#include <chrono>
#include <cstdint>
#include <string>

struct xcb_connection_t;

namespace pixora {

enum class ClipboardOwner {
    None,     // nobody holds the clipboard
    Answers,  // the owner listed its formats in time
    Silent,   // the owner did not answer within the deadline (or did not before)
    Unknown,  // no X display to ask
};

class X11ClipboardProbe {
public:
    // display as in DISPLAY; empty for the environment's.
    explicit X11ClipboardProbe(std::string display = {});
    ~X11ClipboardProbe();
    X11ClipboardProbe(const X11ClipboardProbe&) = delete;
    X11ClipboardProbe& operator=(const X11ClipboardProbe&) = delete;

    // Asks the owner of CLIPBOARD for its list of formats and waits at most timeout. An owner
    // that stayed silent is not asked again until another one takes the clipboard or Forget().
    ClipboardOwner Probe(std::chrono::milliseconds timeout);
    // The clipboard changed; a silent owner may have copied anew and is asked again.
    void Forget() { silentOwner_ = 0; }

private:
    bool Connect();
    void Disconnect();

    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    uint32_t window_ = 0;
    uint32_t clipboardAtom_ = 0;
    uint32_t targetsAtom_ = 0;
    uint32_t propertyAtom_ = 0;
    uint32_t silentOwner_ = 0;
};

}  // namespace pixora
