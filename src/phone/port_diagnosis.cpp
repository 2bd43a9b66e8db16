// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/port_diagnosis.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>

#include "core/translate.h"

namespace pixora {

namespace {

std::string Process(const PortUser& user) {
    const std::string name =
        user.command.empty() ? TranslateText("Phone", "another program") : user.command;
    return WithArgs(TranslateText("Phone", "%1 (process %2)"), {name, std::to_string(user.pid)});
}

std::string Processes(const std::vector<PortUser>& users) {
    std::string text;
    for (size_t i = 0; i < users.size(); ++i) {
        if (i > 0) {
            text += i + 1 == users.size() ? TranslateText("Phone", " and ") : ", ";
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
        return WithArgs(TranslateText("Phone", "You may not open %1 (permission denied)."),
                        {device});
    }
    if (facts.inGroupNow) {
        return WithArgs(TranslateText("Phone",
                                      "You may not open %1 (permission denied), although "
                                      "you are in its group %2."),
                        {device, group});
    }
    if (facts.inGroupLater) {
        return WithArgs(TranslateText("Phone",
                                      "You may not open %1 yet: you are in its group %2, "
                                      "but not in this session. Log in again."),
                        {device, group});
    }
    return WithArgs(TranslateText("Phone",
                                  "You may not open %1: it belongs to the group %2. Add "
                                  "yourself to the group %2: sudo usermod -aG %2 "
                                  "$USER, then log in again."),
                    {device, group});
}

std::string OpenProblem(const PortFacts& facts) {
    const std::string& device = facts.port.device;
    if (facts.lockOwner.pid > 0) {
        return WithArgs(TranslateText("Phone", "%1 is locked by %2."),
                        {device, Process(facts.lockOwner)});
    }
    if (facts.opened) {
        return facts.users.empty() ? std::string()
                                   : WithArgs(TranslateText("Phone",
                                                            "%1 is also open in %2, which "
                                                            "may take the phone's answers."),
                                              {device, Processes(facts.users)});
    }
    switch (facts.openErrno) {
        case ENOENT:
            return WithArgs(
                TranslateText("Phone", "%1 does not exist: is the phone or its cable plugged in?"),
                {device});
        case ENODEV:
        case ENXIO:
            return WithArgs(
                TranslateText("Phone",
                              "No device answers behind %1: is the phone or its cable plugged in?"),
                {device});
        case EACCES:
        case EPERM:
            return PermissionProblem(facts);
        case EBUSY:
            return WithArgs(TranslateText("Phone", "%1 is in use by %2."),
                            {device, facts.users.empty() ? TranslateText("Phone", "another program")
                                                         : Processes(facts.users)});
        case 0:
            if (!facts.users.empty()) {
                return WithArgs(TranslateText("Phone", "%1 is in use by %2."),
                                {device, Processes(facts.users)});
            }
            return WithArgs(TranslateText("Phone", "%1 cannot be opened."), {device});
        default:
            return WithArgs(TranslateText("Phone", "%1 cannot be opened: %2."),
                            {device, std::generic_category().message(facts.openErrno)});
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
            return WithArgs(TranslateText("Phone",
                                          "%1 has no device: the system reports no serial "
                                          "port. Is the phone or its cable plugged in?"),
                            {com});
        }
        return WithArgs(
            facts.systemPortCount == 1
                ? TranslateText("Phone", "%1 has no device: the system reports %2 serial port.")
                : TranslateText("Phone", "%1 has no device: the system reports %2 serial ports."),
            {com, std::to_string(facts.systemPortCount)});
    }
    std::string text = OpenProblem(facts);
    if (facts.modemManager) {
        text = Append(text, WithArgs(TranslateText("Phone",
                                                   "ModemManager manages %1 and may be "
                                                   "talking to the phone itself."),
                                     {facts.port.device}));
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
