// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/x11_clipboard_probe.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <utility>

namespace pixora {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

uint32_t InternAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        connection, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : 0;
}

}  // namespace

X11ClipboardProbe::X11ClipboardProbe(std::string display) : display_(std::move(display)) {}

X11ClipboardProbe::~X11ClipboardProbe() {
    Disconnect();
}

bool X11ClipboardProbe::Connect() {
    if (connection_ != nullptr) {
        return true;
    }
    int screenNumber = 0;
    connection_ = xcb_connect(display_.empty() ? nullptr : display_.c_str(), &screenNumber);
    if (connection_ == nullptr || xcb_connection_has_error(connection_) != 0) {
        Disconnect();
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem <= 0) {
        Disconnect();
        return false;
    }
    // An invisible window of our own to receive the owner's answer.
    window_ = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    clipboardAtom_ = InternAtom(connection_, "CLIPBOARD");
    targetsAtom_ = InternAtom(connection_, "TARGETS");
    propertyAtom_ = InternAtom(connection_, "PIXORA_CLIPBOARD_PROBE");
    if (clipboardAtom_ == 0 || targetsAtom_ == 0 || propertyAtom_ == 0) {
        Disconnect();
        return false;
    }
    return true;
}

void X11ClipboardProbe::Disconnect() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
    window_ = 0;
    silentOwner_ = 0;
}

ClipboardOwner X11ClipboardProbe::Probe(std::chrono::milliseconds timeout) {
    if (!Connect()) {
        return ClipboardOwner::Unknown;
    }
    // A late answer to an earlier question is no answer to this one.
    while (xcb_generic_event_t* stale = xcb_poll_for_event(connection_)) {
        std::free(stale);
    }
    const XcbReply<xcb_get_selection_owner_reply_t> ownerReply(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboardAtom_), nullptr));
    if (!ownerReply) {
        Disconnect();
        return ClipboardOwner::Unknown;
    }
    const uint32_t owner = ownerReply->owner;
    if (owner == XCB_NONE) {
        return ClipboardOwner::None;
    }
    if (owner == silentOwner_) {
        return ClipboardOwner::Silent;
    }
    silentOwner_ = 0;
    xcb_convert_selection(connection_, window_, clipboardAtom_, targetsAtom_, propertyAtom_,
                          XCB_CURRENT_TIME);
    xcb_flush(connection_);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const bool answer =
                (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY &&
                reinterpret_cast<xcb_selection_notify_event_t*>(event)->requestor == window_;
            std::free(event);
            if (answer) {
                // Only the fact of the answer counts; Qt reads the formats itself.
                xcb_delete_property(connection_, window_, propertyAtom_);
                xcb_flush(connection_);
                return ClipboardOwner::Answers;
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            Disconnect();
            return ClipboardOwner::Unknown;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            silentOwner_ = owner;
            return ClipboardOwner::Silent;
        }
        pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&wait, 1, static_cast<int>(left.count()));
    }
}

}  // namespace pixora
