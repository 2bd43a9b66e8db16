// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/port_probe.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSerialPortInfo>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/serial_link.h"

namespace pixora {

namespace fs = std::filesystem;

namespace {

std::string Canonical(const std::string& path) {
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? std::string() : resolved.string();
}

std::string CommandOf(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string command;
    std::getline(in, command);
    return command;
}

bool Alive(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

int LockPid(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    // A lock file is a line; anything longer is not one.
    std::string text(64, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    return UucpLockPid(text);
}

PortUser LockOwner(const std::string& device, const ProbeOptions& options) {
    const std::string lockName = "LCK.." + fs::path(device).filename().string();
    for (const std::string& folder : options.lockFolders) {
        const int pid = LockPid(fs::path(folder) / lockName);
        // A lock left by a process that has died binds no one.
        if (pid != ::getpid() && Alive(pid)) {
            return {pid, CommandOf(pid)};
        }
    }
    return {};
}

std::vector<PortUser> ProcessesHolding(const std::string& canonicalDevice) {
    std::vector<PortUser> users;
    std::error_code error;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        const std::string name = process.path().filename().string();
        int pid = 0;
        const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (ec != std::errc() || end != name.data() + name.size() || pid == ::getpid()) {
            continue;
        }
        std::error_code fdError;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError).string() == canonicalDevice) {
                users.push_back({pid, CommandOf(pid)});
                break;
            }
        }
    }
    return users;
}

void GroupFacts(const std::string& device, PortFacts& facts) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        return;
    }
    if (const struct group* group = ::getgrgid(info.st_gid)) {
        facts.groupName = group->gr_name;
    }
    std::vector<gid_t> groups(static_cast<size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    facts.inGroupNow = ::getegid() == info.st_gid;
    for (int i = 0; i < count; ++i) {
        facts.inGroupNow = facts.inGroupNow || groups[static_cast<size_t>(i)] == info.st_gid;
    }
    if (const struct passwd* user = ::getpwuid(::getuid())) {
        int n = 64;
        std::vector<gid_t> listed(static_cast<size_t>(n));
        if (::getgrouplist(user->pw_name, user->pw_gid, listed.data(), &n) < 0) {
            listed.resize(static_cast<size_t>(n));
            ::getgrouplist(user->pw_name, user->pw_gid, listed.data(), &n);
        }
        for (int i = 0; i < n && i < static_cast<int>(listed.size()); ++i) {
            facts.inGroupLater =
                facts.inGroupLater || listed[static_cast<size_t>(i)] == info.st_gid;
        }
    }
}

}  // namespace

QString StableSerialName(const QString& device) {
    const std::string target = Canonical(device.toStdString());
    if (target.empty()) {
        return {};
    }
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator("/dev/serial/by-id", error)) {
        if (Canonical(link.path().string()) == target) {
            return QString::fromStdString(link.path().string());
        }
    }
    return {};
}

PortDescription DescribeComPort(SettingsStore& settings, int portNumber) {
    PortDescription port;
    const QString device = SerialDeviceForPort(settings, portNumber);
    if (device.isEmpty()) {
        return port;
    }
    // A pinned by-id name is shown as the device it leads to, beside the name itself.
    const std::string canonical = Canonical(device.toStdString());
    port.device = canonical.empty() ? device.toStdString() : canonical;
    port.stableName = StableSerialName(device).toStdString();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation().toStdString() == port.device) {
            port.description = info.description().toStdString();
            port.manufacturer = info.manufacturer().toStdString();
            port.serialNumber = info.serialNumber().toStdString();
            break;
        }
    }
    return port;
}

PortFacts ProbePort(SettingsStore& settings, int portNumber, ModemManager* modemManager,
                    const ProbeOptions& options) {
    PortFacts facts;
    facts.portNumber = portNumber;
    facts.port = DescribeComPort(settings, portNumber);
    facts.systemPortCount = static_cast<int>(SystemSerialPorts().size());
    const std::string& device = facts.port.device;
    if (device.empty()) {
        return facts;
    }
    // O_NONBLOCK: a port without carrier must not keep us waiting.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        facts.opened = true;
        ::close(fd);
    } else {
        facts.openErrno = errno;
    }
    GroupFacts(device, facts);
    facts.lockOwner = LockOwner(device, options);
    if (facts.openErrno != ENOENT) {
        facts.users = ProcessesHolding(device);
    }
    if (modemManager != nullptr) {
        facts.modemManager = modemManager->ManagingModem(device).has_value();
    }
    return facts;
}

}  // namespace pixora
