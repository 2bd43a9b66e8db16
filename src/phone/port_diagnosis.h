// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Why a serial port would not open, in words a Linux user can act on. The platform gathers the
// facts (which device stands behind COMn, the errno of opening it, who owns it, who holds it);
// the reasoning from facts to text lives here, so that every case is testable without a device.

#include <string>
#include <string_view>
#include <vector>

namespace pixora {

// A process that has the device open, or that a lock file names.
struct PortUser {
    int pid = 0;
    std::string command;  // /proc/<pid>/comm, "" when it cannot be read
};

// What the system reports about a serial device.
struct PortDescription {
    std::string device;       // "/dev/ttyUSB0"; "" when COMn stands for no device
    std::string stableName;   // "/dev/serial/by-id/usb-..."; "" when there is none
    std::string description;  // the driver's or the USB device's own words
    std::string manufacturer;
    std::string serialNumber;
};

struct PortFacts {
    int portNumber = 0;
    PortDescription port;
    int systemPortCount = 0;      // serial ports the system reports
    bool opened = false;          // a trial open succeeded
    int openErrno = 0;            // errno of the failed open
    std::string groupName;        // the device's group, "" when unknown
    bool inGroupNow = false;      // the group is among this session's groups
    bool inGroupLater = false;    // the group database lists the user, effective at the next login
    std::vector<PortUser> users;  // processes that have the device open
    PortUser lockOwner;           // the live process named by a UUCP lock file (pid 0: none)
    bool modemManager = false;    // ModemManager manages the device
};

// The owner's pid in a UUCP lock file ("LCK..ttyUSB0"): ten ASCII digits after blanks (HDB, and
// Qt's lock files, which start with the pid too) or, from old programs, a 4-byte binary int.
// 0 when the file names no process.
int UucpLockPid(std::string_view contents);

// "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-...)." and, when it cannot be used, one more
// sentence with the reason and its fix. Empty only when nothing at all is known.
std::string PortFailureReason(const PortFacts& facts);

// The reason alone, without the device line: "" when the port can be opened.
std::string PortProblem(const PortFacts& facts);

// "/dev/ttyUSB0 (/dev/serial/by-id/...)", "Prolific USB-Serial Controller, Prolific Technology
// Inc., serial 1234": the details the port list shows beside COMn.
std::string PortDeviceText(const PortDescription& port);
std::string PortDetailsText(const PortDescription& port);

}  // namespace pixora
