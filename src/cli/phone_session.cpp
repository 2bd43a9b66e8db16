// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/phone_session.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/settings_keys.h"

namespace pixora::cli {

namespace {

// SIGINT and SIGTERM reach the event loop through this pipe: the handler only writes a byte.
int signalPipe[2] = {-1, -1};

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    if (signalPipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    }
    errno = saved;
}

// Tests run the ticks faster; nothing else sets this.
int TickDivisor() {
    const char* text = std::getenv("PIXORA_TICK_DIVISOR");
    if (text == nullptr) {
        return 1;
    }
    const int value = std::atoi(text);
    return value >= 1 && value <= 1000 ? value : 1;
}

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

std::optional<std::string> ScriptSettings::Read(std::string_view section, std::string_view key) {
    const auto it = overrides_.find({std::string(section), std::string(key)});
    if (it != overrides_.end()) {
        return it->second;
    }
    return store_.Read(section, key);
}

bool ScriptSettings::Write(std::string_view section, std::string_view key, std::string_view value) {
    const Key wanted{std::string(section), std::string(key)};
    if (std::find(writable_.begin(), writable_.end(), wanted) == writable_.end()) {
        return false;
    }
    return store_.Write(section, key, value);
}

std::unique_ptr<PhoneLine> OpenPhoneLine(int requestedPort, const std::string& device,
                                         std::map<ScriptSettings::Key, std::string> overrides,
                                         std::vector<ScriptSettings::Key> writable) {
    QuietQtMessages();
    auto line = std::make_unique<PhoneLine>();
    line->port = requestedPort != 0 ? requestedPort : ReadInt(line->userStore, keys::COMPort);
    if (!device.empty() && line->port == 0) {
        line->port = 1;
    }
    if (!device.empty()) {
        overrides[{std::string(keys::General), ComDeviceKey(line->port)}] = device;
    }
    // A conversation that reads its port from the settings gets the one chosen here.
    if (line->port != 0) {
        overrides[{keys::COMPort.section, keys::COMPort.key}] = std::to_string(line->port);
    }
    line->settings = std::make_unique<ScriptSettings>(line->userStore, std::move(overrides),
                                                      std::move(writable));
    line->phone = std::make_unique<SerialPhone>(*line->settings, line->ui);
    line->phone->Timer().SetSpeedUp(TickDivisor());
    return line;
}

void QuietQtMessages() {
    qInstallMessageHandler(QuietMessages);
}

std::unique_ptr<QCoreApplication> EnsureCoreApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char arg0[] = "pixora-cli";
    static char* argv[] = {arg0, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

ConversationLoop::ConversationLoop(std::function<void()> cancel, int timeoutSeconds)
    : cancel_(std::move(cancel)),
      timeoutSeconds_(timeoutSeconds),
      loop_(std::make_unique<QEventLoop>()) {}

ConversationLoop::~ConversationLoop() = default;

void ConversationLoop::Finish() {
    finished_ = true;
    loop_->quit();
}

void ConversationLoop::Run() {
    if (finished_) {
        return;
    }
    QSocketNotifier* notifier = nullptr;
    struct sigaction previousInt = {};
    struct sigaction previousTerm = {};
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, loop_.get());
        QObject::connect(notifier, &QSocketNotifier::activated, [this] {
            char buffer[16];
            while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
            }
            cancel_();
        });
        struct sigaction action = {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &previousInt);
        ::sigaction(SIGTERM, &action, &previousTerm);
    }
    QTimer deadline;
    if (timeoutSeconds_ > 0) {
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [this] { cancel_(); });
        deadline.start(timeoutSeconds_ * 1000);
    }
    loop_->exec();
    if (notifier != nullptr) {
        ::sigaction(SIGINT, &previousInt, nullptr);
        ::sigaction(SIGTERM, &previousTerm, nullptr);
        delete notifier;
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
}

}  // namespace pixora::cli
