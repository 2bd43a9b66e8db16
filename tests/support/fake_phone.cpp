// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/fake_phone.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>

namespace pixora::testing {

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEscape = 0x1B;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool Matches(const std::string& pattern, const std::string& key) {
    const bool prefix = !pattern.empty() && pattern.back() == '*';
    return prefix ? StartsWith(key, pattern.substr(0, pattern.size() - 1)) : key == pattern;
}

bool IsHex(const std::string& text) {
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

int HexValue(const std::string& text, size_t pos) {
    return std::stoi(text.substr(pos, 2), nullptr, 16);
}

}  // namespace

void MessageMemories::Add(const std::string& memory, StoredMessageLine message) {
    stored_[memory].push_back(std::move(message));
}

void MessageMemories::Refuse(const std::string& memory, int cmsCode) {
    refused_[memory] = cmsCode;
}

int MessageMemories::Status(const std::string& memory, int index) const {
    const auto it = stored_.find(memory);
    if (it != stored_.end()) {
        for (const StoredMessageLine& m : it->second) {
            if (m.index == index) {
                return m.status;
            }
        }
    }
    return -1;
}

std::string MessageMemories::Answer(const std::string& command, bool pduMode) {
    const std::string ok = "\r\nOK\r\n";
    if (StartsWith(command, "AT+CPMS=\"")) {
        const size_t close = command.find('"', 9);
        const std::string memory = command.substr(9, close == std::string::npos ? 0 : close - 9);
        if (refused_.count(memory) != 0) {
            return "\r\n+CMS ERROR: " + std::to_string(refused_[memory]) + "\r\n";
        }
        if (memory != "SM" && memory != "ME") {
            return "\r\n+CMS ERROR: 302\r\n";
        }
        listed_ = memory;
        const std::string used = std::to_string(stored_[memory].size());
        return "\r\n+CPMS: " + used + ",30," + used + ",30," + used + ",30\r\n" + ok;
    }
    if (StartsWith(command, "AT+CMGL")) {
        if (!pduMode || command != "AT+CMGL=4") {
            return "\r\n+CMS ERROR: 302\r\n";
        }
        std::string reply;
        for (StoredMessageLine& m : stored_[listed_]) {
            const int centre = m.pdu.size() >= 2 ? HexValue(m.pdu, 0) : 0;
            const int length = static_cast<int>(m.pdu.size() / 2) - 1 - centre;
            reply += "\r\n+CMGL: " + std::to_string(m.index) + "," + std::to_string(m.status) +
                     "," + (m.alpha.empty() ? "" : "\"" + m.alpha + "\"") + "," +
                     std::to_string(length) + "\r\n";
            if (split_ == 0) {
                reply += m.pdu;
            } else {
                for (size_t at = 0; at < m.pdu.size(); at += split_) {
                    reply += m.pdu.substr(at, split_) + "\r\n\r\n";
                }
            }
            if (m.status == 0) {
                m.status = 1;
            }
        }
        return reply + "\r\n" + ok;
    }
    if (StartsWith(command, "AT+CMGD")) {
        deletes_.push_back(command);
        return ok;
    }
    return "";
}

FakePhone::FakePhone() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        return;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        ::close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = name;
    // Holding the slave open keeps the master from reporting a hang-up between the program's
    // conversations, and raw mode keeps the line discipline from echoing or translating CRs.
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ >= 0) {
        termios tio{};
        if (::tcgetattr(slave_, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(slave_, TCSANOW, &tio);
        }
    }
    termios master{};
    if (::tcgetattr(master_, &master) == 0) {
        ::cfmakeraw(&master);
        ::tcsetattr(master_, TCSANOW, &master);
    }
    // Non-blocking, so a program that stops reading cannot wedge the phone's thread.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    thread_ = std::thread([this] { Run(); });
}

FakePhone::~FakePhone() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (master_ >= 0) {
        ::close(master_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
}

void FakePhone::SetEcho(bool on) {
    std::lock_guard lock(mutex_);
    echo_ = on;
}

void FakePhone::SetIdentification(std::string text) {
    std::lock_guard lock(mutex_);
    identification_ = std::move(text);
}

void FakePhone::SetCsca(std::string value) {
    std::lock_guard lock(mutex_);
    hasCsca_ = true;
    csca_ = std::move(value);
}

void FakePhone::ClearCsca() {
    std::lock_guard lock(mutex_);
    hasCsca_ = false;
}

void FakePhone::SetIndexRange(const std::string& memory, int low, int high) {
    std::lock_guard lock(mutex_);
    ranges_[memory] = {low, high};
}

void FakePhone::AddEntry(const std::string& memory, PhonebookEntryLine entry) {
    std::lock_guard lock(mutex_);
    entries_[memory].push_back(std::move(entry));
}

void FakePhone::Script(std::string pattern, PhoneBehaviour behaviour, int times, int cmsCode) {
    std::lock_guard lock(mutex_);
    scripts_.push_back({std::move(pattern), behaviour, times, cmsCode});
}

void FakePhone::SetReplyDelay(std::string pattern, std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    delays_.emplace_back(std::move(pattern), delay);
}

void FakePhone::WaitBeforeAnswer(const std::string& key) {
    std::chrono::milliseconds delay{0};
    {
        std::lock_guard lock(mutex_);
        for (const auto& [pattern, wait] : delays_) {
            if (Matches(pattern, key)) {
                delay = wait;
                break;
            }
        }
    }
    const auto until = std::chrono::steady_clock::now() + delay;
    while (!stop_ && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void FakePhone::SetDefaultBehaviour(PhoneBehaviour behaviour, int cmsCode) {
    std::lock_guard lock(mutex_);
    defaultBehaviour_ = behaviour;
    defaultCms_ = cmsCode;
}

void FakePhone::Unplug() {
    unplug_ = true;
    // The phone thread closes both ends; wait until it has, so the test knows the state.
    for (int i = 0; i < 200 && !unplugged_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::vector<std::string> FakePhone::DeleteCommands() const {
    std::lock_guard lock(mutex_);
    return messages_.DeleteCommands();
}

std::vector<std::string> FakePhone::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

size_t FakePhone::CommandCount() const {
    std::lock_guard lock(mutex_);
    return commands_.size();
}

std::vector<std::string> FakePhone::AcceptedPdus() const {
    std::lock_guard lock(mutex_);
    return acceptedPdus_;
}

std::vector<int> FakePhone::AnnouncedLengths() const {
    std::lock_guard lock(mutex_);
    return announcedLengths_;
}

std::string FakePhone::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void FakePhone::Run() {
    char buffer[4096];
    while (!stop_) {
        if (unplug_ && !unplugged_) {
            std::lock_guard lock(mutex_);
            ::close(master_);
            master_ = -1;
            if (slave_ >= 0) {
                ::close(slave_);
                slave_ = -1;
            }
            unplugged_ = true;
        }
        if (unplugged_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        pollfd pfd{master_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, 10);
        if (ready <= 0) {
            continue;
        }
        if ((pfd.revents & POLLIN) == 0) {
            // Hang-up without data: nobody holds the slave. Wait for the next opener.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            HandleBytes(buffer, static_cast<size_t>(n));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

void FakePhone::HandleBytes(const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const char c = data[i];
        bool awaiting;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(c);
            awaiting = awaitingPdu_;
        }
        if (awaiting) {
            if (c == kCtrlZ) {
                std::string line;
                {
                    std::lock_guard lock(mutex_);
                    line.swap(line_);
                    awaitingPdu_ = false;
                }
                HandlePdu(line);
            } else if (c == kEscape) {
                // Sending abandoned: the phone drops the message and answers OK.
                {
                    std::lock_guard lock(mutex_);
                    line_.clear();
                    awaitingPdu_ = false;
                }
                Send("\r\nOK\r\n");
            } else if (c != '\r' && c != '\n') {
                std::lock_guard lock(mutex_);
                line_.push_back(c);
            }
            continue;
        }
        if (c == '\r') {
            std::string command;
            {
                std::lock_guard lock(mutex_);
                command.swap(line_);
            }
            if (!command.empty()) {
                HandleCommand(command);
            }
        } else if (c != '\n') {
            std::lock_guard lock(mutex_);
            line_.push_back(c);
        }
    }
}

PhoneBehaviour FakePhone::BehaviourFor(const std::string& key, int& cmsCode) {
    for (ScriptEntry& script : scripts_) {
        if (script.times == 0) {
            continue;
        }
        if (Matches(script.pattern, key)) {
            if (script.times > 0) {
                --script.times;
            }
            cmsCode = script.cmsCode;
            return script.behaviour;
        }
    }
    cmsCode = defaultCms_;
    return defaultBehaviour_;
}

void FakePhone::HandleCommand(const std::string& command) {
    PhoneBehaviour behaviour;
    int cmsCode = 0;
    bool echo;
    {
        std::lock_guard lock(mutex_);
        commands_.push_back(command);
        behaviour = BehaviourFor(command, cmsCode);
        echo = echo_;
    }
    if (behaviour == PhoneBehaviour::Silent) {
        return;
    }
    if (echo || behaviour == PhoneBehaviour::EchoOnly) {
        Send(command + "\r");
    }
    WaitBeforeAnswer(command);
    switch (behaviour) {
        case PhoneBehaviour::Answer:
            Send(Answer(command));
            break;
        case PhoneBehaviour::Error:
            Send("\r\nERROR\r\n");
            break;
        case PhoneBehaviour::CmsError:
            Send("\r\n+CMS ERROR: " + std::to_string(cmsCode) + "\r\n");
            break;
        default:
            break;
    }
}

std::string FakePhone::Answer(const std::string& command) {
    std::lock_guard lock(mutex_);
    const std::string ok = "\r\nOK\r\n";
    const std::string error = "\r\nERROR\r\n";
    if (command == "AT" || command == "ATZ" || command == "AT+CRES=1") {
        return ok;
    }
    if (command == "ATE0" || command == "ATE1") {
        echo_ = command == "ATE1";
        return ok;
    }
    if (command == "ATI") {
        return "\r\n" + identification_ + "\r\n" + ok;
    }
    if (command == "AT+CMGF=0" || command == "AT+CMGF=1") {
        pduMode_ = command == "AT+CMGF=0";
        return ok;
    }
    if (command == "AT+CSCA?") {
        return hasCsca_ ? "\r\n+CSCA: " + csca_ + "\r\n" + ok : ok;
    }
    if (StartsWith(command, "AT+CMGS=")) {
        const std::string number = command.substr(8);
        if (!pduMode_ || number.empty() || number.size() > 3 ||
            number.find_first_not_of("0123456789") != std::string::npos) {
            return error;
        }
        announced_ = std::stoi(number);
        awaitingPdu_ = true;
        line_.clear();
        return "\r\n> ";
    }
    if (command == "AT+CPBS=\"SM\"" || command == "AT+CPBS=\"ME\"") {
        memory_ = command.substr(9, 2);
        return ok;
    }
    if (command == "AT+CPBR=?") {
        auto it = ranges_.find(memory_);
        if (it == ranges_.end()) {
            return error;
        }
        return "\r\n+CPBR: (" + std::to_string(it->second.first) + "-" +
               std::to_string(it->second.second) + "),40,18\r\n" + ok;
    }
    if (StartsWith(command, "AT+CPBR=")) {
        int low = 0;
        int high = 0;
        if (std::sscanf(command.c_str() + 8, "%d,%d", &low, &high) != 2) {
            return error;
        }
        std::string reply;
        for (const PhonebookEntryLine& e : entries_[memory_]) {
            if (e.index >= low && e.index <= high) {
                reply += "\r\n+CPBR: " + std::to_string(e.index) + ",\"" + e.number + "\"," +
                         std::to_string(e.type) + ",\"" + e.text + "\"";
            }
        }
        return reply + "\r\n" + ok;
    }
    if (std::string reply = messages_.Answer(command, pduMode_); !reply.empty()) {
        return reply;
    }
    return error;
}

void FakePhone::HandlePdu(const std::string& line) {
    PhoneBehaviour behaviour;
    int cmsCode = 0;
    bool echo;
    int announced;
    {
        std::lock_guard lock(mutex_);
        commands_.push_back(line);
        announcedLengths_.push_back(announced_);
        behaviour = BehaviourFor("PDU", cmsCode);
        echo = echo_;
        announced = announced_;
    }
    if (behaviour == PhoneBehaviour::Silent) {
        return;
    }
    if (echo || behaviour == PhoneBehaviour::EchoOnly) {
        Send(line);
    }
    WaitBeforeAnswer("PDU");
    if (behaviour == PhoneBehaviour::Error) {
        Send("\r\nERROR\r\n");
        return;
    }
    if (behaviour == PhoneBehaviour::CmsError) {
        Send("\r\n+CMS ERROR: " + std::to_string(cmsCode) + "\r\n");
        return;
    }
    if (behaviour != PhoneBehaviour::Answer) {
        return;
    }
    // The announced length counts the TPDU only: everything after the message-centre field.
    bool valid = line.size() >= 2 && line.size() % 2 == 0 && IsHex(line);
    if (valid) {
        const int smscOctets = HexValue(line, 0);
        const int tpduOctets = static_cast<int>(line.size() / 2) - 1 - smscOctets;
        valid = tpduOctets == announced;
    }
    if (!valid) {
        // What handsets report for a PDU they cannot take: invalid PDU mode parameter.
        Send("\r\n+CMS ERROR: 304\r\n");
        return;
    }
    int reference;
    {
        std::lock_guard lock(mutex_);
        acceptedPdus_.push_back(line);
        reference = messageReference_++;
    }
    Send("\r\n+CMGS: " + std::to_string(reference) + "\r\n\r\nOK\r\n");
}

void FakePhone::Send(const std::string& text) {
    std::lock_guard lock(mutex_);
    size_t done = 0;
    int waits = 0;
    while (done < text.size() && master_ >= 0) {
        const ssize_t n = ::write(master_, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR) && ++waits < 500) {
            // The line is full: give the reader a moment, then drop the rest as a real
            // phone's buffer would.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } else {
            break;
        }
    }
}

}  // namespace pixora::testing
