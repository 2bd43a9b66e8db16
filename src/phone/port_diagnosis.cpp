#include "phone/port_diagnosis.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>

namespace pixora {

namespace {

std::string Process(const PortUser& user) {
    const std::string name = user.command.empty() ? "another program" : user.command;
    return name + " (process " + std::to_string(user.pid) + ")";
}

std::string Processes(const std::vector<PortUser>& users) {
    std::string text;
    for (size_t i = 0; i < users.size(); ++i) {
        if (i > 0) {
            text += i + 1 == users.size() ? " and " : ", ";
        }
        text += Process(users[i]);
    }
    return text;
}

std::string Append(std::string text, const std::string& more) {
    if (more.empty()) {
        return text;
    }
    return text.empty() ? more : text + " " + more;
}

std::string PermissionProblem(const PortFacts& facts) {
    const std::string& device = facts.port.device;
    const std::string& group = facts.groupName;
    if (group.empty()) {
        return "You may not open " + device + " (permission denied).";
    }
    if (facts.inGroupNow) {
        return "You may not open " + device +
               " (permission denied), although you are in its group " + group + ".";
    }
    if (facts.inGroupLater) {
        return "You may not open " + device + " yet: you are in its group " + group +
               ", but not in this session. Log in again.";
    }
    return "You may not open " + device + ": it belongs to the group " + group +
           ". Add yourself to the group " + group + ": sudo usermod -aG " + group +
           " $USER, then log in again.";
}

std::string OpenProblem(const PortFacts& facts) {
    const std::string& device = facts.port.device;
    if (facts.lockOwner.pid > 0) {
        return device + " is locked by " + Process(facts.lockOwner) + ".";
    }
    if (facts.opened) {
        return facts.users.empty() ? std::string()
                                   : device + " is also open in " + Processes(facts.users) +
                                         ", which may take the phone's answers.";
    }
    switch (facts.openErrno) {
        case ENOENT:
            return device + " does not exist: is the phone or its cable plugged in?";
        case ENODEV:
        case ENXIO:
            return "No device answers behind " + device + ": is the phone or its cable plugged in?";
        case EACCES:
        case EPERM:
            return PermissionProblem(facts);
        case EBUSY:
            return device + " is in use by " +
                   (facts.users.empty() ? std::string("another program") : Processes(facts.users)) +
                   ".";
        case 0:
            if (!facts.users.empty()) {
                return device + " is in use by " + Processes(facts.users) + ".";
            }
            return device + " cannot be opened.";
        default:
            return device +
                   " cannot be opened: " + std::generic_category().message(facts.openErrno) + ".";
    }
}

}  // namespace

int UucpLockPid(std::string_view contents) {
    const size_t start = contents.find_first_not_of(" \t");
    if (start != std::string_view::npos && contents[start] >= '0' && contents[start] <= '9') {
        int pid = 0;
        const char* end = contents.data() + contents.size();
        const auto [next, error] = std::from_chars(contents.data() + start, end, pid);
        // The number ends the line or the file; "12ab" is no pid.
        if (error != std::errc() || (next != end && *next != '\n' && *next != '\r')) {
            return 0;
        }
        return pid;
    }
    if (contents.size() == sizeof(int)) {
        int pid = 0;
        std::memcpy(&pid, contents.data(), sizeof pid);
        return pid > 0 ? pid : 0;
    }
    return 0;
}

std::string PortProblem(const PortFacts& facts) {
    const std::string com = "COM" + std::to_string(facts.portNumber);
    if (facts.port.device.empty()) {
        if (facts.systemPortCount == 0) {
            return com +
                   " has no device: the system reports no serial port. Is the phone or its "
                   "cable plugged in?";
        }
        return com + " has no device: the system reports " + std::to_string(facts.systemPortCount) +
               (facts.systemPortCount == 1 ? " serial port." : " serial ports.");
    }
    std::string text = OpenProblem(facts);
    if (facts.modemManager) {
        text = Append(text, "ModemManager manages " + facts.port.device +
                                " and may be talking to the phone itself.");
    }
    return text;
}

std::string PortDeviceText(const PortDescription& port) {
    if (port.stableName.empty() || port.stableName == port.device) {
        return port.device;
    }
    return port.device + " (" + port.stableName + ")";
}

std::string PortDetailsText(const PortDescription& port) {
    std::string text = port.description;
    if (!port.manufacturer.empty() && port.manufacturer != port.description) {
        text += (text.empty() ? "" : ", ") + port.manufacturer;
    }
    if (!port.serialNumber.empty()) {
        text += (text.empty() ? "serial " : ", serial ") + port.serialNumber;
    }
    return text;
}

std::string PortFailureReason(const PortFacts& facts) {
    const std::string problem = PortProblem(facts);
    if (facts.port.device.empty()) {
        return problem;
    }
    const std::string line =
        "COM" + std::to_string(facts.portNumber) + " is " + PortDeviceText(facts.port) + ".";
    return Append(line, problem);
}

}  // namespace pixora
