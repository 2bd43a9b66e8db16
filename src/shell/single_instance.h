// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One editor per user: the lock that says whether another editor runs, the hand-over of a
// second start's file to it, and the receiver of files handed over later. The program passes
// the desktop's implementation; tests may pass their own or none.

#include <functional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/user_interface.h"

namespace pixora {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;

    // Takes the lock; false when another editor of this user holds it.
    virtual bool TryAcquire() = 0;
    // The lock could not be used at all (this editor runs all the same), and its file's name.
    virtual bool Unusable() const = 0;
    virtual std::string LockFileName() const = 0;
    // Another editor runs: it gets path, or the user hears a beep when it is busy.
    virtual void HandOver(SettingsStore& settings, UserInterface& ui, const std::string& path) = 0;
    // Receives the files of later starts and of the siblings on the channel of caption; raise
    // brings the window to the front.
    virtual void Listen(std::string_view caption, std::function<void(const std::string&)> openFile,
                        std::function<void()> raise) = 0;
    // Stops listening and gives the lock back; safe to call twice.
    virtual void Release() = 0;
};

}  // namespace pixora
