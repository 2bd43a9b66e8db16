// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Gathers what the system knows about the device behind COMn, for the port list and for the
// reason a port would not open (phone/port_diagnosis.h turns the facts into words): the device
// and its stable /dev/serial/by-id name, what the USB device says of itself, the errno of a trial
// open, the device's group and the user's membership, UUCP lock files, the processes that hold
// the device open (/proc/<pid>/fd), and whether ModemManager manages it.

#include <QString>
#include <string>
#include <vector>

#include "core/settings.h"
#include "phone/modem_manager.h"
#include "phone/port_diagnosis.h"

namespace pixora {

struct ProbeOptions {
    // Where UUCP lock files ("LCK..ttyUSB0") are looked for.
    std::vector<std::string> lockFolders = {"/var/lock", "/run/lock"};
};

// The /dev/serial/by-id link that leads to device, "" when none does.
QString StableSerialName(const QString& device);
// Device, stable name and the USB device's own words for the device behind COMn.
PortDescription DescribeComPort(SettingsStore& settings, int portNumber);
// Everything PortFailureReason needs; opens and closes the device once to learn whether it can
// be used now. modemManager may be null.
PortFacts ProbePort(SettingsStore& settings, int portNumber, ModemManager* modemManager,
                    const ProbeOptions& options = ProbeOptions());

}  // namespace pixora
