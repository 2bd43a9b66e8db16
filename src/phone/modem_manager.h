// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// ModemManager, the desktop's modem service, opens every serial port that looks like a modem and
// talks to it; a phone on such a port then answers ModemManager as well as us. It can be asked to
// leave one device alone for a while ("inhibit" it). This is what the serial link needs of it;
// the desktop build asks the service over D-Bus, tests use a fake.

#include <optional>
#include <string>

namespace pixora {

class ModemManager {
public:
    virtual ~ModemManager() = default;
    // The device uid of the modem whose ports include devicePath (a /dev path, links resolved by
    // the caller); nullopt when no modem has it or the service is not running.
    virtual std::optional<std::string> ManagingModem(const std::string& devicePath) = 0;
    // Asks the service to let go of the modem until Release (or until this program's connection
    // to it closes). False when it refused.
    virtual bool Inhibit(const std::string& uid) = 0;
    virtual void Release(const std::string& uid) = 0;
};

}  // namespace pixora
