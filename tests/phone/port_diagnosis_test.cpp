// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/port_diagnosis.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace pixora {
namespace {

PortFacts Usb0(int openErrno) {
    PortFacts facts;
    facts.portNumber = 1;
    facts.port.device = "/dev/ttyUSB0";
    facts.port.stableName = "/dev/serial/by-id/usb-Prolific-if00-port0";
    facts.systemPortCount = 1;
    facts.opened = openErrno == 0;
    facts.openErrno = openErrno;
    facts.groupName = "dialout";
    return facts;
}

struct DiagnosisCase {
    const char* name;
    PortFacts facts;
    const char* reason;
};

TEST(PortDiagnosisTest, FactsBecomeTheReason) {
    const std::string line = "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0).";
    PortFacts none;
    none.portNumber = 3;
    none.systemPortCount = 2;
    PortFacts noneAtAll = none;
    noneAtAll.systemPortCount = 0;
    PortFacts denied = Usb0(EACCES);
    PortFacts deniedUntilLogin = Usb0(EACCES);
    deniedUntilLogin.inGroupLater = true;
    PortFacts deniedInGroup = Usb0(EPERM);
    deniedInGroup.inGroupNow = true;
    deniedInGroup.groupName = "uucp";
    PortFacts deniedNoGroup = Usb0(EACCES);
    deniedNoGroup.groupName.clear();
    PortFacts busy = Usb0(EBUSY);
    busy.users = {{812, "minicom"}, {90, ""}, {7, "cat"}};
    PortFacts busyUnknown = Usb0(EBUSY);
    PortFacts locked = Usb0(0);
    locked.opened = false;
    locked.lockOwner = {4711, "gammu"};
    PortFacts shared = Usb0(0);
    shared.users = {{812, "minicom"}};
    PortFacts managed = Usb0(0);
    managed.modemManager = true;
    PortFacts pinnedMissing = Usb0(ENOENT);
    pinnedMissing.port = {"/dev/serial/by-id/usb-Gone", "", "", "", ""};
    PortFacts other = Usb0(EIO);
    PortFacts noDeviceBehind = Usb0(ENXIO);
    noDeviceBehind.port.stableName.clear();

    const DiagnosisCase cases[] = {
        {"works", Usb0(0), line.c_str()},
        {"no device, other ports", none, "COM3 has no device: the system reports 2 serial ports."},
        {"no device, no port", noneAtAll,
         "COM3 has no device: the system reports no serial port. Is the phone or its cable "
         "plugged in?"},
        {"not in the group", denied,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). You may not open "
         "/dev/ttyUSB0: it belongs to the group dialout. Add yourself to the group dialout: sudo "
         "usermod -aG dialout $USER, then log in again."},
        {"in the group from the next login", deniedUntilLogin,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). You may not open "
         "/dev/ttyUSB0 yet: you are in its group dialout, but not in this session. Log in again."},
        {"in the group and still denied", deniedInGroup,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). You may not open "
         "/dev/ttyUSB0 (permission denied), although you are in its group uucp."},
        {"denied, group unknown", deniedNoGroup,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). You may not open "
         "/dev/ttyUSB0 (permission denied)."},
        {"busy, three holders", busy,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). /dev/ttyUSB0 is in "
         "use by minicom (process 812), another program (process 90) and cat (process 7)."},
        {"busy, holder unknown", busyUnknown,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). /dev/ttyUSB0 is in "
         "use by another program."},
        {"lock file of a live process", locked,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). /dev/ttyUSB0 is "
         "locked by gammu (process 4711)."},
        {"opens, but shared", shared,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). /dev/ttyUSB0 is also "
         "open in minicom (process 812), which may take the phone's answers."},
        {"opens, ModemManager", managed,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). ModemManager manages "
         "/dev/ttyUSB0 and may be talking to the phone itself."},
        {"pinned name gone", pinnedMissing,
         "COM1 is /dev/serial/by-id/usb-Gone. /dev/serial/by-id/usb-Gone does not exist: is the "
         "phone or its cable plugged in?"},
        {"other errno", other,
         "COM1 is /dev/ttyUSB0 (/dev/serial/by-id/usb-Prolific-if00-port0). /dev/ttyUSB0 cannot "
         "be opened: Input/output error."},
        {"nothing behind the node", noDeviceBehind,
         "COM1 is /dev/ttyUSB0. No device answers behind /dev/ttyUSB0: is the phone or its cable "
         "plugged in?"},
    };
    for (const DiagnosisCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PortFailureReason(c.facts), c.reason);
    }
    // What the port list says of a port that works is nothing at all.
    EXPECT_EQ(PortProblem(Usb0(0)), "");
}

TEST(PortDiagnosisTest, DetailsLeaveOutWhatIsUnknownOrRepeated) {
    const struct {
        PortDescription port;
        const char* device;
        const char* details;
    } cases[] = {
        {{"/dev/ttyUSB0", "/dev/serial/by-id/x", "USB-Serial Controller", "Prolific", "A1"},
         "/dev/ttyUSB0 (/dev/serial/by-id/x)",
         "USB-Serial Controller, Prolific, serial A1"},
        {{"/dev/ttyACM0", "", "Nokia 6230", "Nokia 6230", ""}, "/dev/ttyACM0", "Nokia 6230"},
        {{"/dev/ttyS0", "/dev/ttyS0", "", "", "7"}, "/dev/ttyS0", "serial 7"},
        {{"/dev/pts/3", "", "", "", ""}, "/dev/pts/3", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        EXPECT_EQ(PortDeviceText(c.port), c.device);
        EXPECT_EQ(PortDetailsText(c.port), c.details);
    }
}

TEST(PortDiagnosisTest, LockFilesNameTheirOwner) {
    const int binary = 4711;
    const struct {
        std::string contents;
        int pid;
    } cases[] = {
        {"      4711\n", 4711},
        {"4711\nminicom\nhost\n", 4711},  // Qt's lock files
        {"4711", 4711},
        {"\t812\r\n", 812},
        {std::string(reinterpret_cast<const char*>(&binary), sizeof binary), 4711},
        {"", 0},
        {"\n", 0},
        {"12ab\n", 0},
        {"-5\n", 0},
        {"99999999999999999999\n", 0},
        {std::string("\xff\xff\xff\xff", 4), 0},
        {"abc", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents);
        EXPECT_EQ(UucpLockPid(c.contents), c.pid);
    }
}

}  // namespace
}  // namespace pixora
